// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/loading_splash.h"

#include "platform/window_services.h"

#include <QFrame>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace ktl {

LoadingSplash::LoadingSplash(QWidget* parent, const QString& stationCallsign, int milliseconds)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("Chargement"));
  setModal(true);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  auto* frame = new QFrame;
  frame->setFrameShape(QFrame::Box);
  auto* inner = new QVBoxLayout(frame);
  Label2 = new QLabel(QStringLiteral("Chargement du log"));
  Label2->setObjectName(QStringLiteral("Label2"));
  Label1 = new QLabel(QStringLiteral("de ") + stationCallsign);
  Label1->setObjectName(QStringLiteral("Label1"));
  for (QLabel* l : {Label2, Label1}) {
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    l->setAlignment(Qt::AlignCenter);
    inner->addWidget(l);
  }
  outer->addWidget(frame);
  setFixedSize(193, 49);
  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setSingleShot(true);
  Timer1->setInterval(milliseconds);
  connect(Timer1, &QTimer::timeout, this, [this] {
    Timer1->stop();
    accept();
  });
}

void LoadingSplash::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Centred across, 200 pixels (3,000 twips) below the middle of the screen.
  centreOnScreen(this, 200);
  Timer1->start();
}

void LoadingSplash::showModal(QWidget* parent, const QString& stationCallsign, int milliseconds) {
  LoadingSplash splash(parent, stationCallsign, milliseconds);
  splash.exec();
}

}  // namespace ktl
