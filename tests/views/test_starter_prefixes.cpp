// The starter prefix table a new operator gets: written once into a data
// folder that has no table, never over one that is there, and a table the
// lookup reads: every line "prefix;country;" CR LF, the usual castle
// countries under their DXCC prefixes.
#include "test_files.h"
#include "views/prefix_table.h"

#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace ktl;

class StarterPrefixesTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  QString table() const { return dir_.filePath(QStringLiteral("Liste_DXCC.csv")); }

 private slots:
  void init() {
    QVERIFY(dir_.isValid());
    for (const QString& name : QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System))
      QVERIFY(QFile::remove(dir_.filePath(name)) || QDir(dir_.filePath(name)).removeRecursively());
  }

  // A folder without a table gets the committed data file, byte for byte,
  // and nothing else; whatever the operator has (an empty file, a table, a
  // link to a file not there yet) stays as it is.
  void writtenOnceNeverOver_data() {
    QTest::addColumn<QByteArray>("bytes");  // null: no table; "link": a dangling link
    QTest::newRow("no table") << QByteArray();
    QTest::newRow("empty file") << QByteArray("");
    QTest::newRow("own table") << QByteArray("OK;Tchequie;\r\nF;Metropole;\r\n");
    QTest::newRow("dangling link") << QByteArray("link");
  }
  void writtenOnceNeverOver() {
    QFETCH(QByteArray, bytes);
    const QString target = dir_.filePath(QStringLiteral("elsewhere.csv"));
    if (bytes == "link") QVERIFY(QFile::link(target, table()));
    else if (!bytes.isNull()) QVERIFY(writeFile(table(), bytes));
    QVERIFY(installStarterPrefixTable(table()).ok());
    if (bytes == "link") {
      QVERIFY(!QFile::exists(target));
    } else if (bytes.isNull()) {
      QCOMPARE(readFile(table()), readFile(QStringLiteral(KTL_STARTER_TABLE_FILE)));
      QCOMPARE(QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
               QStringList{QStringLiteral("Liste_DXCC.csv")});
    } else {
      QCOMPARE(readFile(table()), bytes);
    }
  }

  // Every line is "prefix;country;" ended by CR LF, in Windows-1252, each
  // prefix once: the 340 DXCC entities, the WAE-only ones left out.
  void format() {
    QVERIFY(installStarterPrefixTable(table()).ok());
    const QByteArray bytes = readFile(table());
    QVERIFY(bytes.endsWith("\r\n"));
    QVERIFY(!bytes.contains("\r\n\r\n"));
    // Windows-1252: printable characters only, none of the five codes it
    // leaves undefined.
    for (const char c : bytes) {
      const auto b = static_cast<unsigned char>(c);
      QVERIFY2(b == '\r' || b == '\n' || (b >= 0x20 && b != 0x7f), QByteArray::number(b).constData());
      QVERIFY(b != 0x81 && b != 0x8d && b != 0x8f && b != 0x90 && b != 0x9d);
    }
    const QList<QByteArray> lines = bytes.chopped(1).split('\n');
    QCOMPARE(lines.size(), 340);
    static const QRegularExpression entry(QStringLiteral("^[^;\\r\\n\\s][^;\\r\\n]*;[^;\\r\\n\\s][^;\\r\\n]*;\\r$"));
    QSet<QByteArray> prefixes;
    for (const QByteArray& line : lines) {
      QVERIFY2(entry.match(QString::fromLatin1(line)).hasMatch(), line.constData());
      prefixes.insert(line.left(line.indexOf(';')));
    }
    QCOMPARE(prefixes.size(), lines.size());
  }

  void castleCountries_data() {
    QTest::addColumn<QByteArray>("prefix");
    QTest::addColumn<QByteArray>("country");
    QTest::newRow("F") << QByteArray("F") << QByteArray("France");
    QTest::newRow("OM") << QByteArray("OM") << QByteArray("Slovak Republic");
    // WAE-only entities are no DXCC entities; small letters are no prefix.
    QTest::newRow("IT9") << QByteArray("IT9") << QByteArray();
    QTest::newRow("f") << QByteArray("f") << QByteArray();
  }
  // Looked up as the prefixes window does, in the installed file.
  void castleCountries() {
    QFETCH(QByteArray, prefix);
    QFETCH(QByteArray, country);
    QVERIFY(installStarterPrefixTable(table()).ok());
    QCOMPARE(lookupCountryName(table(), prefix).value_or(QByteArray()), country);
  }
};

QTEST_GUILESS_MAIN(StarterPrefixesTest)
#include "test_starter_prefixes.moc"
