// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A DX-cluster node played by a test on the loopback.
#include <QtNetwork>
#include <QTest>

namespace ktl {

struct Node {
  QTcpServer server;
  QTcpSocket* peer = nullptr;
  QByteArray received;  // everything the client sent

  quint16 listen(quint16 port = 0) {
    if (!server.listen(QHostAddress::LocalHost, port)) qFatal("cannot listen");
    return server.serverPort();
  }
  // Waits for the client's next connection.
  bool accept() {
    // The client connects from this thread's event loop: wait with it running.
    if (!QTest::qWaitFor([this] { return server.hasPendingConnections(); }, 3000)) return false;
    peer = server.nextPendingConnection();
    received.clear();
    QObject::connect(peer, &QTcpSocket::readyRead, peer, [this] { received += peer->readAll(); });
    return true;
  }
  void send(const QByteArray& bytes) {
    peer->write(bytes);
    peer->flush();
  }
};

}  // namespace ktl
