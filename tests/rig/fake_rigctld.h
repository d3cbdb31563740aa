#pragma once
// A rigctld played by a test, on a loopback port of its own.
#include <QByteArrayList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <functional>

namespace ktl {

// A rigctld played by the test: each line the client sends is recorded and
// answered by `answer` (nothing for an empty answer; the connection is
// closed for "CLOSE"), after `delayMs`. By default it answers as rigctld's
// extended protocol does, keeping a frequency and a mode.
struct FakeRigctld {
  QTcpServer server;
  QList<QTcpSocket*> peers;
  QByteArrayList received;
  int connections = 0;
  int delayMs = 0;
  QByteArray frequency = "7012000";
  QByteArray mode = "CW";
  QByteArray passband = "500";
  std::function<QByteArray(const QByteArray&)> answer = [this](const QByteArray& line) { return rigctld(line); };

  quint16 listen() {
    if (!server.listen(QHostAddress::LocalHost, 0)) qFatal("cannot listen");
    QObject::connect(&server, &QTcpServer::newConnection, &server, [this] {
      while (QTcpSocket* peer = server.nextPendingConnection()) {
        ++connections;
        peers << peer;
        QObject::connect(peer, &QTcpSocket::readyRead, peer, [this, peer] {
          while (peer->canReadLine()) {
            const QByteArray line = peer->readLine().trimmed();
            received << line;
            const QByteArray reply = answer(line);
            auto send = [peer, reply] {
              if (reply == "CLOSE")
                peer->close();
              else if (peer->state() == QAbstractSocket::ConnectedState)
                peer->write(reply);
            };
            if (delayMs > 0)
              QTimer::singleShot(delayMs, peer, send);
            else
              send();
          }
        });
      }
    });
    return server.serverPort();
  }

  QByteArray rigctld(const QByteArray& line) {
    if (line == "+f") return "get_freq:\nFrequency: " + frequency + "\nRPRT 0\n";
    if (line == "+m") return "get_mode:\nMode: " + mode + "\nPassband: " + passband + "\nRPRT 0\n";
    const QByteArrayList words = line.split(' ');
    if (words.value(0) == "+F") {
      frequency = words.value(1);
      return "set_freq: " + frequency + "\nRPRT 0\n";
    }
    if (words.value(0) == "+M") {
      mode = words.value(1);
      return "set_mode: " + mode + ' ' + words.value(2) + "\nRPRT 0\n";
    }
    return "RPRT -11\n";
  }

  QByteArrayList receivedStarting(QByteArrayView start) const {
    QByteArrayList lines;
    for (const QByteArray& l : received)
      if (l.startsWith(start)) lines << l;
    return lines;
  }
};

}  // namespace ktl
