// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rig/rigctld_link.h"

#include "rig/rig_texts.h"

#include <QStringList>

namespace ktl {

QString rigctldWords(const QString& output, int maxLines) {
  QStringList lines;
  for (QStringView line : QStringView(output).split(u'\n')) {
    const QString text = line.trimmed().toString();
    if (!text.isEmpty() && !lines.contains(text)) lines << text;
  }
  return lines.mid(std::max<qsizetype>(0, lines.size() - maxLines)).join(u'\n');
}

RigctldLink::RigctldLink(const RigSettings& settings, RigDaemon* daemon, const RigClient::Timing& timing,
                         QObject* parent)
    : RigLink(parent), settings_(settings), daemon_(daemon) {
  RigClient::Timing t = timing;
  t.pollMs = settings.pollMs;
  client_.setTiming(t);
  connect(&client_, &RigClient::statusChanged, this, &RigctldLink::onStatus);
  connect(&client_, &RigClient::frequencyChanged, this, [this](qint64 hz) {
    heard_ = heard_ || hz > 0;
    emit changed();
  });
  connect(&client_, &RigClient::modeChanged, this, [this](const QString& mode) {
    heard_ = heard_ || !mode.isEmpty();
    emit changed();
  });
  connect(&client_, &RigClient::setRefused, this, [this](RigClient::Command command, int code) {
    refused_ = std::pair{command, code};
    emit changed();
  });
  if (daemon_) {
    connect(daemon_, &RigDaemon::stateChanged, this, &RigctldLink::onDaemonState);
    onDaemonState();
  } else {
    client_.start(settings_.connectHost(), settings_.port);
  }
}

bool RigctldLink::daemonFailed() const { return daemon_ && daemon_->state() == RigDaemon::State::Failed; }

void RigctldLink::onDaemonState() {
  switch (daemon_->state()) {
    case RigDaemon::State::Running:
      // rigctld may still be opening the rig's port: the client tries again.
      if (client_.state() == RigState::Disconnected) client_.start(settings_.connectHost(), settings_.port);
      break;
    case RigDaemon::State::Failed:
      client_.stop();
      if (!std::exchange(troubleTold_, true)) emit daemonTrouble(true, rigctldWords(daemon_->lastOutput()));
      break;
    case RigDaemon::State::Starting:
      troubleTold_ = false;
      client_.stop();
      break;
    case RigDaemon::State::Stopped: client_.stop(); break;
  }
  emit changed();
}

void RigctldLink::onStatus() {
  refused_.reset();
  const RigStatus& s = client_.status();
  if (!client_.linkUp()) heard_ = false;
  // Our rigctld runs but cannot serve: a device that is not there, a rig
  // switched off or on another speed. What it printed says why.
  const bool failing = s.state == RigState::Error && (s.problem == RigProblem::Closed ||
                                                      s.problem == RigProblem::NoAnswer ||
                                                      s.problem == RigProblem::RigError);
  if (failing && daemon_ && daemon_->state() == RigDaemon::State::Running && !troubleTold_) {
    const QString words = rigctldWords(daemon_->lastOutput());
    if (!words.isEmpty()) {
      troubleTold_ = true;
      emit daemonTrouble(false, words);
    }
  }
  emit changed();
}

bool RigctldLink::linkUp() const { return client_.linkUp() && heard_ && !daemonFailed(); }

bool RigctldLink::inTrouble() const {
  return daemonFailed() || client_.state() == RigState::Error || refused_.has_value();
}

QString RigctldLink::statusText(int language) const {
  const Language shown = spoken(Language(language));
  if (daemon_ && daemon_->state() == RigDaemon::State::Starting)
    return pick(rigText(RigText::DaemonStarting), shown).arg(settings_.model);
  if (daemonFailed()) {
    // The short line takes the first of rigctld's words; the box gave them all.
    const QString words = rigctldWords(daemon_->lastOutput());
    return pick(rigText(RigText::DaemonEnded), shown).arg(words.section(u'\n', 0, 0));
  }
  // Connected, but nothing read yet: still connecting, as far as anyone
  // can tell (a rigctld that never answers is never shown connected).
  const RigStatus status = client_.state() == RigState::Connected && !heard_ ? RigStatus{RigState::Connecting, {}, 0, 0, {}}
                                                                              : client_.status();
  QString text = rigStatusText(status, client_.address(), shown);
  if (refused_) text += QStringLiteral(" ; ") + setRefusedText(refused_->first, refused_->second, shown);
  return text;
}

bool RigctldLink::tune(qint64 hz, const QString& hamlibMode) {
  if (refused_) {
    refused_.reset();
    emit changed();
  }
  if (!linkUp() || !client_.setFrequency(hz)) return false;
  return hamlibMode.isEmpty() || client_.setMode(hamlibMode, 0);
}

}  // namespace ktl
