// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The standard export of every shared ADIF sample, imported with the full
// records kept beside the log, read back by a validator of our own: bands,
// modes, submodes, dates and times from the ADIF 3.1.6 lists written out
// here by hand (not the exporter's table), frequencies inside their band,
// no stand-in of the import left as data. Then the truth of what is
// written: a WSJT-X log and a contest log come back with the frequency,
// band, mode, submode and grid they were worked with.
#include "extras/adif_with_extras.h"
#include "test_files.h"

#include <QtTest>

using namespace ktl;

namespace {

// ADIF 3.1.6 modes that may be exported, each with those of its submodes
// that the samples hold (a shorter list is only stricter).
const char* const kModeList = R"(
AM: ; ARDOP: ; ATV: ; CHIP: ; CLO: ; CONTESTI: ; CW: ; DIGITALVOICE: C4FM ; DOMINO: ; DYNAMIC: ; FAX: ; FM: ;
FSK: ; FSK441: ; FT8: ; HELL: ; ISCAT: ; JT4: ; JT44: ; JT65: ; JT6M: ; JT9: ; MFSK: FT4 ; MSK144: ; MT63: ;
MTONE: ; OLIVIA: ; OPERA: ; PAC: ; PAX: ; PKT: ; PSK: 8PSK125 8PSK125F 8PSK125FL 8PSK250 8PSK250F ; PSK2K: ;
Q15: ; QRA64: ; ROS: ; RTTY: ; RTTYM: ; SSB: LSB USB ; SSTV: ; T10: ; THOR: ; THRB: ; TOR: ; V4: ; VOI: ;
WINMOR: ; WSPR: ;
)";

// ADIF bands: name, lowest and highest frequency in MHz.
const char* const kBandList = R"(
2190m .1357 .1378 | 630m .472 .479 | 560m .501 .504 | 160m 1.8 2 | 80m 3.5 4 | 60m 5.06 5.45 | 40m 7 7.3 |
30m 10.1 10.15 | 20m 14 14.35 | 17m 18.068 18.168 | 15m 21 21.45 | 12m 24.89 24.99 | 10m 28 29.7 | 8m 40 45 |
6m 50 54 | 5m 54.000001 69.9 | 4m 70 71 | 2m 144 148 | 1.25m 222 225 | 70cm 420 450 | 33cm 902 928 |
23cm 1240 1300 | 13cm 2300 2450 | 9cm 3300 3500 | 6cm 5650 5925 | 3cm 10000 10500 | 1.25cm 24000 24250 |
6mm 47000 47200 | 4mm 75500 81000 | 2.5mm 119980 123000 | 2mm 134000 149000 | 1mm 241000 250000 |
submm 300000 7500000
)";

struct Validator {
  QMap<QString, QStringList> modes;  // mode -> submodes
  QMap<QString, std::pair<double, double>> bands;
  Validator() {
    for (const QString& row : QString::fromLatin1(kModeList).split(';', Qt::SkipEmptyParts)) {
      const QStringList parts = row.split(':');
      if (parts.size() != 2) continue;
      modes.insert(parts[0].trimmed(), parts[1].simplified().split(' ', Qt::SkipEmptyParts));
    }
    for (const QString& row : QString::fromLatin1(kBandList).split('|')) {
      const QStringList parts = row.simplified().split(' ');
      bands.insert(parts[0], {parts[1].toDouble(), parts[2].toDouble()});
    }
  }
  // What is wrong with one record, or nothing.
  QString fault(const QMap<QString, QString>& r) const {
    for (auto it = r.begin(); it != r.end(); ++it)
      if (it.value().trimmed().isEmpty()) return it.key() + " empty";
    if (r.contains("BAND") && !bands.contains(r["BAND"])) return "BAND " + r["BAND"];
    if (r.contains("MODE") && !modes.contains(r["MODE"])) return "MODE " + r["MODE"];
    if (r.contains("SUBMODE") && !modes.value(r["MODE"]).contains(r["SUBMODE"]))
      return "SUBMODE " + r["SUBMODE"] + " of " + r["MODE"];
    const QString date = r.value("QSO_DATE", "19300101");
    if (!QDate::fromString(date, "yyyyMMdd").isValid() || date < "1930") return "QSO_DATE " + date;
    static const QRegularExpression hhmmss("^([01]\\d|2[0-3])[0-5]\\d([0-5]\\d)?$");
    if (r.contains("TIME_ON") && !hhmmss.match(r["TIME_ON"]).hasMatch()) return "TIME_ON " + r["TIME_ON"];
    if (r.contains("FREQ")) {
      bool ok = false;
      const double f = r["FREQ"].toDouble(&ok);
      const auto range = bands.value(r["BAND"], {-1, -1});
      if (!ok || f < range.first || f > range.second) return "FREQ " + r["FREQ"] + " in " + r["BAND"];
    }
    // The import's stand-ins for missing fields.
    if (r.value("CALL") == "FXXXX") return "CALL FXXXX";
    for (const char* tag : {"RST_RCVD", "RST_SENT"})
      if (r.value(tag) == "XX") return QString(tag) + " XX";
    return {};
  }
};

// The records of an ADIF file by the lengths of their tags (tags upper-cased).
QList<QMap<QString, QString>> readRecords(const QByteArray& bytes) {
  static const QRegularExpression tag(R"(<(\w+)(?::(\d+))?[^>]*>)");
  const QString file = QString::fromLatin1(bytes);  // one character a byte: lengths hold
  QList<QMap<QString, QString>> out;
  QMap<QString, QString> record;
  qsizetype at = std::max<qsizetype>(0, file.indexOf("<EOH>", 0, Qt::CaseInsensitive));
  for (auto m = tag.match(file, at); m.hasMatch(); m = tag.match(file, at)) {
    const QString name = m.captured(1).toUpper();
    const int length = m.captured(2).toInt();
    at = m.capturedEnd() + length;
    if (name == "EOR") out << std::exchange(record, {});
    else if (name != "EOH") record.insert(name, file.mid(m.capturedEnd(), length));
  }
  return out;
}

struct Exported {
  QList<QMap<QString, QString>> records;
  AdifExportResult result;
};

Exported importAndExport(const QString& sample, bool sigIsAward) {
  QTemporaryDir tmp;
  const QString log = tmp.filePath("F0ORB_KTL.log"), out = tmp.filePath("out.adi");
  ExtrasStore store(log);
  importAdifWithExtras(sample, log, {sigIsAward}, {}, store);
  const AdifExportResult result = exportStandardWithExtras(log, out, {.station = "F0ORB"}, store);
  return {readRecords(readFile(out)), result};
}

QString sampleDir() { return QStringLiteral(KTL_SHARED_DIR "/adif-samples"); }

}  // namespace

class TestStandardValidity : public QObject {
  Q_OBJECT
 private slots:
  void everySampleExportsValid_data() {
    QTest::addColumn<QString>("sample");
    QTest::addColumn<bool>("sigIsAward");
    const QStringList samples = QDir(sampleDir()).entryList({"*.adi"}, QDir::Files, QDir::Name);
    QCOMPARE(samples.size(), 20);  // one of them (cqGMA) holds no record
    for (const QString& s : samples)
      for (bool award : {false, true}) QTest::newRow(qPrintable(s + (award ? " SIG=award" : ""))) << s << award;
  }
  void everySampleExportsValid() {
    QFETCH(QString, sample);
    QFETCH(bool, sigIsAward);
    static const Validator validator;
    const Exported e = importAndExport(sampleDir() + "/" + sample, sigIsAward);
    QCOMPARE(e.records.size(), e.result.records);
    QStringList faults;
    for (const auto& r : e.records)
      if (const QString f = validator.fault(r); !f.isEmpty()) faults << r.value("CALL") + ": " + f;
    QVERIFY2(faults.isEmpty(), qPrintable(faults.mid(0, 5).join("; ")));
  }

  // Logs made by WSJT-X and N1MM leave with what they came with: the same
  // FREQ, BAND, MODE, SUBMODE and GRIDSQUARE for each QSO.
  void workedValuesComeBack_data() {
    QTest::addColumn<QString>("sample");
    QTest::addColumn<int>("qsos");
    QTest::newRow("WSJT-X") << "wsjtx_kk7knb-v2.6.1.adi" << 528;
    QTest::newRow("N1MM contest") << "n1mm_ki2d-arrl-dx-cw.adi" << 25;
    QTest::newRow("LoTW, 13cm and FT4") << "lotw_r3lo-qsl-report.adi" << 85;
  }
  void workedValuesComeBack() {
    QFETCH(QString, sample);
    QFETCH(int, qsos);
    const QString path = sampleDir() + "/" + sample;
    const auto original = readRecords(readFile(path));
    const Exported e = importAndExport(path, false);
    QCOMPARE(QStringLiteral("%1 %2").arg(original.size()).arg(e.records.size()), QStringLiteral("%1 %1").arg(qsos));
    const auto id = [](const QMap<QString, QString>& r) {
      return r.value("CALL").toUpper() + r.value("QSO_DATE") + r.value("TIME_ON");
    };
    QMap<QString, QMap<QString, QString>> byId;
    for (const auto& r : e.records) byId.insert(id(r), r);
    int compared = 0;
    for (const auto& o : original) {
      QVERIFY2(byId.contains(id(o)), qPrintable(id(o)));
      const auto& x = byId[id(o)];
      for (const char* tag : {"FREQ", "BAND", "MODE", "SUBMODE", "GRIDSQUARE"}) {
        const QString want = o.value(tag).trimmed();
        if (want.isEmpty()) continue;
        QVERIFY2(x.value(tag).compare(want, Qt::CaseInsensitive) == 0,
                 qPrintable(id(o) + " " + tag + ": " + x.value(tag) + " for " + want));
        ++compared;
      }
    }
    QVERIFY(compared >= qsos * 3);
  }
};

QTEST_GUILESS_MAIN(TestStandardValidity)
#include "test_standard_validity.moc"
