// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cluster/spot_client.h"

#include "log/text_codec.h"

#include <QStringDecoder>
#include <QTcpSocket>

#include <algorithm>

#ifdef Q_OS_LINUX
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#endif

namespace ktl {

namespace {

// How nodes ask for the callsign: the prompt ends with one of these, or
// holds one of the phrases.
constexpr QStringView kPromptEnds[] = {u"login:",   u"login",   u"call:",   u"callsign:", u"call sign:",
                                       u"call?",    u"callsign?", u"call >", u"callsign >", u"your call",
                                       u"your callsign"};
constexpr QStringView kPromptPhrases[] = {u"enter your call", u"your call please", u"your callsign please",
                                          u"type your call"};

// Telnet's command bytes.
constexpr unsigned char kIac = 255, kSubBegin = 250, kSubEnd = 240, kWill = 251, kDont = 254;

}  // namespace

bool isLoginPrompt(QStringView text) {
  const QString t = text.toString().simplified().toLower();
  if (t.isEmpty() || t.size() > 200) return false;
  return std::any_of(std::begin(kPromptEnds), std::end(kPromptEnds), [&t](QStringView e) { return t.endsWith(e); }) ||
         std::any_of(std::begin(kPromptPhrases), std::end(kPromptPhrases),
                     [&t](QStringView p) { return t.contains(p); });
}

QString nodeText(QByteArrayView bytes) {
  QByteArray clean;
  clean.reserve(bytes.size());
  bool beyondAscii = false;
  for (char c : bytes) {
    const auto u = static_cast<unsigned char>(c);
    if (u == '\t')
      clean += ' ';
    else if (u >= 0x20 || u == 0x08)
      clean += c;
    beyondAscii = beyondAscii || u >= 0x80;
  }
  if (beyondAscii) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(clean);
    if (!utf8.hasError()) return text;
  }
  return fromFileBytes(clean);
}

SpotClient::SpotClient(QObject* parent) : QObject(parent), socket_(new QTcpSocket(this)) {
  // A node that sends without pause is read a bounded piece at a time.
  socket_->setReadBufferSize(64 * 1024);
  retryTimer_.setSingleShot(true);
  connectTimer_.setSingleShot(true);
  connect(&retryTimer_, &QTimer::timeout, this, &SpotClient::tryConnect);
  connect(&connectTimer_, &QTimer::timeout, this, [this] {
    lastError_ = socket_->errorString();
    socket_->abort();
  });
  idleTimer_.setSingleShot(true);
  connect(&idleTimer_, &QTimer::timeout, this, [this] {
    silent_ = true;
    socket_->abort();
  });
  connect(socket_, &QTcpSocket::stateChanged, this, &SpotClient::onSocketState);
  connect(socket_, &QTcpSocket::errorOccurred, this, [this] { lastError_ = socket_->errorString(); });
  connect(socket_, &QTcpSocket::readyRead, this, &SpotClient::onReadyRead);
}

void SpotClient::start(const QString& host, quint16 port, const QString& loginCall) {
  stop();
  host_ = host;
  port_ = port;
  loginCall_ = loginCall;
  running_ = true;
  nextWait_ = backoff_.firstMs;
  lastError_.clear();
  tryConnect();
}

void SpotClient::setIdleLimitMs(int ms) {
  idleLimitMs_ = std::max(ms, 1);
  if (idleTimer_.isActive()) idleTimer_.start(idleLimitMs_);
}

void SpotClient::stop() {
  running_ = false;
  retryTimer_.stop();
  connectTimer_.stop();
  idleTimer_.stop();
  socket_->abort();
  setState(State::Idle);
}

bool SpotClient::send(const QString& command) {
  if (state_ != State::Connected) return false;
  QByteArray bytes = toFileBytes(command);
  bytes.replace('\r', ' ').replace('\n', ' ');
  socket_->write(bytes + "\r\n");
  return true;
}

void SpotClient::setState(State state) {
  if (state == state_) return;
  state_ = state;
  emit stateChanged(state);
}

void SpotClient::tryConnect() {
  if (!running_) return;
  pending_.clear();
  telnet_ = Telnet::Data;
  loginSent_ = false;
  silent_ = false;
  setState(State::Connecting);
  connectTimer_.start(backoff_.connectTimeoutMs);
  socket_->connectToHost(host_, port_);
}

void SpotClient::onSocketState(QAbstractSocket::SocketState socketState) {
  if (socketState == QAbstractSocket::ConnectedState) {
    connectTimer_.stop();
    connectedFor_.start();
    keepAlive();
    idleTimer_.start(idleLimitMs_);
    setState(State::Connected);
    return;
  }
  if (socketState != QAbstractSocket::UnconnectedState) return;
  connectTimer_.stop();
  idleTimer_.stop();
  if (!running_) return;
  // What was received of an unfinished line is still shown.
  endLine();
  if (connectedFor_.isValid() && connectedFor_.elapsed() >= backoff_.stableMs) nextWait_ = backoff_.firstMs;
  connectedFor_.invalidate();
  retryTimer_.start(nextWait_);
  nextWait_ = std::min(nextWait_ * 2, backoff_.maxMs);
  setState(State::Waiting);
}

void SpotClient::keepAlive() {
  socket_->setSocketOption(QAbstractSocket::KeepAliveOption, 1);
#ifdef Q_OS_LINUX
  // The system's own first probe comes after two hours: probe after a
  // minute of quiet, every 10 s, and give up after 6 unanswered.
  const int fd = int(socket_->socketDescriptor());
  if (fd < 0) return;
  for (auto [option, value] : {std::pair{TCP_KEEPIDLE, kKeepAliveIdleS}, {TCP_KEEPINTVL, kKeepAliveIntervalS},
                               {TCP_KEEPCNT, kKeepAliveProbes}})
    setsockopt(fd, IPPROTO_TCP, option, &value, sizeof value);
#endif
}

void SpotClient::keepData(QByteArrayView bytes, QByteArray& data) {
  for (char c : bytes) {
    const auto u = static_cast<unsigned char>(c);
    switch (telnet_) {
      case Telnet::Data:
        if (u == kIac)
          telnet_ = Telnet::Command;
        else
          data += c;
        break;
      case Telnet::Command:
        if (u == kIac) {
          data += c;  // a doubled IAC is the byte 255 itself
          telnet_ = Telnet::Data;
        } else if (u == kSubBegin) {
          telnet_ = Telnet::Sub;
        } else if (u >= kWill && u <= kDont) {
          telnet_ = Telnet::Option;
        } else {
          telnet_ = Telnet::Data;
        }
        break;
      case Telnet::Option: telnet_ = Telnet::Data; break;
      case Telnet::Sub:
        if (u == kIac) telnet_ = Telnet::SubCommand;
        break;
      case Telnet::SubCommand: telnet_ = u == kSubEnd ? Telnet::Data : Telnet::Sub; break;
    }
  }
}

void SpotClient::onReadyRead() {
  if (idleTimer_.isActive()) idleTimer_.start(idleLimitMs_);
  QByteArray data;
  keepData(socket_->readAll(), data);
  for (char c : data) {
    if (c == '\n' || c == '\r') {
      endLine();
    } else {
      pending_ += c;
      if (pending_.size() >= kMaxLineBytes) endLine();
    }
  }
  // A prompt waits for the answer on its own line, without a line end;
  // answered, it is a line of its own.
  if (!loginSent_ && !pending_.isEmpty()) {
    answerLogin(nodeText(pending_));
    if (loginSent_) endLine();
  }
}

void SpotClient::endLine() {
  if (pending_.isEmpty()) return;
  const QString line = nodeText(pending_);
  pending_.clear();
  if (line.trimmed().isEmpty()) return;
  if (!loginSent_) answerLogin(line);
  emit lineReceived(line);
}

void SpotClient::answerLogin(const QString& text) {
  if (loginSent_ || loginCall_.isEmpty() || state_ != State::Connected || !isLoginPrompt(text)) return;
  loginSent_ = true;
  socket_->write(toFileBytes(loginCall_) + "\r\n");
}

}  // namespace ktl
