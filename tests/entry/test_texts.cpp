// Texts of the entry and station windows: language values, message
// coverage, texts that are easy to spoil, caption tables, list header.
#include <QSet>
#include <QTest>

#include "entry/texts.h"

using ktl::Language;
using ktl::Msg;

namespace {
const Language kLanguages[] = {Language::French, Language::English, Language::Italian};

QString captionOf(std::span<const ktl::CaptionRow> rows, const char* control, Language language) {
  for (const auto& row : rows)
    if (qstrcmp(row.control, control) == 0) return ktl::captionText(row, language);
  return QStringLiteral("<no row %1>").arg(control);
}
}  // namespace

class TestTexts : public QObject {
  Q_OBJECT

 private slots:
  void languageSetting() {
    for (Language language : kLanguages)
      QCOMPARE(ktl::languageFromSetting(ktl::settingFromLanguage(language)), language);
    QCOMPARE(ktl::settingFromLanguage(Language::English), QStringLiteral("Anglais"));
    for (const char* value : {"anglais", "Français", "Italien ", "English", ""})
      QCOMPARE(ktl::languageFromSetting(QString::fromUtf8(value)), Language::Other);
  }

  void everyMessageInEveryLanguage() {
    for (int i = 0; i < ktl::kMsgCount; ++i) {
      for (Language language : kLanguages) {
        const auto text = ktl::message(Msg(i), language);
        QVERIFY2(text && !text->trimmed().isEmpty(), qPrintable(QString::number(i)));
      }
      QVERIFY(!ktl::message(Msg(i), Language::Other));
    }
  }

  // Blanks at either end, accents (a wrongly decoded source gives "Ã©"),
  // and the two readability messages that differ by one blank.
  void exactTexts() {
    using L = Language;
    QCOMPARE(*ktl::message(Msg::TimeEmpty, L::English), " Enter the time");
    QCOMPARE(*ktl::message(Msg::SaveQuestion, L::English), "You want to save the data? ");
    QCOMPARE(*ktl::message(Msg::SaveQuestion, L::French), QString::fromUtf8("Voulez vous enregistrer ces donn\u00e9es ?"));
    QCOMPARE(*ktl::alreadyContactedMessage("07/03/16", L::French),
             QString::fromUtf8("Chateau deja contact\u00e9 le 07/03/16"));
    QCOMPARE(*ktl::message(Msg::RstReceivedReadability, L::French), "R de(RST)doit etre compris entre 0 et 5");
    QCOMPARE(*ktl::message(Msg::RstSentReadability, L::French), "R (de RST)doit etre compris entre 0 et 5");
    QCOMPARE(*ktl::message(Msg::StationBadCharacter, L::French),
             "L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' ");
    QVERIFY(ktl::message(Msg::TimeFormat, L::English)->contains("HH:MM"));
    QCOMPARE(captionOf(ktl::mainCaptions(), "Label2", L::French), "Indicatif de la station  :  ");
    QCOMPARE(captionOf(ktl::mainCaptions(), "Mnu_Aff_Prefixes", L::French),
             QString::fromUtf8("des pr\u00e9fixes contact\u00e9s"));
    QVERIFY(captionOf(ktl::mainCaptions(), "Mnu_Quitter", L::Italian).contains("ORB_KTL"));
    QCOMPARE(captionOf(ktl::stationCaptions(), "Station", L::French), "Selection Indicaif");
    QCOMPARE(captionOf(ktl::stationCaptions(), "Label5", L::Italian),
             QString::fromUtf8("!!! In entra la '/' \u00e8 sostituita da '_'"));
    QCOMPARE(ktl::dateEntryCaption(false, L::French), QString::fromUtf8("en Differ\u00e9"));
  }

  void firstUseLineBreaks() {
    for (Language language : kLanguages) {
      const QString text = *ktl::message(Msg::FirstUse, language);
      QCOMPARE(*ktl::firstUseAtStartup(language), "\r\n" + text + "\r\n");
      QCOMPARE(*ktl::firstUseOnKey(language), "\r\n" + text + (language == Language::English ? "" : "\r\n"));
    }
    QVERIFY(!ktl::firstUseAtStartup(Language::Other) && !ktl::firstUseOnKey(Language::Other));
  }

  // Three texts per row, no control twice, only the list carries a tooltip,
  // and the function-served captions stay out of the table.
  void captionTables() {
    for (auto rows : {ktl::mainCaptions(), ktl::stationCaptions()}) {
      QSet<QString> seen;
      for (const auto& row : rows) {
        QVERIFY2(!seen.contains(row.control), row.control);
        seen.insert(row.control);
        for (Language language : kLanguages) QVERIFY2(!ktl::captionText(row, language).isEmpty(), row.control);
        QVERIFY(ktl::captionText(row, Language::Other).isNull());
        QCOMPARE(row.tooltip, qstrcmp(row.control, "Liste_KTL") == 0);
      }
    }
    QCOMPARE(ktl::mainCaptions().size(), std::size_t(35));
    QCOMPARE(ktl::stationCaptions().size(), std::size_t(5));
    QVERIFY(captionOf(ktl::mainCaptions(), "Label7", Language::French).startsWith("<no row"));
  }

  void entryStateCaption() {
    using ktl::EntryState;
    using Source = ktl::StateCaptionSource;
    QCOMPARE(ktl::entryStateCaption(EntryState::New, Language::English), "Enter QSO");
    QCOMPARE(ktl::entryStateCaption(EntryState::New, Language::English, Source::LanguageSwitch), "Entering QSO");
    QCOMPARE(ktl::entryStateCaption(EntryState::New, Language::Italian, Source::LanguageSwitch), "Aggiunta QSO");
    QCOMPARE(ktl::entryStateCaption(EntryState::Change, Language::Italian, Source::LanguageSwitch), "Modifica QSO");
    QCOMPARE(ktl::entryStateCaption(EntryState::Insert, Language::English), "insert QSO");
    QVERIFY(ktl::entryStateCaption(EntryState::New, Language::Other).isNull());
  }

  void listHeader_data() {
    QTest::addColumn<Language>("language");
    QTest::addColumn<int>("length");
    QTest::addColumn<QList<int>>("columns");  // 1-based start of each word group below
    QTest::addColumn<QStringList>("words");
    const QString number = QString::fromUtf8("N\u00b0");
    QTest::newRow("French") << Language::French << 182 << QList{6, 11, 40, 52, 62, 67, 74, 81, 86, 109, 180}
                            << QStringList{number, "Indicatif", "Ref", "Date", "QTR", "Mode", "QRG", "RstR",
                                           "RstE", "Mom du Chateau", "QSL"};
    QTest::newRow("English") << Language::English << 185 << QList{6, 11, 40, 52, 62, 67, 74, 81, 86, 109, 183}
                             << QStringList{number, "Callsign", "Ref", "Date", "QTR", "Mode", "QRG", "RstR",
                                            "RstE", "Castel name", "QSL"};
    QTest::newRow("Italian") << Language::Italian << 178 << QList{6, 11, 36, 48, 58, 63, 70, 77, 82, 105, 176}
                             << QStringList{number, "Nominativo", "Ref", "Data", "QTR", "Modo", "QRG", "RstR",
                                            "RstE", "Nome del Castello", "QSL"};
  }
  // The line rebuilt from its words at their columns, blanks elsewhere, must
  // equal the header whole: a blank lost or gained anywhere fails.
  void listHeader() {
    QFETCH(Language, language);
    QFETCH(int, length);
    QFETCH(QList<int>, columns);
    QFETCH(QStringList, words);
    QString expected(length, u' ');
    for (qsizetype i = 0; i < words.size(); ++i) expected.replace(columns[i] - 1, words[i].size(), words[i]);
    QCOMPARE(ktl::listHeader(language).size(), length);
    QCOMPARE(ktl::listHeader(language), expected);
  }
};

QTEST_APPLESS_MAIN(TestTexts)
#include "test_texts.moc"
