// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The rig client against Hamlib's dummy rig (rigctld -m 1 on the loopback):
// the round trip of a reading while polling as fast as the rig answers,
// and a flood of set requests (what the caller pays per request, how many
// commands wait at most, how many reach rigctld, and how long until the
// rig is where the last request asked).
#include "bench.h"

#include "rig/rig_client.h"
#include "rig/rig_daemon.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {
using namespace ktl;

// Runs the event loop until `done` or `timeoutMs`; false on time out.
bool runUntil(const std::function<bool()>& done, int timeoutMs) {
  QElapsedTimer t;
  t.start();
  QEventLoop loop;
  while (!done()) {
    if (t.elapsed() > timeoutMs) return false;
    loop.processEvents(QEventLoop::WaitForMoreEvents, 10);
  }
  return true;
}

void runFor(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

BenchRegistrar reg(60, "rig", [](const BenchContext& ctx) {
  if (QStandardPaths::findExecutable(QStringLiteral("rigctld")).isEmpty()) {
    std::printf("rigctld not found (libhamlib-utils): nothing measured\n");
    return;
  }
  quint16 port = 0;
  {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    port = probe.serverPort();
  }
  RigDaemon daemon;
  RigDaemonSettings settings;
  settings.port = port;
  daemon.start(settings);
  const bool up = runUntil(
      [port] {
        QTcpSocket s;
        s.connectToHost(QHostAddress::LocalHost, port);
        const bool ok = s.waitForConnected(100);
        if (!ok) QThread::msleep(50);
        return ok;
      },
      5000);
  if (!up) {
    std::printf("rigctld did not start: %s\n", qPrintable(daemon.lastOutput()));
    return;
  }

  RigClient client;
  RigClient::Timing timing;
  timing.pollMs = 0;  // a reading whenever the last one is answered
  client.setTiming(timing);
  client.start(QStringLiteral("127.0.0.1"), port);
  if (!runUntil([&client] { return client.frequency() > 0; }, 5000)) {
    std::printf("no connection to rigctld\n");
    return;
  }
  client.resetCounters();
  const int ms = ctx.quick ? 1000 : 3000;
  runFor(ms);
  const RigClient::Counters& polled = client.counters();
  report(QStringLiteral("readings answered by the dummy rig in %1 ms").arg(ms), double(polled.answered), "");
  report(QStringLiteral("round trip of a reading (mean)"),
         double(polled.roundTripUsTotal) / double(std::max<quint64>(polled.answered, 1)), "us");
  report(QStringLiteral("round trip of a reading (max)"), double(polled.roundTripUsMax), "us");

  // The flood, at the default poll interval.
  client.setTiming(RigClient::Timing{});
  const int requests = ctx.quick ? 10000 : 100000;
  client.resetCounters();
  QElapsedTimer t;
  t.start();
  for (int i = 1; i <= requests; ++i) {
    client.setFrequency(14000000 + i);
    client.setMode(i % 2 ? QStringLiteral("CW") : QStringLiteral("USB"), 0);
  }
  const double callsUs = double(t.nsecsElapsed()) / 1000.0 / (2.0 * requests);
  const qint64 last = 14000000 + requests;
  const bool settled = runUntil([&client, last] { return client.frequency() == last; }, 10000);
  report(QStringLiteral("%1 frequency and %1 mode requests: per request").arg(requests), callsUs, "us");
  report(QStringLiteral("most commands waiting behind the one in flight"), double(client.counters().maxQueued), "");
  report(QStringLiteral("commands sent to rigctld for the flood (sets and readings)"),
         double(client.counters().sent), "");
  report(settled ? QStringLiteral("until the rig reads the last frequency")
                 : QStringLiteral("the rig never read the last frequency; gave up after"),
         double(t.nsecsElapsed()) / 1e6, "ms");
  client.stop();
  daemon.stop();  // and its destructor waits for rigctld to end
});

}  // namespace
