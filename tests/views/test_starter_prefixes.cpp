// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The starter prefix table a new operator gets: written once into a data
// folder that has no table, never over one that is there, and a table the
// lookup reads: every line "prefix;country;" CR LF, the usual castle
// countries under their DXCC prefixes.
#include "test_files.h"
#include "views/prefix_table.h"

#include <QtTest>

using namespace ktl;

class StarterPrefixesTest : public QObject {
  Q_OBJECT

 private:
  std::optional<QTemporaryDir> dir_;  // a new folder for each test
  QString table() const { return dir_->filePath(QStringLiteral("Liste_DXCC.csv")); }

 private slots:
  void init() { QVERIFY(dir_.emplace().isValid()); }

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
    const QString target = dir_->filePath(QStringLiteral("elsewhere.csv"));
    if (bytes == "link") QVERIFY(QFile::link(target, table()));
    else if (!bytes.isNull()) QVERIFY(writeFile(table(), bytes));
    QVERIFY(installStarterPrefixTable(table()).ok());
    if (bytes == "link") {
      QVERIFY(!QFile::exists(target));
    } else if (bytes.isNull()) {
      QCOMPARE(readFile(table()), readFile(QStringLiteral(KTL_STARTER_TABLE_FILE)));
      QCOMPARE(QDir(dir_->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
               QStringList{QStringLiteral("Liste_DXCC.csv")});
    } else {
      QCOMPARE(readFile(table()), bytes);
    }
  }

  // Every line is "prefix;country;" ended by CR LF, in Windows-1252, each
  // prefix once: the 340 DXCC entities, the WAE-only ones left out.
  void format() {
    QVERIFY(installStarterPrefixTable(table()).ok());
    const QList<QByteArray> lines = readFile(table()).chopped(1).split('\n');
    QCOMPARE(lines.size(), 340);
    // Windows-1252 text: no controls, none of the five codes it leaves
    // undefined; no blank at a field's start, no empty line.
    static const QString field = QStringLiteral("(?!\\s)[^;\\x00-\\x1f\\x7f\\x81\\x8d\\x8f\\x90\\x9d]+;");
    static const QRegularExpression entry("^" + field + field + "\\r$");
    QSet<QByteArray> prefixes;
    for (const QByteArray& line : lines) {
      QVERIFY2(entry.match(QString::fromLatin1(line)).hasMatch(), line.constData());
      prefixes.insert(line.left(line.indexOf(';')));
    }
    QCOMPARE(prefixes.size(), lines.size());
  }

  // Looked up as the prefixes window does, in the installed file. WAE-only
  // entities are no DXCC entities; small letters are no prefix.
  void castleCountries() {
    QVERIFY(installStarterPrefixTable(table()).ok());
    for (auto [prefix, country] : {std::pair{"F", "France"}, {"IT9", ""}, {"f", ""}})
      QCOMPARE(lookupCountryName(table(), prefix).value_or(QByteArray()), QByteArray(country));
  }
};

QTEST_GUILESS_MAIN(StarterPrefixesTest)
#include "test_starter_prefixes.moc"
