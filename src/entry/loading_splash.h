// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Chargement: "Chargement du log / de <CALL>", shown modally while a log is
// about to be loaded, closing itself after the given delay.
#include <QDialog>

class QLabel;
class QTimer;

namespace ktl {

class LoadingSplash : public QDialog {
  Q_OBJECT
 public:
  LoadingSplash(QWidget* parent, const QString& stationCallsign, int milliseconds);
  // Shows a new splash modally and returns once it has closed itself.
  static void showModal(QWidget* parent, const QString& stationCallsign, int milliseconds);

 protected:
  void showEvent(QShowEvent* event) override;
  // The operator cannot dismiss it: it goes away on its own.
  void reject() override {}

 private:
  QLabel* Label1;
  QLabel* Label2;
  QTimer* Timer1;
};

}  // namespace ktl
