// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The radio through Hamlib's rigctld, over its network protocol: reads the
// rig's frequency and mode every poll interval, tunes it and sets its mode.
//
// One command is in flight at a time; what waits behind it is bounded by
// construction: at most one frequency to set, one mode to set, and one
// reading of each (a newer set replaces a waiting one of the same kind; a
// poll is skipped while a reading is still waiting or in flight).
//
// Everything runs on the calling thread from the socket's and the timers'
// signals; no call waits on the network. A rigctld that refuses, closes,
// stays silent past the reply timeout or answers what is no rigctld answer
// is a status (and the client connects again after growing waits: 2, 4, 8
// ... 60 s, back to 2 s after a connection that held); a Hamlib error
// answer (RPRT -n) is a status too, with the link kept. Signals come only
// when something changes.
//
// The commands use rigctld's extended answers ("+f"): every answer echoes
// its command and ends with "RPRT n", so an answer is always known to be
// whole and to belong to the command sent.
#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <optional>

class QTcpSocket;

namespace ktl {

enum class RigState {
  Disconnected,  // not started, or stopped
  Connecting,
  Connected,     // rigctld answers, and so does the rig
  Error,         // see RigStatus::problem
};

enum class RigProblem {
  None,
  Refused,       // nothing listens at the address: rigctld not running
  HostNotFound,  // the host name does not resolve
  NoAnswer,      // no connection, or no answer to a command, within the timeout
  Closed,        // rigctld closed the connection
  Unreadable,    // an answer that is no rigctld answer (detail: its start)
  RigError,      // rigctld answered a reading with a Hamlib error: the link is up
  Network,       // any other network failure (detail: the system's words)
};

struct RigStatus {
  RigState state = RigState::Disconnected;
  // In Error the reason; in Connecting the reason the last try failed.
  RigProblem problem = RigProblem::None;
  int hamlibError = 0;  // RigError: the code of "RPRT -n" (negative)
  int retryMs = 0;      // Error with the link down: the wait before the next try
  QString detail;
  bool operator==(const RigStatus&) const = default;
};

class RigClient : public QObject {
  Q_OBJECT
 public:
  struct Timing {
    int pollMs = 500;
    int replyTimeoutMs = 5000;  // rigctld itself waits on a slow rig before it answers
    int connectTimeoutMs = 5000;
    int firstRetryMs = 2000;
    int maxRetryMs = 60000;
    int stableMs = 60000;  // a connection held this long brings the waits back to the first
  };
  enum class Command { SetFrequency, SetMode, GetFrequency, GetMode };
  // Figures for measurements and tests.
  struct Counters {
    quint64 sent = 0;
    quint64 answered = 0;
    quint64 pollsSkipped = 0;
    quint64 setsReplaced = 0;
    int maxQueued = 0;  // the most commands ever waiting behind the one in flight
    qint64 roundTripUsTotal = 0;
    qint64 roundTripUsMax = 0;
  };
  // An answer line longer than this, or an answer of more lines, is no
  // rigctld answer to the commands sent.
  static constexpr qsizetype kMaxAnswerLine = 256;
  static constexpr int kMaxAnswerLines = 8;
  // Frequencies accepted from and sent to the rig, in Hz.
  static constexpr qint64 kMaxHz = 1'000'000'000'000;

  explicit RigClient(QObject* parent = nullptr);
  ~RigClient() override;

  // Changes apply at once (the poll interval) or from the next use.
  void setTiming(const Timing& timing);
  const Timing& timing() const { return timing_; }

  // Connects (again) to rigctld at `host`:`port` and keeps at it until stop().
  void start(const QString& host, quint16 port);
  void stop();

  // Tunes the rig / sets its mode (a Hamlib mode name such as "USB", "CW",
  // "PKTUSB"; passband in Hz, 0 the rig's default for the mode, -1 no
  // change). False, and nothing sent, while the link is down or for a value
  // out of range; a rig that refuses is told by setRefused().
  bool setFrequency(qint64 hz);
  bool setMode(const QString& hamlibMode, int passbandHz = 0);

  const RigStatus& status() const { return status_; }
  RigState state() const { return status_.state; }
  // Connected to rigctld (the rig itself may be failing: RigError).
  bool linkUp() const { return linked_; }
  QString address() const;  // "host:port"
  // The last values read from the rig: 0 and "" while unknown (not
  // connected, or the rig failed to tell).
  qint64 frequency() const { return frequencyHz_; }
  QString mode() const { return mode_; }
  int passband() const { return passbandHz_; }
  // Commands waiting behind the one in flight.
  int queued() const { return int(queue_.size()); }
  const Counters& counters() const { return counters_; }
  void resetCounters() { counters_ = {}; }

 signals:
  void statusChanged(const ktl::RigStatus& status);
  // 0: the frequency is no longer known.
  void frequencyChanged(qint64 hz);
  // "": the mode is no longer known.
  void modeChanged(const QString& hamlibMode, int passbandHz);
  // The rig answered a set with a Hamlib error (negative code).
  void setRefused(ktl::RigClient::Command command, int hamlibError);

 private:
  struct Request {
    Command command;
    qint64 hz = 0;
    QByteArray mode;
    int passband = 0;
  };

  void tryConnect();
  void onSocketState(int socketState);
  void onReadyRead();
  void handleLine(QByteArray line);
  void finishAnswer();
  void poll();
  bool pending(Command command) const;
  void enqueue(const Request& request);
  void sendNext();
  void answered(Command command, int hamlibError);
  void unreadable(QByteArrayView what);
  // The link is gone (or given up on): everything in flight is dropped and
  // the next try is set.
  void linkLost(RigProblem problem, const QString& detail = {});
  void resetLink();
  void forgetValues();
  void setStatus(const RigStatus& status);
  void setFrequencyValue(qint64 hz);
  void setModeValue(const QString& mode, int passband);

  QTcpSocket* socket_;
  QTimer pollTimer_;
  QTimer replyTimer_;
  QTimer connectTimer_;
  QTimer retryTimer_;
  QElapsedTimer connectedFor_;
  QElapsedTimer roundTrip_;
  Timing timing_;
  QString host_;
  quint16 port_ = 0;
  bool running_ = false;
  bool linked_ = false;
  bool dropping_ = false;  // the socket is being closed on purpose
  int nextWaitMs_ = 0;
  RigStatus status_;
  QList<Request> queue_;
  std::optional<Request> inFlight_;
  QByteArray buffer_;         // received, not yet cut into lines
  QList<QByteArray> answer_;  // lines of the answer being received
  int frequencyError_ = 0;    // the last reading's Hamlib code, 0 when it worked
  int modeError_ = 0;
  qint64 frequencyHz_ = 0;
  QString mode_;
  int passbandHz_ = 0;
  Counters counters_;
};

}  // namespace ktl
