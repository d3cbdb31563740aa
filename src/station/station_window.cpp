#include "station/station_window.h"

#include "entry/entry_checks.h"
#include "entry/main_window.h"
#include "entry/texts.h"
#include "platform/window_services.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace ktl {

StationWindow::StationWindow(MainWindow& main) : QDialog(&main), main_(main) {
  setObjectName(QStringLiteral("Station"));
  const Language lang = main.language();
  const auto caption = [lang](const char* control) {
    for (const CaptionRow& row : stationCaptions())
      if (qstrcmp(row.control, control) == 0) return captionText(row, lang);
    return QString();
  };
  setWindowTitle(caption("Station"));
  auto* layout = new QVBoxLayout(this);
  Label2 = new QLabel(caption("Label2"));
  Label2->setObjectName(QStringLiteral("Label2"));
  QFont big = Label2->font();
  big.setBold(true);
  big.setPointSize(big.pointSize() + 2);
  Label2->setFont(big);
  Label3 = new QLabel(caption("Label3"));
  Label3->setObjectName(QStringLiteral("Label3"));
  New_Indicatif = new QLineEdit;
  New_Indicatif->setObjectName(QStringLiteral("New_Indicatif"));
  New_Indicatif->setAccessibleName(Label3->text());
  Label3->setBuddy(New_Indicatif);
  QPalette p = New_Indicatif->palette();
  p.setColor(QPalette::Base, QColor(192, 255, 192));
  New_Indicatif->setPalette(p);
  QFont bold = New_Indicatif->font();
  bold.setBold(true);
  bold.setPointSize(12);
  New_Indicatif->setFont(bold);
  Label5 = new QLabel(caption("Label5"));
  Label5->setObjectName(QStringLiteral("Label5"));
  Label5->setStyleSheet(QStringLiteral("color: rgb(255,0,0);"));
  Validation = new QPushButton(caption("Validation"));
  Validation->setObjectName(QStringLiteral("Validation"));
  Validation->setAutoDefault(false);
  for (QWidget* w : {static_cast<QWidget*>(Label2), static_cast<QWidget*>(Label3),
                     static_cast<QWidget*>(New_Indicatif), static_cast<QWidget*>(Label5),
                     static_cast<QWidget*>(Validation)})
    layout->addWidget(w);
  New_Indicatif->installEventFilter(this);
  connect(Validation, &QPushButton::clicked, this, &StationWindow::confirm);
  New_Indicatif->setFocus();
}

void StationWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  centreOnScreen(this);
}

void StationWindow::showModal(MainWindow& main) {
  StationWindow w(main);
  w.exec();
}

StationWindow* StationWindow::showModeless(MainWindow& main) {
  static QPointer<StationWindow> open;
  return showOnce(open, [&main] { return new StationWindow(main); });
}

bool StationWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched != New_Indicatif || event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
    QPalette p = New_Indicatif->palette();
    p.setColor(QPalette::Base, Qt::white);
    New_Indicatif->setPalette(p);
    Validation->setFocus();
    return true;
  }
  // A typed "/" becomes "_", so the callsign can name a file.
  return retypeKey(New_Indicatif, *key, [](QChar c) { return c == QLatin1Char('/') ? QLatin1Char('_') : upperTyped(c); });
}

void StationWindow::confirm() {
  const QString candidate = New_Indicatif->text().toUpper();
  if (candidate.isEmpty()) {
    main_.say(Msg::StationEmpty);
    return;
  }
  if (candidate.size() > 12) {
    main_.say(Msg::StationTooLong);
    return;
  }
  for (QChar c : candidate) {
    const bool allowed = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
                         (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || c == QLatin1Char('_');
    if (!allowed) {
      main_.say(Msg::StationBadCharacter);
      New_Indicatif->clear();
      return;
    }
  }
  if (main_.changeStation(candidate)) close();
}

}  // namespace ktl
