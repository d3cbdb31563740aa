// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Cluster: the spot pages of a DX-cluster statistics server, one band or
// band group at a time, in an embedded web view. The band chosen is kept
// per station; the server's address is set in the window itself.
#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ktl {

class Platform;
class ProgramState;
class WebView;

class ClusterWindow : public QDialog {
  Q_OBJECT
 public:
  ClusterWindow(ProgramState& state, Platform& platform, QWidget* parent = nullptr);

  // The show button (Afficher): stores the chosen band for the station and
  // opens its page.
  void showPage();
  // The save-address button (Enregistre_CL), or Enter in the address field:
  // keeps an http or https address and shows the page from it; anything
  // else is refused with a message.
  void saveAddress();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void retranslate();
  void selectStoredBand();
  QString noAddressPage() const;

  ProgramState& state_;
  Platform& platform_;
  QLabel *bandLabel_, *addressLabel_;  // the accessible names of their fields
  QComboBox* bandChoice_;
  QPushButton *showButton_, *saveAddressButton_;
  QLineEdit* addressField_;
  WebView* pageView_;
  bool showingNoAddressPage_ = false;
};

}  // namespace ktl
