// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The real message boxes: title, no icon, the buttons in the interface
// language, and Enter answering Yes to a question.
#include "platform/desktop_platform.h"
#include "platform/toolkit_translation.h"

#include <QTest>
#include <QtWidgets>

using namespace ktl;

namespace {
// Once a box is up: its title, icon and buttons as "title|icon|Yes/No",
// then `key` is pressed in it.
void whenUp(Qt::Key key, QString* seen) {
  QTimer::singleShot(0, [=] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    QStringList buttons;
    for (QAbstractButton* b : box->buttons()) buttons << b->text().remove(QLatin1Char('&'));
    buttons.sort(Qt::CaseInsensitive);
    *seen = box->windowTitle() + '|' + QString::number(box->icon()) + '|' + buttons.join(u'/');
    QTest::keyClick(box, key);
  });
}
}  // namespace

class DesktopBoxesTest : public QObject {
  Q_OBJECT
  QTemporaryDir data_;

 private slots:
  void initTestCase() { qputenv("KTL_DATA_DIR", QFile::encodeName(data_.path())); }

  void questionAnswersYesOnEnterInTheLanguage() {
    DesktopPlatform platform;
    QString seen;
    whenUp(Qt::Key_Return, &seen);
    QVERIFY(platform.question(nullptr, "Voulez vous Supprimer ce QSO ?"));
    QCOMPARE(seen, "ORB_KTL|0|No/Yes");
    whenUp(Qt::Key_Return, &seen);
    platform.message(nullptr, "Entrez un indicatif");
    QCOMPARE(seen, "ORB_KTL|0|OK");
    // The buttons in the interface language; Escape answers No.
    ToolkitTranslation translation;
    for (auto [language, buttons] : {std::pair{Language::French, "Non/Oui"}, {Language::German, "Ja/Nein"}}) {
      translation.use(language);
      whenUp(Qt::Key_Escape, &seen);
      QVERIFY(!platform.question(nullptr, "?"));
      QCOMPARE(seen.section(u'|', 2), QString::fromUtf8(buttons));
    }
  }
};

QTEST_MAIN(DesktopBoxesTest)
#include "test_desktop_boxes.moc"
