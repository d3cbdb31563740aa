// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Hamlib's rigctld for the rig tests: the dummy rig (model 1, the real
// protocol) on a free loopback port, and rigctl talking to it from the
// outside. A rigctld that cannot be found or started fails the test.
#include <QTest>
#include <QtNetwork>

#include <sys/prctl.h>

#include <csignal>

namespace ktl {

// A loopback port nothing listens on just now.
inline quint16 freePort() {
  QTcpServer probe;
  return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
}

// Waits until something accepts connections on `port`.
inline bool listening(quint16 port, int timeoutMs = 5000) {
  const auto up = [port] {
    QTcpSocket s;
    s.connectToHost(QHostAddress::LocalHost, port);
    return s.waitForConnected(100) || (QTest::qWait(50), false);
  };
  return QTest::qWaitFor(up, timeoutMs);
}

struct Rigctld {
  QProcess process;
  quint16 port = 0;
  QString error = QStringLiteral("rigctld not found: scripts/install-deps.sh installs libhamlib-utils");

  // Starts the dummy rig on `port` (a free one when 0) and waits until it
  // listens.
  bool start(quint16 wanted = 0) {
    const QString program = QStandardPaths::findExecutable(QStringLiteral("rigctld"));
    if (program.isEmpty()) return false;
    port = wanted ? wanted : freePort();
    // Ends with the test, even one that crashed.
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, {"-m", "1", "-t", QString::number(port), "-T", "127.0.0.1"});
    error = QStringLiteral("rigctld did not start on port %1").arg(port);
    return process.waitForStarted(5000) && listening(port);
  }
  void kill() {
    process.kill();
    process.waitForFinished(5000);
  }
  ~Rigctld() { kill(); }
};

// rigctl through rigctld ("NET rigctl", model 2): what it prints, trimmed
// and with its lines joined by blanks.
inline QString rigctl(quint16 port, const QStringList& command) {
  QProcess p;
  p.start(QStringLiteral("rigctl"), QStringList{"-m", "2", "-r", QStringLiteral("127.0.0.1:%1").arg(port)} + command);
  if (!p.waitForFinished(10000)) return QStringLiteral("(rigctl hung)");  // killed on leaving
  return QString::fromLatin1(p.readAllStandardOutput()).simplified();
}

}  // namespace ktl
