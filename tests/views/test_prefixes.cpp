// The contacted-prefix list with the countries of the prefix table, and the
// editor that adds, changes and deletes the table's entries.
#include "station_fixture.h"
#include "views/prefix_editor_window.h"
#include "views/prefixes_window.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>

using namespace ktl;

namespace {

const QByteArray kLog = crlf({logLine("OK1ABC", "OK", "08815", "08/03/16", "10:00"),
                              logLine("F1ABC", "F", "01051", "09/03/16", "10:00"),
                              logLine("OK2ZZ", "OK", "00001", "10/03/16", "10:00"),
                              logLine("DL1AA", "DL", "00002", "11/03/16", "10:00")});

struct Table : StationFixture {
  explicit Table(const QByteArray& table, const QString& language = QStringLiteral("Francais"),
                 const QByteArray& log = kLog)
      : StationFixture(log, language) {
    if (!table.isNull()) write(table);
  }
  QString path() const { return p.dataDir() + QStringLiteral("/Liste_DXCC.csv"); }
  void write(const QByteArray& bytes) const {
    QFile f(path());
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
  }
  QByteArray read() const {
    QFile f(path());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
  }
};

struct Editor : Table {
  using Table::Table;
  PrefixEditorWindow* open() {
    c<QAction>("Mnu_Edit_Pays")->trigger();
    win = w.findChild<PrefixEditorWindow*>();
    return win;
  }
  template <typename T = QWidget>
  T* in(const char* name) const { return win->findChild<T*>(QString::fromLatin1(name)); }
  QLineEdit* prefix() const { return in<QLineEdit>("Ref_E"); }
  QLineEdit* country() const { return in<QLineEdit>("Pays_E"); }
  QPushButton* record() const { return in<QPushButton>("Enregistre"); }
  // A mode button, the prefix typed and Enter, the country (if any) typed
  // and Enter, then Enregistre.
  void run(const char* mode, const QString& prefixKeys, const QString& countryText) {
    in<QPushButton>(mode)->click();
    QTest::keyClicks(prefix(), prefixKeys);
    QTest::keyClick(prefix(), Qt::Key_Return);
    if (!countryText.isNull()) {
      QTest::keyClicks(country(), countryText);
      QTest::keyClick(country(), Qt::Key_Return);
    }
    QCOMPARE(win->focusWidget(), record());
    record()->click();
  }
  // Enabled state of Ref_E, Pays_E and Enregistre.
  QString enabled() const {
    QString out;
    for (QWidget* x : std::initializer_list<QWidget*>{prefix(), country(), record()}) out += x->isEnabled() ? '1' : '0';
    return out;
  }
  PrefixEditorWindow* win = nullptr;
};

}  // namespace

class PrefixesTest : public QObject {
  Q_OBJECT
 private slots:
  void list_data() {
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<QByteArray>("log");
    QTest::addColumn<QStringList>("rows");
    // OK twice in the table: the first country; G never worked: not listed;
    // the DL lines lack their second ";": skipped, so DL has no country.
    QTest::newRow("table")
        << QByteArray("OK;Czech Republic;\r\nG;England;\r\nDL;Germany\r\nDL\r\n\r\nF;M\xe9tropole;x\r\nOK;Tchequie;\r\n")
        << kLog << QStringList{"  DL   ", "   F   Métropole", "  OK   Czech Republic"};
    QTest::newRow("no table") << QByteArray() << kLog << QStringList{"  DL   ", "   F   ", "  OK   "};
  }
  void list() {
    QFETCH(QByteArray, table);
    QFETCH(QByteArray, log);
    QFETCH(QStringList, rows);
    Table s(table, QStringLiteral("Francais"), log);
    s.c<QAction>("Mnu_Aff_Prefixes")->trigger();
    auto* win = s.w.findChild<ContactedPrefixesWindow*>();
    QAbstractItemModel* m = win->findChild<QListView*>(QStringLiteral("L_PrefX"))->model();
    QStringList shown;
    for (int i = 0; i < m->rowCount(); ++i) shown << m->index(i, 0).data().toString();
    QCOMPARE(shown, rows);
    QVERIFY(s.p.messages.isEmpty());
  }

  // Typed small letters become capitals, the country keeps its case; an
  // entry already there gets a second line; afterwards both fields are
  // emptied and locked until a mode is chosen again.
  void add() {
    Editor s("EA;Espagne;\r\n");
    s.open();
    QCOMPARE(s.enabled(), QStringLiteral("000"));
    s.run("Ajou", QStringLiteral("ea"), QStringLiteral("Spain del Sol"));
    QCOMPARE(s.read(), QByteArray("EA;Espagne;\r\nEA;Spain del Sol;\r\n"));
    QCOMPARE(s.enabled(), QStringLiteral("000"));
    QVERIFY(s.prefix()->text().isEmpty() && s.country()->text().isEmpty());
    QCOMPARE(s.win->focusWidget(), s.in<QPushButton>("Ajou"));
  }

  void changesEveryLine_data() {
    QTest::addColumn<QByteArray>("mode");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QByteArray>("table");
    QTest::newRow("edit") << QByteArray("Edit") << QString::fromUtf8("España")
                          << QByteArray("EA;Espa\xf1" "a;\r\nF;France;\r\nEA;Espa\xf1" "a;\r\nEAX;Other;\r\n");
    QTest::newRow("delete") << QByteArray("Supp") << QString() << QByteArray("F;France;\r\nEAX;Other;\r\n");
  }
  // Edit shows the first line's country and rewrites every line of the
  // prefix; delete, answered Yes, leaves out every one.
  void changesEveryLine() {
    QFETCH(QByteArray, mode);
    QFETCH(QString, country);
    QFETCH(QByteArray, table);
    Editor s("EA;Espagne;\r\nF;France;\r\nEA;Spain;\r\nEAX;Other;\r\n");
    s.open();
    s.p.answers = {true};
    s.in<QPushButton>(mode)->click();
    QTest::keyClicks(s.prefix(), QStringLiteral("EA"));
    QTest::keyClick(s.prefix(), Qt::Key_Return);
    QCOMPARE(s.country()->text(), QStringLiteral("Espagne"));
    if (!country.isNull()) {
      s.country()->setText(country);
      QTest::keyClick(s.country(), Qt::Key_Return);
    }
    s.record()->click();
    QCOMPARE(s.read(), table);
    QCOMPARE(s.p.questions, mode == "Supp" ? QStringList{"Effacerla référence ?"} : QStringList{});
  }

  void refusals_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("message");
    QTest::newRow("HB9") << "Anglais" << "hb9" << "" << "2 characters max for the reference ex: EA";
    QTest::newRow("no country") << "Italien" << "I" << "" << "Entrare in un paese";
    QTest::newRow("semicolon") << "Francais" << "I" << "Italie;Rome"
                               << "Le point-virgule ; ne peut pas figurer dans la liste des pays";
  }
  // A refused field keeps its text and the focus; nothing is written.
  void refusals() {
    QFETCH(QString, language);
    QFETCH(QString, prefix);
    QFETCH(QString, country);
    QFETCH(QString, message);
    Editor s(QByteArray(), language);
    s.open();
    s.in<QPushButton>("Ajou")->click();
    QTest::keyClicks(s.prefix(), prefix);
    QTest::keyClick(s.prefix(), Qt::Key_Return);
    QLineEdit* field = s.prefix();
    if (s.country()->isEnabled()) {
      field = s.country();
      QTest::keyClicks(field, country);
      QTest::keyClick(field, Qt::Key_Return);
    }
    QCOMPARE(s.p.messages, QStringList{message});
    QCOMPARE(s.win->focusWidget(), field);
    QCOMPARE(field->text(), field == s.prefix() ? prefix.toUpper() : country);
    QVERIFY(!s.record()->isEnabled());
    QCOMPARE(s.read(), QByteArray("<missing>"));
  }

  // A table that cannot be written is reported with its path; the operator
  // keeps the fields to try again.
  void unwritableTable() {
    Editor s{QByteArray()};
    QVERIFY(QDir().mkpath(s.path()));  // a folder where the table should be
    s.open();
    s.run("Ajou", QStringLiteral("EA"), QStringLiteral("Espagne"));
    QVERIFY(s.p.messages.value(0).contains(s.path()));
    QCOMPARE(s.prefix()->text(), QStringLiteral("EA"));
  }
};

QTEST_MAIN(PrefixesTest)
#include "test_prefixes.moc"
