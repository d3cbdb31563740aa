// Texts of the entry and station windows: language values, texts that are
// easy to spoil, the first-use line breaks and the list header.
#include <QTest>

#include <set>

#include "texts/texts.h"

using ktl::Language;
using ktl::Msg;

namespace {
const Language kLanguages[] = {Language::French, Language::English, Language::Italian};

QString captionOf(std::span<const ktl::CaptionRow> rows, const char* control, Language language) {
  for (const auto& row : rows)
    if (qstrcmp(row.control, control) == 0) return ktl::captionText(row, language);
  return {};
}
}  // namespace

class TestTexts : public QObject {
  Q_OBJECT

 private slots:
  void languageSetting() {
    for (Language language : kLanguages)
      QCOMPARE(ktl::languageFromSetting(ktl::settingFromLanguage(language)), language);
    QCOMPARE(ktl::settingFromLanguage(Language::English), QStringLiteral("Anglais"));
    for (const char* value : {"anglais", "Français", "Italien ", ""})
      QCOMPARE(ktl::languageFromSetting(QString::fromUtf8(value)), Language::Other);
    // An unknown language silences every message but the import's French
    // notices and the file failures, which must never go unseen.
    const std::set<Msg> shown = {Msg::NoticeCallsign, Msg::NoticeDate, Msg::NoticeTime, Msg::NoticeBand,
                                 Msg::FileReadFailed, Msg::FileWriteFailed};
    for (int i = 0; i < ktl::kMsgCount; ++i)
      QCOMPARE(ktl::message(Msg(i), Language::Other).has_value(), shown.count(Msg(i)) == 1);
    QCOMPARE(*ktl::message(Msg::NoticeDate, Language::English), QStringLiteral("Date absente, remplac\u00e9e par 01/01/2000"));
  }

  // Blanks at either end, accents (a wrongly decoded source gives "Ã©"), the
  // two readability messages that differ by one blank, the English new-entry
  // caption that depends on who sets it.
  void exactTexts() {
    using L = Language;
    QCOMPARE(*ktl::message(Msg::TimeEmpty, L::English), " Enter the time");
    QCOMPARE(*ktl::message(Msg::SaveQuestion, L::English), "You want to save the data? ");
    QCOMPARE(*ktl::message(Msg::SaveQuestion, L::French),
             QStringLiteral("Voulez vous enregistrer ces donn\u00e9es ?"));
    QCOMPARE(*ktl::alreadyContactedMessage("07/03/16", L::French),
             QStringLiteral("Chateau deja contact\u00e9 le 07/03/16"));
    QCOMPARE(*ktl::message(Msg::RstReceivedReadability, L::French), "R de(RST)doit etre compris entre 0 et 5");
    QCOMPARE(*ktl::message(Msg::RstSentReadability, L::French), "R (de RST)doit etre compris entre 0 et 5");
    QCOMPARE(captionOf(ktl::mainCaptions(), "Label2", L::French), "Indicatif de la station  :  ");
    QCOMPARE(captionOf(ktl::stationCaptions(), "Label5", L::Italian),
             QStringLiteral("!!! In entra la '/' \u00e8 sostituita da '_'"));
    QCOMPARE(ktl::entryStateCaption(ktl::EntryState::New, L::English), "Enter QSO");
    QCOMPARE(ktl::entryStateCaption(ktl::EntryState::New, L::English, ktl::StateCaptionSource::LanguageSwitch),
             "Entering QSO");
  }

  // English shows the key variant without the trailing line break.
  void firstUseLineBreaks() {
    for (Language language : kLanguages) {
      const QString text = *ktl::message(Msg::FirstUse, language);
      QCOMPARE(*ktl::firstUseAtStartup(language), "\r\n" + text + "\r\n");
      QCOMPARE(*ktl::firstUseOnKey(language), "\r\n" + text + (language == Language::English ? "" : "\r\n"));
    }
  }

  void listHeader_data() {
    QTest::addColumn<Language>("language");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("name");  // the castle-name title, at nameColumn
    QTest::addColumn<int>("nameColumn");
    QTest::newRow("French") << Language::French << 182 << "Mom du Chateau" << 109;
    QTest::newRow("English") << Language::English << 185 << "Castel name" << 109;
    QTest::newRow("Italian") << Language::Italian << 178 << "Nome del Castello" << 105;
  }
  void listHeader() {
    QFETCH(Language, language);
    QFETCH(int, length);
    QFETCH(QString, name);
    QFETCH(int, nameColumn);
    const QString header = ktl::listHeader(language);
    QCOMPARE(header.size(), length);
    QVERIFY(header.startsWith(QStringLiteral("     N\u00b0   ")));
    QCOMPARE(header.mid(nameColumn - 2, name.size() + 2), ' ' + name + ' ');
    QVERIFY(header.endsWith(" QSL"));
  }
};

QTEST_APPLESS_MAIN(TestTexts)
#include "test_texts.moc"
