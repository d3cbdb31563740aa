// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A rigctld played by a test, on a loopback port of its own, and the short
// waits the rig tests give the client.
#include "rig/rig_client.h"

#include <QtNetwork>

#include <functional>

namespace ktl {

// Polls every 50 ms; a link given up is tried again after 50, 100, 200,
// then 400 ms; a minute of link is a link that held.
inline RigClient::Timing quickTiming() {
  return {.pollMs = 50, .replyTimeoutMs = 400, .connectTimeoutMs = 1000, .firstRetryMs = 50, .maxRetryMs = 400,
          .stableMs = 60000};
}

// Each line the client sends is recorded and answered by `answer` (nothing
// for an empty answer; the connection is closed for "CLOSE"), after
// `delayMs`. By default it answers as rigctld's extended protocol does,
// keeping a frequency and a mode.
struct FakeRigctld {
  QTcpServer server;
  QByteArrayList received;
  int connections = 0;
  int delayMs = 0;
  QByteArray frequency = "7012000";
  QByteArray mode = "CW";
  std::function<QByteArray(const QByteArray&)> answer = [this](const QByteArray& line) { return rigctld(line); };

  quint16 listen() {
    if (!server.listen(QHostAddress::LocalHost, 0)) qFatal("cannot listen");
    QObject::connect(&server, &QTcpServer::newConnection, &server, [this] {
      while (QTcpSocket* peer = server.nextPendingConnection()) {
        ++connections;
        QObject::connect(peer, &QTcpSocket::readyRead, peer, [this, peer] {
          while (peer->canReadLine()) {
            received << peer->readLine().trimmed();
            const QByteArray reply = answer(received.last());
            QTimer::singleShot(delayMs, peer, [peer, reply] {
              if (reply == "CLOSE") peer->close();
              else if (peer->state() == QAbstractSocket::ConnectedState) peer->write(reply);
            });
          }
        });
      }
    });
    return server.serverPort();
  }

  QByteArray rigctld(const QByteArray& line) {
    const QByteArrayList words = line.split(' ');
    if (line == "+f") return "get_freq:\nFrequency: " + frequency + "\nRPRT 0\n";
    if (line == "+m") return "get_mode:\nMode: " + mode + "\nPassband: 500\nRPRT 0\n";
    if (words.value(0) == "+F") return "set_freq: " + (frequency = words.value(1)) + "\nRPRT 0\n";
    if (words.value(0) == "+M") return "set_mode: " + (mode = words.value(1)) + ' ' + words.value(2) + "\nRPRT 0\n";
    return "RPRT -11\n";
  }

  QByteArrayList receivedStarting(QByteArrayView start) const {
    QByteArrayList lines = received;
    lines.removeIf([start](const QByteArray& l) { return !l.startsWith(start); });
    return lines;
  }
};

}  // namespace ktl
