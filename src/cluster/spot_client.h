// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A telnet-style connection to a DX-cluster node. It logs in with the
// station's callsign when the node asks for it, hands over every line the
// node sends, and after a drop connects again with growing waits (2, 4, 8
// ... 60 s). It sends nothing but the login and the operator's commands.
// A node that has gone away without a word is found two ways: TCP
// keepalive probes on the socket, and a limit on how long the node may send
// nothing at all; either ends the connection like any other drop.
// All of it runs on the interface thread from the socket's signals; no
// call waits on the network.
#include <QAbstractSocket>
#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

class QTcpSocket;

namespace ktl {

// A node asking who is there: "login:", "Please enter your call:",
// "call:", "Your callsign please" (case ignored, with or without a line
// end).
bool isLoginPrompt(QStringView text);

// One line of node bytes as text: NUL and the other control characters
// dropped (a tab becomes a blank), but a typed DEL or backspace kept for the
// reader to apply (see applyTypedErasures()); UTF-8 where the bytes are
// valid UTF-8 with something beyond ASCII, else Windows-1252, which every
// byte reads in.
QString nodeText(QByteArrayView bytes);

class SpotClient : public QObject {
  Q_OBJECT
 public:
  enum class State {
    Idle,        // not asked to connect, or stopped
    Connecting,  // looking the node up and connecting
    Connected,
    Waiting,     // dropped or refused: trying again after waitMs()
  };
  // The waits between tries: from `firstMs`, doubled after each failure up
  // to `maxMs`, and back to `firstMs` once a connection has held for
  // `stableMs`. A node not answering within `connectTimeoutMs` counts as a
  // failure.
  struct Backoff {
    int firstMs = 2000;
    int maxMs = 60000;
    int stableMs = 60000;
    int connectTimeoutMs = 20000;
  };
  // A line longer than this without a line end is cut and handed over in
  // pieces: what is kept of a line never grows past it.
  static constexpr qsizetype kMaxLineBytes = 4096;
  // TCP keepalive: the first probe after this many seconds of quiet, then
  // one every interval; so many unanswered probes end the connection.
  static constexpr int kKeepAliveIdleS = 60;
  static constexpr int kKeepAliveIntervalS = 10;
  static constexpr int kKeepAliveProbes = 6;

  // How long a node may stay silent before the connection is taken for
  // dead, unless the operator sets another.
  static constexpr int kDefaultIdleLimitMs = 10 * 60 * 1000;

  explicit SpotClient(QObject* parent = nullptr);
  void setBackoff(const Backoff& backoff) { backoff_ = backoff; }
  // No byte from the node for `ms` (at least 1) drops the connection and
  // connects again; a connection open now counts from its last byte.
  void setIdleLimitMs(int ms);
  int idleLimitMs() const { return idleLimitMs_; }

  // Connects (again) to `host`:`port`, answering a login prompt with
  // `loginCall`; keeps the connection until stop().
  void start(const QString& host, quint16 port, const QString& loginCall);
  void stop();
  // The operator's command followed by CR LF; false when not connected.
  bool send(const QString& command);

  State state() const { return state_; }
  // The wait before the next try, while Waiting, and what is left of it.
  int waitMs() const { return retryTimer_.interval(); }
  int remainingWaitMs() const { return retryTimer_.isActive() ? retryTimer_.remainingTime() : 0; }
  // Why the last try failed or the last connection ended.
  QString lastError() const { return lastError_; }
  // The last connection ended because the node sent nothing for the idle
  // limit (until the next try).
  bool droppedForSilence() const { return silent_; }

 signals:
  void stateChanged(ktl::SpotClient::State state);
  void lineReceived(const QString& line);

 private:
  void setState(State state);
  void tryConnect();
  void onSocketState(QAbstractSocket::SocketState socketState);
  void onReadyRead();
  void keepAlive();
  // Telnet commands (IAC ...) taken out of the stream; the state carries
  // over from one packet to the next.
  void keepData(QByteArrayView bytes, QByteArray& data);
  void endLine();
  void answerLogin(const QString& text);

  QTcpSocket* socket_;
  QTimer retryTimer_;
  QTimer connectTimer_;
  QTimer idleTimer_;  // runs while connected, restarted by every byte
  QElapsedTimer connectedFor_;
  Backoff backoff_;
  QString host_;
  quint16 port_ = 0;
  QString loginCall_;
  bool running_ = false;
  bool loginSent_ = false;
  bool silent_ = false;
  int idleLimitMs_ = kDefaultIdleLimitMs;
  State state_ = State::Idle;
  int nextWait_ = 0;
  QString lastError_;
  QByteArray pending_;  // the line being received
  enum class Telnet { Data, Command, Option, Sub, SubCommand } telnet_ = Telnet::Data;
};

}  // namespace ktl
