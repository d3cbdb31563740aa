// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rig/rig_daemon.h"

#include <utility>

#ifdef Q_OS_LINUX
#include <sys/prctl.h>

#include <csignal>
#endif

namespace ktl {

namespace {

// A process of ours ends with the program, even one that crashed.
void endWithParent(QProcess& process) {
#ifdef Q_OS_LINUX
  process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
#else
  Q_UNUSED(process);
#endif
}

// The start of the `count` words that end `line`, or -1 when it has fewer.
qsizetype lastWordsStart(QStringView line, int count) {
  qsizetype at = line.size();
  for (int i = 0; i < count; ++i) {
    while (at > 0 && line[at - 1].isSpace()) --at;
    if (at == 0) return -1;
    while (at > 0 && !line[at - 1].isSpace()) --at;
  }
  return at;
}

}  // namespace

QList<RigModel> parseRigModels(QStringView listing) {
  QList<RigModel> models;
  qsizetype mfgColumn = -1, modelColumn = -1;
  QStringList trailing;  // the header's columns after "Model"
  for (QStringView line : listing.split(u'\n')) {
    if (line.endsWith(u'\r')) line.chop(1);
    if (modelColumn < 0) {
      mfgColumn = line.indexOf(u"Mfg");
      modelColumn = line.indexOf(u"Model", mfgColumn < 0 ? 0 : mfgColumn);
      if (mfgColumn < 0 || modelColumn < 0 || !line.contains(u"Rig")) {
        modelColumn = -1;
        continue;
      }
      trailing = line.sliced(modelColumn + 5).toString().split(u' ', Qt::SkipEmptyParts);
      continue;
    }
    const QStringView trimmed = line.trimmed();
    const qsizetype numberLength = trimmed.indexOf(u' ');
    if (numberLength <= 0) continue;
    const qsizetype numberEnd = (trimmed.data() - line.data()) + numberLength;
    bool numeric = false;
    const int number = trimmed.first(numberLength).toInt(&numeric);
    if (!numeric || number <= 0) continue;
    const qsizetype tail = lastWordsStart(line, int(trailing.size()));
    if (tail <= numberEnd) continue;
    RigModel model;
    model.number = number;
    const int statusAt = int(trailing.indexOf(QStringLiteral("Status")));
    if (statusAt >= 0) model.status = line.sliced(tail).toString().split(u' ', Qt::SkipEmptyParts).value(statusAt);
    if (modelColumn <= numberEnd || modelColumn >= tail) continue;
    model.manufacturer = line.sliced(numberEnd, modelColumn - numberEnd).trimmed().toString();
    model.name = line.sliced(modelColumn, tail - modelColumn).trimmed().toString();
    models.append(model);
  }
  return models;
}

QStringList rigDaemonArguments(const RigDaemonSettings& settings) {
  QStringList args{QStringLiteral("-m"), QString::number(settings.model)};
  if (!settings.device.isEmpty()) args << QStringLiteral("-r") << settings.device;
  if (settings.speed > 0) args << QStringLiteral("-s") << QString::number(settings.speed);
  args << QStringLiteral("-t") << QString::number(settings.port) << QStringLiteral("-T") << QStringLiteral("127.0.0.1")
       << QStringLiteral("-vv");
  return args;
}

RigDaemon::RigDaemon(QObject* parent) : QObject(parent) {}

RigDaemon::~RigDaemon() {
  // This one and any still stopping.
  for (QProcess* p : findChildren<QProcess*>(Qt::FindDirectChildrenOnly)) {
    p->disconnect(this);
    if (p->state() == QProcess::NotRunning) continue;
    p->terminate();
    if (!p->waitForFinished(1000)) {
      p->kill();
      p->waitForFinished(1000);
    }
  }
}

void RigDaemon::setState(State state) {
  if (state == state_) return;
  state_ = state;
  emit stateChanged(state);
}

void RigDaemon::start(const RigDaemonSettings& settings) {
  stop();
  if (stopping_ && stopping_->state() != QProcess::NotRunning) {
    pending_ = settings;
    setState(State::Starting);
    connect(stopping_.data(), &QProcess::finished, this, &RigDaemon::launchPending, Qt::UniqueConnection);
    return;
  }
  launch(settings);
}

void RigDaemon::launchPending() {
  if (auto settings = std::exchange(pending_, std::nullopt)) launch(*settings);
}

void RigDaemon::launch(const RigDaemonSettings& settings) {
  output_.clear();
  startError_.clear();
  exitCode_ = 0;
  auto* p = new QProcess(this);
  process_ = p;
  p->setProcessChannelMode(QProcess::MergedChannels);
  endWithParent(*p);
  connect(p, &QProcess::readyRead, this, [this, p] {
    output_ += p->readAll();
    if (output_.size() > kOutputKept) output_ = output_.right(kOutputKept);
  });
  connect(p, &QProcess::started, this, [this] { setState(State::Running); });
  connect(p, &QProcess::errorOccurred, this, [this, p](QProcess::ProcessError error) {
    if (error != QProcess::FailedToStart) return;
    startError_ = p->errorString();
    finishWith(p);
  });
  connect(p, &QProcess::finished, this, [this, p](int code) {
    output_ += p->readAll();
    if (output_.size() > kOutputKept) output_ = output_.right(kOutputKept);
    exitCode_ = code;
    finishWith(p);
  });
  setState(State::Starting);
  p->start(settings.program, rigDaemonArguments(settings));
}

void RigDaemon::finishWith(QProcess* process) {
  if (process != process_) return;
  process_ = nullptr;
  process->disconnect(this);
  process->deleteLater();
  setState(State::Failed);
}

void RigDaemon::stop() {
  pending_.reset();
  if (QProcess* p = std::exchange(process_, nullptr)) {
    p->disconnect(this);
    if (p->state() == QProcess::NotRunning) {
      p->deleteLater();
    } else {
      connect(p, &QProcess::finished, p, &QObject::deleteLater);
      stopping_ = p;
      p->terminate();
      QTimer::singleShot(kStopGraceMs, p, [p] { p->kill(); });
    }
  }
  setState(State::Stopped);
}

QString RigDaemon::lastOutput() const {
  if (!startError_.isEmpty()) return startError_;
  QByteArray kept = output_;
  // The start of what was kept may be the end of a line.
  if (kept.size() >= kOutputKept) kept.remove(0, kept.indexOf('\n') + 1);
  return QString::fromLocal8Bit(kept).trimmed();
}

RigModelQuery::RigModelQuery(QObject* parent) : QObject(parent) {
  endWithParent(process_);
  connect(&process_, &QProcess::readyReadStandardOutput, this, [this] {
    output_ += process_.readAllStandardOutput();
    // A listing is some tens of kilobytes; anything far larger is no listing.
    if (output_.size() > 4 * 1024 * 1024) process_.kill();
  });
  connect(&process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
    if (error == QProcess::FailedToStart) emit finished({}, process_.errorString());
  });
  connect(&process_, &QProcess::finished, this, [this](int code, QProcess::ExitStatus status) {
    output_ += process_.readAllStandardOutput();
    const QList<RigModel> models = parseRigModels(QString::fromLocal8Bit(std::exchange(output_, {})));
    QString error;
    if (models.isEmpty())
      error = status == QProcess::NormalExit ? QStringLiteral("%1 -l: exit code %2").arg(process_.program()).arg(code)
                                             : process_.errorString();
    emit finished(models, error);
  });
}

RigModelQuery::~RigModelQuery() {
  process_.disconnect(this);
  if (process_.state() != QProcess::NotRunning) {
    process_.kill();
    process_.waitForFinished(1000);
  }
}

void RigModelQuery::start(const QString& program) {
  if (process_.state() != QProcess::NotRunning) return;
  output_.clear();
  process_.setProcessChannelMode(QProcess::SeparateChannels);
  process_.start(program, {QStringLiteral("-l")});
}

}  // namespace ktl
