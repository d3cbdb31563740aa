// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The translation files: every text of the program has its translation in
// every language, with the same placeholders and the same blanks at its
// ends as its French source (a value or a path is put after many of them);
// and the files are those the program reads.
#include "texts/language.h"
#include "texts/texts.h"

#include <QtTest>

using namespace ktl;

namespace {

struct Message {
  QString source, id, translation;
  bool unfinished = false;
};

QStringList placeholders(const QString& text) {
  static const QRegularExpression marker(QStringLiteral("%\\d"));
  QStringList found;
  for (const auto& m : marker.globalMatch(text)) found << m.captured();
  found.sort();
  return found;
}

// Texts whose blanks at their ends are the design's own, in one language.
const QStringList kOwnBlanks = {"Msg/ListHeader", "Msg/TimeEmpty", "Msg/SaveQuestion", "Msg/StationBadCharacter",
                                 "Main/Label2", "Search/Label13", "view/CastleReportTitle"};

qsizetype leading(const QString& s) { return s.size() - QString(s).remove(QRegularExpression("^ +")).size(); }
qsizetype trailing(const QString& s) { return s.size() - QString(s).remove(QRegularExpression(" +$")).size(); }

}  // namespace

class TestTranslations : public QObject {
  Q_OBJECT
 private slots:
  // Every text translated in each language file, once, with its
  // placeholders and its end blanks.
  void everyTextInEveryLanguage_data() {
    QTest::addColumn<QString>("code");
    for (const LanguageInfo& l : languages())
      if (l.language != Language::French) QTest::newRow(l.code) << QString::fromLatin1(l.code);
  }
  void everyTextInEveryLanguage() {
    QFETCH(QString, code);
    QFile file(KTL_SOURCE_DIR "/translations/orb_ktl_" + code + ".ts");
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QList<Message> messages;
    Message read;
    while (!xml.atEnd()) {
      xml.readNext();
      if (!xml.isStartElement()) continue;
      if (xml.name() == u"message") read = {};
      if (xml.name() == u"source") read.source = xml.readElementText();
      if (xml.name() == u"comment") read.id = xml.readElementText();
      if (xml.name() == u"translation") {
        read.unfinished = xml.attributes().value(QStringLiteral("type")) == QStringLiteral("unfinished");
        read.translation = xml.readElementText();
        messages << read;
      }
    }
    QVERIFY(messages.size() > 300);
    QSet<QString> ids;
    for (const Message& m : messages) {
      const QString where = m.id + ": " + m.translation;
      QVERIFY2(!m.unfinished && !m.translation.isEmpty(), qPrintable(where));
      QVERIFY2(!ids.contains(m.id), qPrintable("twice: " + m.id));
      ids << m.id;
      QVERIFY2(placeholders(m.translation) == placeholders(m.source), qPrintable(where));
      // A value follows a text that ends in a blank.
      const bool own = kOwnBlanks.contains(m.id);
      QVERIFY2(own || trailing(m.translation) == trailing(m.source), qPrintable(where));
      QVERIFY2(own || leading(m.translation) == leading(m.source), qPrintable(where));
    }
  }

  // What the program reads is what the files hold: a text in each language,
  // and French, the source, for a text without a translation; nothing in a
  // language the program does not know.
  void theProgramReadsThem() {
    const Tx validate{"Valider le QSO", "Main/Valide_A"}, unknown{"Un texte sans traduction", "test/none"};
    QStringList read;
    for (Language l : {Language::English, Language::Italian, Language::German, Language::Other})
      read << pick(validate, l) + '/' + pick(unknown, l);
    QCOMPARE(read.join(u'|'), "Validate QSO/Un texte sans traduction|Convalida QSO/Un texte sans traduction|"
                              "QSO übernehmen/Un texte sans traduction|/");
  }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "test_translations.moc"
