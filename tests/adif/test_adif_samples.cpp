// Files written by other logging programs, imported into an empty log and
// into a log that already holds QSOs.
#include "adif/adif_import.h"
#include "log/log_file.h"
#include "log/qso_record.h"

#include <QtTest>

using namespace ktl;

namespace {

QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArrayList logLines(const QString& path) {
  QByteArrayList lines;
  forEachLine(path, [&](const QByteArray& l) { return lines.append(l), true; });
  return lines;
}

// QSOs of our own, out of order, with a repeat mark and years on both sides
// of 2000.
QByteArrayList ownLog() {
  QByteArrayList lines;
  int i = 0;
  for (const char* date : {"07/01/16", "31/12/99", "01/01/00", "15/06/49", "28/02/24", "07/01/16", "03/03/51"}) {
    lines << toLogLine({"OK" + QByteArray::number(i) + "ABC", "OK", QByteArray::number(8815 + i), i == 2, date,
                        i % 2 ? "08:35" : "23:59", "SSB", "14 Mhz", "59", "Hrad Karlstejn", i % 3 == 0, "57"});
    ++i;
  }
  return lines;
}

}  // namespace

class TestAdifSamples : public QObject {
  Q_OBJECT
 private slots:
  void importSample_data() {
    QTest::addColumn<QString>("file");
    const QDir dir(QStringLiteral(KTL_SHARED_DIR "/adif-samples"));
    const QStringList files = dir.entryList({QStringLiteral("*.adi")}, QDir::Files, QDir::Name);
    if (files.isEmpty()) QSKIP("no sample files beside the checkout");
    for (const QString& f : files) QTest::newRow(qPrintable(f)) << dir.filePath(f);
  }

  // One log line per "<eor>" (in any case), every line 121 bytes, dates
  // ascending, our own QSOs kept; a file without "<eor>" (the malformed
  // cqGMA export) changes nothing.
  void importSample() {
    QFETCH(QString, file);
    const qsizetype records = readAll(file).toLower().count("<eor>");
    for (const QByteArrayList& before : {QByteArrayList(), ownLog()}) {
      QTemporaryDir tmp;
      const QString log = tmp.filePath(QStringLiteral("F1ABC_KTL.log"));
      QFile f(log);
      QVERIFY(f.open(QIODevice::WriteOnly));
      for (const QByteArray& l : before) f.write(l + "\r\n");
      f.close();
      const AdifImportResult r = importAdif(file, log);
      if (records == 0) {
        QCOMPARE(r.status, AdifImportResult::NoRecord);
        QCOMPARE(logLines(log), before);
        continue;
      }
      QCOMPARE(r.status, AdifImportResult::Imported);
      const QByteArrayList after = logLines(log);
      QCOMPARE(after.size(), before.size() + records);
      for (qsizetype i = 0; i < after.size(); ++i) {
        QCOMPARE(after[i].size(), kLogLineWidth);
        if (i > 0)
          QVERIFY2(dateKey(after[i - 1], CenturyRule::Sort) <= dateKey(after[i], CenturyRule::Sort),
                   after[i].constData());
      }
      for (QByteArray own : before) {
        own[23] = ' ';  // the sort clears repeat marks
        QVERIFY2(after.contains(own), own.constData());
      }
    }
  }
};

QTEST_GUILESS_MAIN(TestAdifSamples)
#include "test_adif_samples.moc"
