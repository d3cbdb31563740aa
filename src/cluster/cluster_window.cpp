// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
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

  auto* heading = named(new QLabel, "Label2");
  heading->setText(QStringLiteral("Cluster (DxCluster)"));
  QFont headingFont = heading->font();
  headingFont.setBold(true);
  headingFont.setPointSize(headingFont.pointSize() + 2);
  heading->setFont(headingFont);
  layout->addWidget(heading);

  auto* bandRow = new QHBoxLayout;
  bandLabel_ = named(new QLabel, "Label3");
  bandChoice_ = new QComboBox;
  bandChoice_->setObjectName(QStringLiteral("Bande_CL"));
  for (const ClusterBand& band : clusterBands()) bandChoice_->addItem(QString::fromLatin1(band.entry));
  // A list to choose from, drawn like the band list of Main: its text box
  // carries the light yellow, and it takes no typing. A click in it opens
  // the list; the arrow keys choose from the keyboard.
  bandChoice_->setEditable(true);
  bandChoice_->lineEdit()->setReadOnly(true);
  bandChoice_->setInsertPolicy(QComboBox::NoInsert);
  bandChoice_->lineEdit()->installEventFilter(this);
  QFont bold = bandChoice_->font();
  bold.setBold(true);
  bandChoice_->setFont(bold);
  setFieldColour(bandChoice_, false);
  bandLabel_->setBuddy(bandChoice_);
  showButton_ = named(new QPushButton, "Afficher");
  // Enter anywhere but the address field shows the chosen band's page.
  showButton_->setDefault(true);
  auto* refreshNote = named(new QLabel, "Label1");
  bandRow->addWidget(bandLabel_);
  bandRow->addWidget(bandChoice_);
  bandRow->addWidget(showButton_);
  bandRow->addSpacing(20);
  bandRow->addWidget(refreshNote, 1);
  layout->addLayout(bandRow);

  pageView_ = platform_.createWebView(this);
  pageView_->setObjectName(QStringLiteral("WebBrowser1"));
  layout->addWidget(pageView_, 1);

  auto* addressRow = new QHBoxLayout;
  addressLabel_ = named(new QLabel, "Label4");
  addressField_ = new QLineEdit(state_.setting(keys::ClusterAddress));
  addressField_->setObjectName(QStringLiteral("Adresse_CL"));
  addressField_->installEventFilter(this);
  addressLabel_->setBuddy(addressField_);
  saveAddressButton_ = named(new QPushButton, "Enregistre_CL");
  addressRow->addWidget(addressLabel_);
  addressRow->addWidget(addressField_, 1);
  addressRow->addWidget(saveAddressButton_);
  layout->addLayout(addressRow);

  setTabOrder(bandChoice_, showButton_);
  setTabOrder(showButton_, pageView_);
  setTabOrder(pageView_, addressField_);
  setTabOrder(addressField_, saveAddressButton_);

  connect(showButton_, &QPushButton::clicked, this, &ClusterWindow::showPage);
  connect(saveAddressButton_, &QPushButton::clicked, this, &ClusterWindow::saveAddress);
  // An open window follows the language, and the station: it turns to the
  // band that station chose last.
  connect(&state_, &ProgramState::languageChanged, this, [this] {
    retranslate();
    if (showingNoAddressPage_) pageView_->setHtml(noAddressPage());
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
  bandChoice_->setFocus();
  showPage();
}

void ClusterWindow::retranslate() {
  const Language language = state_.language();
  applyCaptions(this, clusterCaptions(), language);
  bandChoice_->setAccessibleName(bandLabel_->text());
  showButton_->setAccessibleName(showButton_->text());
  addressField_->setAccessibleName(addressLabel_->text());
  saveAddressButton_->setAccessibleName(saveAddressButton_->text());
  pageView_->setAccessibleName(pick(clusterText(ClusterText::ViewName), spoken(language)));
}

void ClusterWindow::selectStoredBand() {
  bandChoice_->setCurrentIndex(clusterBandFromSetting(state_.setting(keys::ClusterBand)));
}

void ClusterWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  centreOnScreen(this);
}

void ClusterWindow::showPage() {
  const int index = bandChoice_->currentIndex();
  state_.saveSetting(keys::ClusterBand, QString::number(index));
  const QUrl page = clusterPageAddress(state_.setting(keys::ClusterAddress), index);
  showingNoAddressPage_ = page.isEmpty();
  if (showingNoAddressPage_)
    pageView_->setHtml(noAddressPage());
  else
    pageView_->load(page);
}

void ClusterWindow::saveAddress() {
  const QString typed = addressField_->text().trimmed();
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
    addressField_->setFocus();
    return;
  }
  const QString& base = address.base;
  state_.saveSetting(keys::ClusterAddress, base);
  addressField_->setText(base);
  showPage();
}

QString ClusterWindow::noAddressPage() const {
  const QString note = pick(clusterText(ClusterText::NoAddressPage), spoken(state_.language()))
                           .arg(addressLabel_->text(), saveAddressButton_->text())
                           .toHtmlEscaped();
  return QStringLiteral(
             "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>Cluster</title></head>"
             "<body style=\"font-family: sans-serif; margin: 2em\"><p>%1</p></body></html>")
      .arg(note);
}

bool ClusterWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == bandChoice_->lineEdit() && event->type() == QEvent::MouseButtonPress) {
    bandChoice_->showPopup();
    return true;
  }
  if (watched == addressField_ && event->type() == QEvent::KeyPress && isEnterKey(*static_cast<QKeyEvent*>(event))) {
    saveAddress();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace ktl
