// The real message boxes: title, no icon, the buttons in the interface
// language, and Enter answering Yes to a question.
#include "platform/desktop_platform.h"
#include "platform/toolkit_translation.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace ktl;

class DesktopBoxesTest : public QObject {
  Q_OBJECT
  // Looks at the box once it is up, then presses `key` in it.
  static void whenUp(Qt::Key key, QMessageBox** seen, QString* title, QMessageBox::Icon* icon, int* buttons) {
    QTimer::singleShot(0, [=] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      *seen = box;
      if (!box) return;
      *title = box->windowTitle();
      *icon = box->icon();
      *buttons = box->buttons().size();
      QTest::keyClick(box, key);
    });
  }

 private slots:
  void questionAnswersYesOnEnter() {
    QTemporaryDir data;
    qputenv("KTL_DATA_DIR", QFile::encodeName(data.path()));
    DesktopPlatform platform;
    QMessageBox* box = nullptr;
    QString title;
    QMessageBox::Icon icon = QMessageBox::Warning;
    int buttons = 0;
    whenUp(Qt::Key_Return, &box, &title, &icon, &buttons);
    QVERIFY(platform.question(nullptr, QStringLiteral("Voulez vous Supprimer ce QSO ?")));
    QVERIFY(box);
    QCOMPARE(title, QStringLiteral("ORB_KTL"));
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(buttons, 2);
    whenUp(Qt::Key_Escape, &box, &title, &icon, &buttons);
    QVERIFY(!platform.question(nullptr, QStringLiteral("?")));
    icon = QMessageBox::Warning;
    title.clear();
    whenUp(Qt::Key_Return, &box, &title, &icon, &buttons);
    platform.message(nullptr, QStringLiteral("Entrez un indicatif"));
    QCOMPARE(buttons, 1);
    QCOMPARE(icon, QMessageBox::NoIcon);
    QCOMPARE(title, QStringLiteral("ORB_KTL"));
  }

  void questionButtonsInTheInterfaceLanguage() {
    QTemporaryDir data;
    qputenv("KTL_DATA_DIR", QFile::encodeName(data.path()));
    DesktopPlatform platform;
    ToolkitTranslation translation;
    const auto buttons = [&](Language language) {
      translation.use(language);
      QString texts;
      QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
          texts = box->button(QMessageBox::Yes)->text() + '/' + box->button(QMessageBox::No)->text();
          box->reject();
        }
      });
      platform.question(nullptr, QStringLiteral("?"));
      return texts.remove(QLatin1Char('&'));
    };
    QCOMPARE(buttons(Language::French), QStringLiteral("Oui/Non"));
    QCOMPARE(buttons(Language::Italian), QStringLiteral("Sì/No"));
    QCOMPARE(buttons(Language::English), QStringLiteral("Yes/No"));
  }
};

QTEST_MAIN(DesktopBoxesTest)
#include "test_desktop_boxes.moc"
