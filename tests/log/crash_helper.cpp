// ktl-crash-helper OP DIR: one change to the files of DIR (F0ORB_KTL.log,
// in.adi), for the crash test that kills it. Says "ready" once started,
// then works; exit status 0 when the change is done. Replace and delete
// name the log's 101st line.
#include "adif/adif_export.h"
#include "adif/adif_import.h"
#include "log/log_file.h"
#include "log/qso_record.h"

#include <cstdio>
#include <cstring>

using namespace ktl;

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  const QString dir = QString::fromLocal8Bit(argv[2]), log = dir + "/F0ORB_KTL.log";
  const QByteArray line = toLogLine({.callsign = "NEW", .countryPrefix = "OK", .castleNumber = "08815",
                                     .repeatMark = true, .qsoDate = "05/05/16", .qsoTime = "10:00", .mode = "SSB",
                                     .band = "14 Mhz", .rstReceived = "59", .qslReceived = true, .rstSent = "59"});
  QByteArray old;
  int n = 0;
  forEachLine(log, [&](const QByteArray& l) { return ++n < 101 || (old = l, false); });
  std::puts("ready");
  std::fflush(stdout);
  const char* op = argv[1];
  bool ok = false;
  if (!std::strcmp(op, "append")) ok = appendQso(log, line).ok();
  if (!std::strcmp(op, "replace")) ok = replaceQso(log, line, old).ok();
  if (!std::strcmp(op, "insert")) ok = insertQsoByDate(log, line).ok();
  if (!std::strcmp(op, "delete")) ok = deleteQso(log, old).ok();
  if (!std::strcmp(op, "sort")) ok = sortLog(log).ok();
  if (!std::strcmp(op, "import")) ok = importAdif(dir + "/in.adi", log).ok();
  if (!std::strcmp(op, "export")) ok = exportAdif(log, dir + "/F0ORB_KTL.adi", "title").ok();
  return ok ? 0 : 1;
}
