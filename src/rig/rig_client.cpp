// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rig/rig_client.h"

#include <QTcpSocket>

#include <algorithm>
#include <cmath>

namespace ktl {

namespace {

// The echo that heads rigctld's extended answer to each command.
QByteArrayView echoOf(RigClient::Command command) {
  switch (command) {
    case RigClient::Command::SetFrequency: return "set_freq:";
    case RigClient::Command::SetMode: return "set_mode:";
    case RigClient::Command::GetFrequency: return "get_freq:";
    case RigClient::Command::GetMode: return "get_mode:";
  }
  return {};
}

bool isSet(RigClient::Command command) {
  return command == RigClient::Command::SetFrequency || command == RigClient::Command::SetMode;
}

// The value of "Key: value" among an answer's lines; null when absent.
QByteArray valueOf(const QList<QByteArray>& lines, QByteArrayView key) {
  for (const QByteArray& line : lines) {
    if (line.size() > key.size() + 1 && line.startsWith(key) && line[key.size()] == ':')
      return line.mid(key.size() + 1).trimmed();
  }
  return {};
}

// A Hamlib mode name: letters, digits and '-' ("USB", "PKTUSB", "D-STAR").
bool isModeName(QByteArrayView name) {
  return !name.isEmpty() && name.size() <= 16 &&
         std::all_of(name.begin(), name.end(), [](char c) {
           return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
         });
}

// The start of what could not be read, as printable text.
QString shown(QByteArrayView bytes) {
  QString text;
  for (char c : bytes.first(std::min<qsizetype>(bytes.size(), 40)))
    text += (c >= 0x20 && c < 0x7f) ? QChar::fromLatin1(c) : QChar(u'?');
  return text;
}

RigStatus statusOf(RigState state, RigProblem problem = RigProblem::None, int hamlibError = 0, int retryMs = 0,
                   const QString& detail = {}) {
  return {state, problem, hamlibError, retryMs, detail};
}

}  // namespace

RigClient::RigClient(QObject* parent) : QObject(parent), socket_(new QTcpSocket(this)) {
  // A peer that floods is read a bounded piece at a time, and dropped at
  // its first line that is no answer.
  socket_->setReadBufferSize(16 * 1024);
  for (QTimer* t : {&replyTimer_, &connectTimer_, &retryTimer_}) t->setSingleShot(true);
  connect(&pollTimer_, &QTimer::timeout, this, &RigClient::poll);
  connect(&retryTimer_, &QTimer::timeout, this, &RigClient::tryConnect);
  connect(&connectTimer_, &QTimer::timeout, this, [this] { linkLost(RigProblem::NoAnswer); });
  connect(&replyTimer_, &QTimer::timeout, this, [this] { linkLost(RigProblem::NoAnswer); });
  connect(socket_, &QTcpSocket::stateChanged, this, [this](QAbstractSocket::SocketState s) { onSocketState(s); });
  connect(socket_, &QTcpSocket::readyRead, this, &RigClient::onReadyRead);
}

RigClient::~RigClient() {
  // Closing the socket while this object goes away tells no one.
  socket_->disconnect(this);
  socket_->abort();
}

void RigClient::setTiming(const Timing& timing) {
  timing_ = timing;
  if (pollTimer_.isActive()) pollTimer_.start(timing_.pollMs);
}

QString RigClient::address() const { return host_ + u':' + QString::number(port_); }

void RigClient::start(const QString& host, quint16 port) {
  stop();
  host_ = host;
  port_ = port;
  running_ = true;
  nextWaitMs_ = timing_.firstRetryMs;
  connectedFor_.invalidate();
  tryConnect();
}

void RigClient::stop() {
  running_ = false;
  retryTimer_.stop();
  resetLink();
  setStatus({});
  forgetValues();
}

void RigClient::tryConnect() {
  if (!running_) return;
  RigStatus connecting = status_;
  connecting.state = RigState::Connecting;
  connecting.retryMs = 0;
  setStatus(connecting);
  if (!running_ || socket_->state() != QAbstractSocket::UnconnectedState) return;
  connectTimer_.start(timing_.connectTimeoutMs);
  socket_->connectToHost(host_, port_);
}

void RigClient::onSocketState(int socketState) {
  if (dropping_ || !running_) return;
  if (socketState == QAbstractSocket::ConnectedState) {
    connectTimer_.stop();
    socket_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    connectedFor_.start();
    linked_ = true;
    frequencyError_ = modeError_ = 0;
    pollTimer_.start(timing_.pollMs);
    setStatus(statusOf(RigState::Connected));
    if (linked_) poll();
    return;
  }
  if (socketState != QAbstractSocket::UnconnectedState) return;
  switch (socket_->error()) {
    case QAbstractSocket::ConnectionRefusedError: linkLost(RigProblem::Refused); break;
    case QAbstractSocket::HostNotFoundError: linkLost(RigProblem::HostNotFound); break;
    case QAbstractSocket::SocketTimeoutError: linkLost(RigProblem::NoAnswer); break;
    case QAbstractSocket::RemoteHostClosedError:
    case QAbstractSocket::UnknownSocketError: linkLost(RigProblem::Closed); break;
    default: linkLost(RigProblem::Network, socket_->errorString()); break;
  }
}

void RigClient::onReadyRead() {
  buffer_ += socket_->readAll();
  // Each line is handled on its own: a signal sent for one may stop or
  // restart this client, which empties the buffer.
  while (linked_) {
    const qsizetype end = buffer_.indexOf('\n');
    if (end < 0) break;
    QByteArray line = buffer_.left(end);
    buffer_.remove(0, end + 1);
    handleLine(std::move(line));
  }
  if (linked_ && buffer_.size() > kMaxAnswerLine) unreadable(buffer_);
}

void RigClient::handleLine(QByteArray line) {
  if (line.endsWith('\r')) line.chop(1);
  if (line.isEmpty()) return;
  // Nothing is said unasked, and an answer is short.
  if (!inFlight_ || line.size() > kMaxAnswerLine) return unreadable(line);
  answer_.append(line);
  if (line.startsWith("RPRT ")) return finishAnswer();
  if (answer_.size() >= kMaxAnswerLines) unreadable(answer_.constFirst());
}

void RigClient::finishAnswer() {
  const QList<QByteArray> lines = std::exchange(answer_, {});
  bool numeric = false;
  const int code = lines.last().mid(5).trimmed().toInt(&numeric);
  // The echo heads the answer; an answer without one holds nothing but
  // its code.
  const bool echoed = lines.size() > 1 && lines.first().startsWith(echoOf(inFlight_->command));
  if (!numeric || code > 0 || (lines.size() > 1 && !echoed)) return unreadable(lines.constFirst());

  const Request request = *inFlight_;
  inFlight_.reset();
  replyTimer_.stop();
  const qint64 us = roundTrip_.nsecsElapsed() / 1000;
  ++counters_.answered;
  counters_.roundTripUsTotal += us;
  counters_.roundTripUsMax = std::max(counters_.roundTripUsMax, us);

  if (code < 0) {
    if (isSet(request.command))
      emit setRefused(request.command, code);
    else
      answered(request.command, code);
  } else if (request.command == Command::GetFrequency) {
    bool ok = false;
    const double hz = valueOf(lines, "Frequency").toDouble(&ok);
    if (!ok || !std::isfinite(hz) || hz < 0 || hz > double(kMaxHz)) return unreadable(lines.constFirst());
    answered(request.command, 0);
    if (linked_) setFrequencyValue(std::llround(hz));
  } else if (request.command == Command::GetMode) {
    const QByteArray name = valueOf(lines, "Mode");
    bool ok = false;
    const int passband = valueOf(lines, "Passband").toInt(&ok);
    if (!isModeName(name) || !ok) return unreadable(lines.constFirst());
    answered(request.command, 0);
    if (linked_) setModeValue(QString::fromLatin1(name).toUpper(), passband);
  } else {
    // The rig may round what it was sent: its own reading is what counts.
    const Command reading = request.command == Command::SetFrequency ? Command::GetFrequency : Command::GetMode;
    if (!pending(reading)) enqueue({reading, 0, {}, 0});
  }
  sendNext();
}

void RigClient::answered(Command command, int hamlibError) {
  (command == Command::GetFrequency ? frequencyError_ : modeError_) = hamlibError;
  if (hamlibError != 0) {
    if (command == Command::GetFrequency)
      setFrequencyValue(0);
    else
      setModeValue({}, 0);
  }
  if (!linked_) return;
  const int error = frequencyError_ != 0 ? frequencyError_ : modeError_;
  if (error == 0)
    setStatus(statusOf(RigState::Connected));
  else
    setStatus(statusOf(RigState::Error, RigProblem::RigError, error));
}

void RigClient::poll() {
  if (!linked_) return;
  if (pending(Command::GetFrequency) || pending(Command::GetMode)) {
    ++counters_.pollsSkipped;
    return;
  }
  enqueue({Command::GetFrequency, 0, {}, 0});
  enqueue({Command::GetMode, 0, {}, 0});
  sendNext();
}

bool RigClient::pending(Command command) const {
  return (inFlight_ && inFlight_->command == command) ||
         std::any_of(queue_.begin(), queue_.end(), [command](const Request& r) { return r.command == command; });
}

void RigClient::enqueue(const Request& request) {
  auto same = std::find_if(queue_.begin(), queue_.end(),
                           [&request](const Request& r) { return r.command == request.command; });
  if (same != queue_.end()) {
    // A newer set replaces the one still waiting; a reading waits once.
    if (isSet(request.command)) {
      *same = request;
      ++counters_.setsReplaced;
    }
    return;
  }
  // Sets go before readings, which then read what was set.
  auto at = queue_.end();
  if (isSet(request.command))
    at = std::find_if(queue_.begin(), queue_.end(), [](const Request& r) { return !isSet(r.command); });
  queue_.insert(at, request);
  counters_.maxQueued = std::max(counters_.maxQueued, int(queue_.size()));
}

bool RigClient::setFrequency(qint64 hz) {
  if (!linked_ || hz <= 0 || hz > kMaxHz) return false;
  enqueue({Command::SetFrequency, hz, {}, 0});
  sendNext();
  return true;
}

bool RigClient::setMode(const QString& hamlibMode, int passbandHz) {
  const QByteArray name = hamlibMode.toLatin1().toUpper();
  if (!linked_ || !isModeName(name) || passbandHz < -1 || passbandHz > 1'000'000) return false;
  enqueue({Command::SetMode, 0, name, passbandHz});
  sendNext();
  return true;
}

void RigClient::sendNext() {
  if (!linked_ || inFlight_ || queue_.isEmpty()) return;
  const Request request = queue_.takeFirst();
  QByteArray bytes;
  switch (request.command) {
    case Command::SetFrequency: bytes = "+F " + QByteArray::number(request.hz) + '\n'; break;
    case Command::SetMode: bytes = "+M " + request.mode + ' ' + QByteArray::number(request.passband) + '\n'; break;
    case Command::GetFrequency: bytes = "+f\n"; break;
    case Command::GetMode: bytes = "+m\n"; break;
  }
  inFlight_ = request;
  answer_.clear();
  ++counters_.sent;
  roundTrip_.start();
  replyTimer_.start(timing_.replyTimeoutMs);
  socket_->write(bytes);
}

void RigClient::unreadable(QByteArrayView what) { linkLost(RigProblem::Unreadable, shown(what)); }

void RigClient::resetLink() {
  linked_ = false;
  connectTimer_.stop();
  replyTimer_.stop();
  pollTimer_.stop();
  queue_.clear();
  inFlight_.reset();
  buffer_.clear();
  answer_.clear();
  dropping_ = true;
  socket_->abort();
  dropping_ = false;
}

void RigClient::linkLost(RigProblem problem, const QString& detail) {
  resetLink();
  if (!running_) return;
  if (connectedFor_.isValid() && connectedFor_.elapsed() >= timing_.stableMs) nextWaitMs_ = timing_.firstRetryMs;
  connectedFor_.invalidate();
  const int wait = nextWaitMs_;
  nextWaitMs_ = std::min(nextWaitMs_ * 2, timing_.maxRetryMs);
  retryTimer_.start(wait);
  setStatus(statusOf(RigState::Error, problem, 0, wait, detail));
  forgetValues();
}

void RigClient::forgetValues() {
  setFrequencyValue(0);
  setModeValue({}, 0);
}

void RigClient::setStatus(const RigStatus& status) {
  if (status == status_) return;
  status_ = status;
  emit statusChanged(status_);
}

void RigClient::setFrequencyValue(qint64 hz) {
  if (hz == frequencyHz_) return;
  frequencyHz_ = hz;
  emit frequencyChanged(hz);
}

void RigClient::setModeValue(const QString& mode, int passband) {
  if (mode == mode_ && passband == passbandHz_) return;
  mode_ = mode;
  passbandHz_ = passband;
  emit modeChanged(mode, passband);
}

}  // namespace ktl
