// The QSO search over the QSO list of a large log: one search of each kind.
#include "bench.h"

#include "log/log_list_model.h"
#include "views/qso_search.h"

#include <QFile>

namespace {
using namespace ktl;

BenchRegistrar reg(30, "views", [](const BenchContext& ctx) {
  const int count = ctx.quick ? 10000 : 100000;
  const QString path = ctx.workDir + QStringLiteral("/SEARCH_KTL.log");
  {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return;
    f.write(generateLog(count));
  }
  LogListModel list;
  list.load(path);
  const int runs = ctx.quick ? 5 : 9;
  struct Case {
    const char* what;
    SearchBy by;
    QByteArray text;
  };
  const Case cases[] = {{"callsign containing \"F1\"", SearchBy::Callsign, "F1"},
                        {"callsign, empty text (every QSO)", SearchBy::Callsign, ""},
                        {"reference \"OK-01234\"", SearchBy::Reference, "OK-01234"},
                        {"country \"F\"", SearchBy::Country, "F"}};
  for (const Case& c : cases) {
    qsizetype found = 0;
    const double ms = medianMs(runs, [&] { found = searchList(list, c.by, c.text).size(); });
    report(QStringLiteral("search %1 QSOs, %2 (%3 found)").arg(count).arg(QString::fromUtf8(c.what)).arg(found), ms,
           "ms");
  }
});

}  // namespace
