// Checks behind the Enter key of the entry fields.
#include <QTest>

#include "entry/entry_checks.h"

namespace ktl {
// Readable failures: a message shows as its French text.
char* toString(const std::optional<Msg>& msg) {
  return qstrdup(msg ? qPrintable(*message(*msg, Language::French)) : "no message");
}
}  // namespace ktl

using ktl::EntryField;
using ktl::Msg;
using OptMsg = std::optional<Msg>;

namespace {
void fieldRow(const char* name, EntryField field, const QString& text, OptMsg expected = {}) {
  QTest::newRow(name) << field << text << expected;
}
}  // namespace

class TestEntryChecks : public QObject {
  Q_OBJECT

 private slots:
  // No lower bounds and no calendar; only ASCII digits count (other digits
  // would pass a digitValue()-based check).
  void format_data() {
    QTest::addColumn<bool>("isDate");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    const std::pair<const char*, bool> dates[] = {
        {"07/03/16", true},  {"31/02/16", true},   {"00/00/00", true},   {"31/12/99", true},
        {"7/3/16", false},   {"07-03-16", false},  {"07/03/2016", false}, {"32/01/16", false},
        {"00/13/16", false}, {" 7/03/16", false},  {"07/03/1O", false},  {"٠٧/03/16", false}};
    const std::pair<const char*, bool> times[] = {
        {"08:35", true}, {"23:59", true}, {"00:00", true},  {"24:00", false},  {"12:60", false},
        {"8:35", false}, {"0835", false}, {"08:355", false}, {"08.35", false}, {"０8:35", false}};
    for (const auto& [text, valid] : dates) QTest::newRow(text) << true << QString::fromUtf8(text) << valid;
    for (const auto& [text, valid] : times) QTest::newRow(text) << false << QString::fromUtf8(text) << valid;
  }
  void format() {
    QFETCH(bool, isDate);
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QCOMPARE(isDate ? ktl::verifDate(text) : ktl::verifHeure(text), valid);
  }

  void field_data() {
    QTest::addColumn<EntryField>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<OptMsg>("expected");
    // Empty, at the limit and one past it.
    fieldRow("call empty", EntryField::Ind_A, "", Msg::CallsignEmpty);
    fieldRow("call 12", EntryField::Ind_A, "OK1ABC/P/MMM");
    fieldRow("call 13", EntryField::Ind_A, "OK1ABC/P/MMMM", Msg::CallsignTooLong);
    fieldRow("prefix empty", EntryField::Type_A, "", Msg::PrefixEmpty);
    fieldRow("prefix 5", EntryField::Type_A, "DL/PX", Msg::PrefixTooLong);
    fieldRow("ref 6", EntryField::Ref_A, "010510", Msg::ReferenceTooLong);
    fieldRow("mode 7", EntryField::Mode_A, "OLIVIA8", Msg::ModeTooLong);
    fieldRow("band empty", EntryField::Bande_A, "", Msg::BandEmpty);
    fieldRow("band 8", EntryField::Bande_A, "1296 Mhz", Msg::BandTooLong);
    fieldRow("name may be empty", EntryField::Rem_A, "");
    fieldRow("name 60 accented", EntryField::Rem_A, QString(60, QChar(0xE9)));
    fieldRow("name 61", EntryField::Rem_A, QString(61, u'X'), Msg::CastleNameTooLong);
    // A character outside the 16-bit range takes one column, not two.
    fieldRow("call 12 wide", EntryField::Ind_A, QString::fromUtf8("😀").repeated(12));
    // Date and time: empty, then the format.
    fieldRow("date empty", EntryField::Date_A, "", Msg::DateEmpty);
    fieldRow("date bad", EntryField::Date_A, "07/03/2016", Msg::DateFormat);
    fieldRow("time empty", EntryField::Heure_A, "", Msg::TimeEmpty);
    fieldRow("time bad", EntryField::Heure_A, "24:00", Msg::TimeFormat);
    // Reports: length before readability, and only the first character is R.
    fieldRow("rst 5NN", EntryField::RST_A, "5NN");
    fieldRow("rst 0", EntryField::RST_B, "0");
    fieldRow("rst received 699", EntryField::RST_A, "699", Msg::RstReceivedReadability);
    fieldRow("rst received A9", EntryField::RST_A, "A9", Msg::RstReceivedReadability);
    fieldRow("rst sent 699", EntryField::RST_B, "699", Msg::RstSentReadability);
    fieldRow("rst 6999", EntryField::RST_A, "6999", Msg::ReportTooLong);
  }
  void field() {
    QFETCH(EntryField, field);
    QFETCH(QString, text);
    QFETCH(OptMsg, expected);
    QCOMPARE(ktl::checkField(field, text), expected);
  }

  // Only a-z change; the neighbours of the range and accented letters do not.
  void upperTyped() {
    QCOMPARE(ktl::upperTyped(u'a'), QChar(u'A'));
    QCOMPARE(ktl::upperTyped(u'z'), QChar(u'Z'));
    for (char16_t c : {u'`', u'{', u'Q', u'/', u'7', u'\u00e9', u'\u00df'})
      QCOMPARE(ktl::upperTyped(c), QChar(c));
  }
};

QTEST_APPLESS_MAIN(TestEntryChecks)
#include "test_entry_checks.moc"
