// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// rigctld started and stopped by the program for the operator's rig, and
// the rig models Hamlib knows (from "rigctl -l"), for choosing one.
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <optional>

namespace ktl {

struct RigModel {
  int number = 0;        // what "rigctld -m" takes
  QString manufacturer;  // "Icom"
  QString name;          // "IC-7300"
  QString status;        // Hamlib's word for its support: "Stable", "Beta", "Alpha"...
  bool operator==(const RigModel&) const = default;
};

// The models of "rigctl -l"'s listing: a header naming the columns ("Rig
// #", "Mfg", "Model", then one word a column), then one line a model with
// its number first. The manufacturer's column is placed by the header;
// the model's name is read up to the last columns, so a name that
// overflows its column (rigctl then leaves a single blank) is read whole.
// Lines that do not start with a number are left out; a listing without
// the header gives nothing.
QList<RigModel> parseRigModels(QStringView listing);

struct RigDaemonSettings {
  int model = 1;       // 1: Hamlib's dummy rig
  QString device;      // "/dev/ttyUSB0", "COM3", "host:port"; empty: the model's default
  int speed = 0;       // serial speed in baud; 0: the model's default
  quint16 port = 4532;
  QString program = QStringLiteral("rigctld");
};

// rigctld's arguments for `settings`: listening on the loopback only
// (rigctld asks for no password), and telling its warnings (a device that
// cannot be opened, a rig that does not answer), which are its own words
// when it fails.
QStringList rigDaemonArguments(const RigDaemonSettings& settings);

class RigDaemon : public QObject {
  Q_OBJECT
 public:
  enum class State {
    Stopped,   // never started, or stopped on request
    Starting,
    Running,
    Failed,    // could not start, or ended by itself: see lastOutput()
  };
  // What rigctld gets after a stop request before it is killed.
  static constexpr int kStopGraceMs = 2000;
  // What is kept of rigctld's output: its last bytes.
  static constexpr qsizetype kOutputKept = 2048;

  explicit RigDaemon(QObject* parent = nullptr);
  // rigctld is told to stop and given up to a second to close the rig's
  // port, then killed: the program never leaves one behind.
  ~RigDaemon() override;

  // Starts rigctld; a running one is stopped first, and the new one starts
  // once the old one has ended (it may hold the port or the rig's device).
  // Never waits.
  void start(const RigDaemonSettings& settings);
  // Asks rigctld to stop (SIGTERM), kills it after kStopGraceMs. Never waits.
  void stop();

  State state() const { return state_; }
  // The program's words when it could not be started, or the last lines
  // rigctld printed (why it ended, or what goes wrong), whole lines only.
  QString lastOutput() const;
  // The exit code when it ended by itself.
  int exitCode() const { return exitCode_; }
  qint64 processId() const { return process_ ? process_->processId() : 0; }

 signals:
  void stateChanged(ktl::RigDaemon::State state);

 private:
  void setState(State state);
  void finishWith(QProcess* process);
  void launch(const RigDaemonSettings& settings);
  void launchPending();

  QProcess* process_ = nullptr;
  QPointer<QProcess> stopping_;  // the one asked to stop, until it ends
  std::optional<RigDaemonSettings> pending_;  // to start once it has
  State state_ = State::Stopped;
  QByteArray output_;
  QString startError_;
  int exitCode_ = 0;
};

// "rigctl -l" run in the background.
class RigModelQuery : public QObject {
  Q_OBJECT
 public:
  explicit RigModelQuery(QObject* parent = nullptr);
  ~RigModelQuery() override;
  void start(const QString& program = QStringLiteral("rigctl"));

 signals:
  // The models, or none and why.
  void finished(const QList<ktl::RigModel>& models, const QString& error);

 private:
  QProcess process_;
  QByteArray output_;
};

}  // namespace ktl
