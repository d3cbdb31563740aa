#include "cluster/cluster_window.h"

#include "cluster/cluster_pages.h"
#include "platform/platform.h"
#include "platform/web_view.h"
#include "platform/keyboard.h"
#include "platform/window_services.h"
#include "state/program_state.h"
#include "texts/cluster_texts.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ktl {

ClusterWindow::ClusterWindow(ProgramState& state, Platform& platform, QWidget* parent)
    : QDialog(parent), state_(state), platform_(platform) {
  setObjectName(QStringLiteral("Cluster"));
  setWindowTitle(QStringLiteral("Cluster"));
  auto* layout = new QVBoxLayout(this);

  Label2 = named(new QLabel, "Label2");
  Label2->setText(QStringLiteral("Cluster (DxCluster)"));
  QFont heading = Label2->font();
  heading.setBold(true);
  heading.setPointSize(heading.pointSize() + 2);
  Label2->setFont(heading);
  layout->addWidget(Label2);

  auto* bandRow = new QHBoxLayout;
  Label3 = named(new QLabel, "Label3");
  Bande_CL = new QComboBox;
  Bande_CL->setObjectName(QStringLiteral("Bande_CL"));
  for (const ClusterBand& band : clusterBands()) Bande_CL->addItem(QString::fromLatin1(band.entry));
  // A list to choose from, drawn like the band list of Main: its text box
  // carries the light yellow, and it takes no typing. A click in it opens
  // the list; the arrow keys choose from the keyboard.
  Bande_CL->setEditable(true);
  Bande_CL->lineEdit()->setReadOnly(true);
  Bande_CL->setInsertPolicy(QComboBox::NoInsert);
  Bande_CL->lineEdit()->installEventFilter(this);
  QFont bold = Bande_CL->font();
  bold.setBold(true);
  Bande_CL->setFont(bold);
  setFieldColour(Bande_CL, false);
  Label3->setBuddy(Bande_CL);
  Afficher = named(new QPushButton, "Afficher");
  // Enter anywhere but the address field shows the chosen band's page.
  Afficher->setDefault(true);
  Label1 = named(new QLabel, "Label1");
  bandRow->addWidget(Label3);
  bandRow->addWidget(Bande_CL);
  bandRow->addWidget(Afficher);
  bandRow->addSpacing(20);
  bandRow->addWidget(Label1, 1);
  layout->addLayout(bandRow);

  WebBrowser1 = platform_.createWebView(this);
  WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
  layout->addWidget(WebBrowser1, 1);

  auto* addressRow = new QHBoxLayout;
  Label4 = named(new QLabel, "Label4");
  Adresse_CL = new QLineEdit(state_.setting(keys::ClusterAddress));
  Adresse_CL->setObjectName(QStringLiteral("Adresse_CL"));
  Adresse_CL->installEventFilter(this);
  Label4->setBuddy(Adresse_CL);
  Enregistre_CL = named(new QPushButton, "Enregistre_CL");
  addressRow->addWidget(Label4);
  addressRow->addWidget(Adresse_CL, 1);
  addressRow->addWidget(Enregistre_CL);
  layout->addLayout(addressRow);

  setTabOrder(Bande_CL, Afficher);
  setTabOrder(Afficher, WebBrowser1);
  setTabOrder(WebBrowser1, Adresse_CL);
  setTabOrder(Adresse_CL, Enregistre_CL);

  connect(Afficher, &QPushButton::clicked, this, &ClusterWindow::showPage);
  connect(Enregistre_CL, &QPushButton::clicked, this, &ClusterWindow::saveAddress);
  // An open window follows the language, and the station: it turns to the
  // band that station chose last.
  connect(&state_, &ProgramState::languageChanged, this, [this] {
    retranslate();
    if (showingNoAddressPage_) WebBrowser1->setHtml(noAddressPage());
  });
  connect(&state_, &ProgramState::stationChanged, this, [this] {
    selectStoredBand();
    showPage();
  });

  // Design-time captions in French, for a language the program does not know.
  applyCaptions(this, clusterCaptions(), Language::French);
  retranslate();
  resize(1000, 620);
  selectStoredBand();
  Bande_CL->setFocus();
  showPage();
}

void ClusterWindow::retranslate() {
  const Language language = state_.language();
  applyCaptions(this, clusterCaptions(), language);
  Bande_CL->setAccessibleName(Label3->text());
  Afficher->setAccessibleName(Afficher->text());
  Adresse_CL->setAccessibleName(Label4->text());
  Enregistre_CL->setAccessibleName(Enregistre_CL->text());
  WebBrowser1->setAccessibleName(pick(clusterText(ClusterText::ViewName), spoken(language)));
}

void ClusterWindow::selectStoredBand() {
  Bande_CL->setCurrentIndex(clusterBandFromSetting(state_.setting(keys::ClusterBand)));
}

void ClusterWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  centreOnScreen(this);
}

void ClusterWindow::showPage() {
  const int index = Bande_CL->currentIndex();
  state_.saveSetting(keys::ClusterBand, QString::number(index));
  const QUrl page = clusterPageAddress(state_.setting(keys::ClusterAddress), index);
  showingNoAddressPage_ = page.isEmpty();
  if (showingNoAddressPage_)
    WebBrowser1->setHtml(noAddressPage());
  else
    WebBrowser1->load(page);
}

void ClusterWindow::saveAddress() {
  const QString typed = Adresse_CL->text().trimmed();
  // An emptied field takes the address away: the view says how to set one.
  const ClusterAddress address = typed.isEmpty() ? ClusterAddress{} : readClusterAddress(typed);
  if (address.problem != AddressProblem::None) {
    const Language language = state_.language();
    switch (address.problem) {
      case AddressProblem::None: break;
      case AddressProblem::TooLong: {
        const QString t = pick(clusterText(ClusterText::AddressTooLong), language);
        if (!t.isNull()) platform_.message(this, t.arg(kMaxClusterAddress));
        break;
      }
      case AddressProblem::NotWeb: platform_.say(this, language, clusterText(ClusterText::AddressRefused)); break;
      case AddressProblem::HostName: platform_.say(this, language, clusterText(ClusterText::HostRefused)); break;
    }
    Adresse_CL->setFocus();
    return;
  }
  const QString& base = address.base;
  state_.saveSetting(keys::ClusterAddress, base);
  Adresse_CL->setText(base);
  showPage();
}

QString ClusterWindow::noAddressPage() const {
  const QString note = pick(clusterText(ClusterText::NoAddressPage), spoken(state_.language()))
                           .arg(Label4->text(), Enregistre_CL->text())
                           .toHtmlEscaped();
  return QStringLiteral(
             "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>Cluster</title></head>"
             "<body style=\"font-family: sans-serif; margin: 2em\"><p>%1</p></body></html>")
      .arg(note);
}

bool ClusterWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Bande_CL->lineEdit() && event->type() == QEvent::MouseButtonPress) {
    Bande_CL->showPopup();
    return true;
  }
  if (watched == Adresse_CL && event->type() == QEvent::KeyPress && isEnterKey(*static_cast<QKeyEvent*>(event))) {
    saveAddress();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace ktl
