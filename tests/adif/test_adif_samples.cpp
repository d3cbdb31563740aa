// Files written by other logging programs, imported into an empty log and
// into a log that already holds QSOs.
#include "adif/adif_import.h"
#include "log/log_file.h"
#include "log/qso_record.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

using namespace ktl;

namespace {

QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QList<QByteArray> logLines(const QString& path) {
  QList<QByteArray> lines;
  forEachLine(path, [&](const QByteArray& l) {
    lines.append(l);
    return true;
  });
  return lines;
}

// Some QSOs of our own, out of order, with a repeat mark and years on both
// sides of 2000.
QList<QByteArray> ownLog() {
  QList<QByteArray> lines;
  const char* dates[] = {"07/01/16", "31/12/99", "01/01/00", "15/06/49", "28/02/24", "07/01/16", "03/03/51"};
  int i = 0;
  for (const char* date : dates) {
    QsoRecord q;
    q.callsign = "OK" + QByteArray::number(i) + "ABC";
    q.countryPrefix = "OK";
    q.castleNumber = QByteArray::number(8815 + i).rightJustified(5, '0');
    q.repeatMark = i == 2;
    q.qsoDate = date;
    q.qsoTime = i % 2 ? "08:35" : "23:59";
    q.mode = "SSB";
    q.band = "14 Mhz";
    q.rstReceived = "59";
    q.castleName = "Hrad Karlstejn";
    q.qslReceived = i % 3 == 0;
    q.rstSent = "57";
    lines.append(toLogLine(q));
    ++i;
  }
  return lines;
}

QByteArray withoutRepeatMark(QByteArray line) {
  if (line.size() > 23) line[23] = ' ';
  return line;
}

}  // namespace

class TestAdifSamples : public QObject {
  Q_OBJECT
 private slots:
  void importSample_data();
  void importSample();
};

void TestAdifSamples::importSample_data() {
  QTest::addColumn<QString>("file");
  QTest::addColumn<bool>("intoOwnLog");
  QTest::addColumn<bool>("sigIsAward");
  const QDir dir(QStringLiteral(KTL_SHARED_DIR "/adif-samples"));
  const QStringList files = dir.entryList({QStringLiteral("*.adi")}, QDir::Files, QDir::Name);
  if (files.isEmpty()) QSKIP("no sample files beside the checkout");
  for (const QString& f : files) {
    QTest::addRow("%s empty log", qPrintable(f)) << dir.filePath(f) << false << false;
    QTest::addRow("%s own log", qPrintable(f)) << dir.filePath(f) << true << false;
    QTest::addRow("%s own log, SIG award", qPrintable(f)) << dir.filePath(f) << true << true;
  }
}

void TestAdifSamples::importSample() {
  QFETCH(QString, file);
  QFETCH(bool, intoOwnLog);
  QFETCH(bool, sigIsAward);
  QTemporaryDir tmp;
  const QString log = tmp.filePath(QStringLiteral("F1ABC_KTL.log"));
  const QList<QByteArray> before = intoOwnLog ? ownLog() : QList<QByteArray>();
  QVERIFY(rewriteFile(log, [&](const LineSink& sink) {
            for (const QByteArray& l : before) sink(l);
            return true;
          }).ok());
  const QByteArray logBefore = readAll(log);

  // Records counted the plain way: every "<eor>", in any case.
  const qsizetype records = readAll(file).toLower().count("<eor>");

  qsizetype notices = 0;
  const AdifImportResult r =
      importAdif(file, log, AdifImportOptions{sigIsAward}, [&](ReplacedField, qsizetype) { ++notices; });
  if (records == 0) {
    QCOMPARE(r.status, AdifImportResult::NoRecord);
    QCOMPARE(readAll(log), logBefore);
    return;
  }
  QCOMPARE(r.status, AdifImportResult::Imported);
  QCOMPARE(r.recordsImported, records);
  QCOMPARE(notices, r.replaced[0] + r.replaced[1] + r.replaced[2] + r.replaced[3]);

  const QByteArray bytes = readAll(log);
  QVERIFY(bytes.endsWith("\r\n"));
  QCOMPARE(bytes.count("\r\n"), before.size() + records);
  QCOMPARE(bytes.count('\n'), before.size() + records);
  const QList<QByteArray> after = logLines(log);
  QCOMPARE(after.size(), before.size() + records);
  for (const QByteArray& l : after) {
    QCOMPARE(l.size(), kLogLineWidth);
    QCOMPARE(l[12], ' ');
    QCOMPARE(l[23], ' ');
    QVERIFY2(!l.startsWith("XXXxxxxxxxx  MKVR"), l.constData());
  }
  // Dated lines ascend.
  for (qsizetype i = 1; i < after.size(); ++i)
    QVERIFY2(sortDateKey(after[i - 1].constData()) <= sortDateKey(after[i].constData()), after[i].constData());
  // The whole order is the log's own: sorting again changes nothing.
  QVERIFY(sortLog(log).ok());
  QCOMPARE(readAll(log), bytes);
  // Every QSO of our own is still there.
  QList<QByteArray> rest = after;
  for (const QByteArray& own : before) {
    const qsizetype at = rest.indexOf(withoutRepeatMark(own));
    QVERIFY2(at >= 0, own.constData());
    rest.removeAt(at);
  }
}

QTEST_GUILESS_MAIN(TestAdifSamples)
#include "test_adif_samples.moc"
