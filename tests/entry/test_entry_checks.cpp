// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Checks behind the Enter key of the entry fields, and the messages an
// unknown language still shows.
#include <QTest>

#include <set>

#include "entry/entry_checks.h"
#include "platform/keyboard.h"
#include "texts/texts.h"

namespace ktl {
// Readable failures: a message shows as its French text.
char* toString(const std::optional<Msg>& msg) {
  return qstrdup(msg ? qPrintable(*message(*msg, Language::French)) : "no message");
}
}  // namespace ktl

using namespace ktl;
using OptMsg = std::optional<Msg>;

class TestEntryChecks : public QObject {
  Q_OBJECT

 private slots:
  // Upper bounds only, no calendar; only ASCII digits count (other digits
  // would pass a digitValue()-based check).
  void format_data() {
    QTest::addColumn<bool>("isDate");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    for (const char* date : {"31/12/99", "31/02/16", "00/00/00"}) QTest::newRow(date) << true << date << true;
    for (const char* date : {"32/01/16", "00/13/16", "7/3/16", "07/03/2016", "07/03/1O", "٠٧/03/16"})
      QTest::newRow(date) << true << QString::fromUtf8(date) << false;
    for (const char* time : {"23:59", "00:00"}) QTest::newRow(time) << false << time << true;
    for (const char* time : {"24:00", "12:60", "8:35", "08:355", "０8:35"})
      QTest::newRow(time) << false << QString::fromUtf8(time) << false;
  }
  void format() {
    QFETCH(bool, isDate);
    QFETCH(QString, text);
    QTEST(isDate ? ktl::verifDate(text) : ktl::verifHeure(text), "valid");
  }

  // Empty first, then the length in characters at the limit and one past it,
  // then the format; of a report only the first character (R) is checked.
  void field_data() {
    QTest::addColumn<EntryField>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<OptMsg>("expected");
    const auto row = [](const char* name, EntryField field, const QString& text, OptMsg expected = {}) {
      QTest::newRow(name) << field << text << expected;
    };
    row("call 12, wide characters", EntryField::Ind_A, QString::fromUtf8("😀").repeated(12));
    row("call 13", EntryField::Ind_A, "OK1ABC/P/MMMM", Msg::CallsignTooLong);
    row("name 60 accented", EntryField::Rem_A, QString(60, QChar(0xE9)));
    row("name 61", EntryField::Rem_A, QString(61, u'X'), Msg::CastleNameTooLong);
    row("rst 5NN", EntryField::RST_A, "5NN");
    row("rst received 699", EntryField::RST_A, "699", Msg::RstReceivedReadability);
    row("rst sent A9", EntryField::RST_B, "A9", Msg::RstSentReadability);
    row("rst 0999", EntryField::RST_B, "0999", Msg::ReportTooLong);
  }
  void field() {
    QFETCH(EntryField, field);
    QFETCH(QString, text);
    QTEST(ktl::checkField(field, text), "expected");
  }

  // An unknown language silences every message but the import's French
  // notices and the file failures, which must never go unseen.
  void unknownLanguageSilence() {
    const std::set<Msg> shown = {Msg::NoticeCallsign, Msg::NoticeDate, Msg::NoticeTime, Msg::NoticeBand,
                                 Msg::FileReadFailed, Msg::FileWriteFailed};
    for (int i = 0; i < ktl::kMsgCount; ++i)
      QCOMPARE(ktl::message(Msg(i), Language::Other).has_value(), shown.count(Msg(i)) == 1);
    QCOMPARE(*ktl::message(Msg::NoticeDate, Language::English), "Date absente, remplac\u00e9e par 01/01/2000");
  }
};

QTEST_APPLESS_MAIN(TestEntryChecks)
#include "test_entry_checks.moc"
