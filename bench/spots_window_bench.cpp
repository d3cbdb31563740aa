// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ktl-spots-window-bench [SECONDS] [SPOTS PER SECOND]: the live-spot window
// of the real program against a node on the loopback that sends 1,000
// spots a second (by default) for 60 s, with a spot chosen by the operator
// after the first second. A thread of its own posts an event to the window
// every 20 ms and notes how long it waited; each probe also asks the
// table's accessibility interface for the chosen row's cells, as a screen
// reader does. It prints the waits (median, 95th percentile, largest),
// the resident memory along the way, the rows and waiting spots held,
// whether the chosen spot is still the one selected (and Enter takes it),
// and the warnings Qt printed. Run it under X with and without
// QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1: bench/spots_window.sh does both.
// Settings and the log go to a temporary folder. Figures only.
#include "app/program.h"
#include "bench.h"
#include "cluster/spots_window.h"
#include "platform/data_dir.h"
#include "log/qso_record.h"
#include "platform/desktop_platform.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTableView>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <mutex>
#include <vector>

namespace {

QElapsedTimer clock_;
qint64 nowNs() { return clock_.nsecsElapsed(); }

// The node: a spot line at the pace asked, on its own thread. The first
// spot is the one the operator will choose; the others come from 3,000
// callsigns on seven bands, a fifth with a castle.
class NodeThread : public QThread {
 public:
  int seconds = 60, rate = 1000;
  std::atomic<quint16> port{0};
  std::atomic<qint64> sent{0};

  static QByteArray line(qint64 n) {
    if (n == 0) return "DX de OK1KTL:     3542.0  VP2MUW       KTL OK-08815                   1230Z\r\n";
    static const char* const freqs[] = {"14025.0", "7012.5", "3555.0", "21285.0", "10116.0", "18080.0", "28400.0"};
    const qint64 call = (n * 7919) % 3000;
    // One spot in ten a castle of the log, one in ten a castle it lacks.
    QByteArray comment = n % 5 ? QByteArray("CQ 599") : "KTL OK-" + QByteArray::number((n % 10 ? 10000 : 16000) + call);
    return "DX de SK" + QByteArray::number(n % 40) + "-#:  " + freqs[n % 7] + "  Z" + QByteArray::number(call) +
           "AB  " + comment.leftJustified(30) + ' ' + QByteArray::number(1200 + (n / 60000) % 59) + "Z\r\n";
  }

  void run() override {
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    port = server.serverPort();
    if (!server.waitForNewConnection(20000)) return;
    QTcpSocket* peer = server.nextPendingConnection();
    QElapsedTimer t;
    t.start();
    qint64 n = 0;
    while (t.elapsed() < seconds * 1000LL && peer->state() == QAbstractSocket::ConnectedState) {
      const qint64 due = t.elapsed() * rate / 1000;
      QByteArray chunk;
      while (n < due) chunk += line(n++);
      if (!chunk.isEmpty()) peer->write(chunk);
      peer->waitForBytesWritten(50);
      sent = n;
      QThread::msleep(5);
    }
    peer->waitForBytesWritten(1000);
  }
};

// Posted from the probe thread; the window's thread notes the wait.
struct Probe : QEvent {
  explicit Probe(qint64 at) : QEvent(QEvent::User), postedNs(at) {}
  qint64 postedNs;
};

struct Receiver : QObject {
  std::vector<double> waitsMs, a11yMs;
  QTableView* table = nullptr;
  ktl::SpotsWindow* window = nullptr;
  bool event(QEvent* e) override {
    if (e->type() != QEvent::User) return QObject::event(e);
    waitsMs.push_back((nowNs() - static_cast<Probe*>(e)->postedNs) / 1e6);
    // What a screen reader asks: the chosen row's cells.
    const qint64 start = nowNs();
    if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(table)) {
      if (QAccessibleTableInterface* cells = iface->tableInterface()) {
        const int row = window->model().rowOf(window->model().pinned());
        if (row >= 0)
          for (int c = 0; c < cells->columnCount(); ++c)
            if (QAccessibleInterface* cell = cells->cellAt(row, c)) cell->text(QAccessible::Name);
      }
    }
    a11yMs.push_back((nowNs() - start) / 1e6);
    return true;
  }
};

double percentile(std::vector<double> v, double p) {
  if (v.empty()) return -1;
  std::sort(v.begin(), v.end());
  return v[std::min(v.size() - 1, std::size_t(p * double(v.size())))];
}

QStringList warnings;
std::mutex warningsLock;
void keepWarning(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtDebugMsg || type == QtInfoMsg) return;
  std::lock_guard lock(warningsLock);
  warnings << text;
}

struct BenchPlatform : ktl::DesktopPlatform {
  int notices = 0, sounds = 0;
  void notify(const QString&, const QString&) override { ++notices; }
  void alertSound() override { ++sounds; }
};

}  // namespace

int main(int argc, char** argv) {
  QTemporaryDir home;
  useFoldersIn(home.path());
  qInstallMessageHandler(keepWarning);
  QApplication app(argc, argv);
  clock_.start();
  NodeThread node;
  if (argc > 1) node.seconds = std::max(1, atoi(argv[1]));
  if (argc > 2) node.rate = std::max(1, atoi(argv[2]));
  node.start();
  while (node.port == 0) QThread::msleep(5);

  BenchPlatform platform;
  platform.settings().write(ktl::keys::StationCallsign, {}, QStringLiteral("F0ORB"));
  platform.settings().write(ktl::keys::SpotsHost, QStringLiteral("F0ORB"), QStringLiteral("127.0.0.1"));
  platform.settings().write(ktl::keys::SpotsPort, QStringLiteral("F0ORB"), QString::number(node.port));
  {
    QFile log(ktl::logFilePath(platform.dataDir(), QStringLiteral("F0ORB")));
    QDir().mkpath(platform.dataDir());
    // 20,000 QSOs, half the castles of the node's spots among them.
    QByteArray bytes;
    for (int i = 0; i < 20000; ++i) {
      const QByteArray call = "Z" + QByteArray::number(i % 3000) + "AB", number = QByteArray::number(10000 + i % 6000);
      bytes += ktl::toLogLine({call.constData(), "OK", number.constData(), false, "01/02/16", "10:00", "CW", "14 Mhz",
                               "59", "", false, "59"}) +
               "\r\n";
    }
    if (log.open(QIODevice::WriteOnly)) log.write(bytes);
  }
  ktl::Program program(platform);
  program.main.show();
  program.main.startUp();
  program.main.findChild<QAction*>(QStringLiteral("Mnu_Spots"))->trigger();
  auto* window = program.main.findChild<ktl::SpotsWindow*>();
  auto* table = window->findChild<QTableView*>(QStringLiteral("Liste_SP"));

  Receiver receiver;
  receiver.table = table;
  receiver.window = window;
  std::atomic<bool> probing{true};
  QThread* prober = QThread::create([&] {
    while (probing) {
      QCoreApplication::postEvent(&receiver, new Probe(nowNs()));
      QThread::msleep(20);
    }
  });
  prober->start();

  // The operator chooses the first spot once it is shown.
  quint64 chosen = 0;
  std::vector<double> memory;
  QElapsedTimer run;
  run.start();
  qint64 nextSample = 1000;
  while (node.isRunning() || run.elapsed() < qint64(node.seconds) * 1000) {
    QApplication::processEvents(QEventLoop::AllEvents, 50);
    if (!chosen) {
      for (int r = 0; r < table->model()->rowCount(); ++r)
        if (table->model()->index(r, ktl::SpotTableModel::DxCall).data().toString() == QLatin1String("VP2MUW")) {
          table->setFocus();
          table->setCurrentIndex(table->model()->index(r, 0));
          chosen = window->model().pinned();
        }
    }
    if (run.elapsed() >= nextSample) {
      memory.push_back(::residentMiB());
      nextSample += 1000;
    }
    if (run.elapsed() > qint64(node.seconds) * 1000 + 30000) break;
  }
  // What is left in the queue is taken in.

  for (int i = 0; i < 20; ++i) QApplication::processEvents(QEventLoop::AllEvents, 50);
  probing = false;
  prober->wait();
  delete prober;

  const int row = window->model().rowOf(chosen);
  const int selected = table->currentIndex().row();
  const QString selectedCall = table->model()->index(selected, ktl::SpotTableModel::DxCall).data().toString();

  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(table, &enter);
  const QString taken = program.main.findChild<QLineEdit*>(QStringLiteral("Ind_A"))->text();

  std::printf("accessibility %s; %d s at %d spots a second: %lld spots sent\n", QAccessible::isActive() ? "on" : "off",
              node.seconds, node.rate, static_cast<long long>(node.sent.load()));
  std::printf("  posted event waits (%zu probes): median %.1f ms, 95th percentile %.1f ms, 99th %.1f ms, largest %.1f ms\n",
              receiver.waitsMs.size(), percentile(receiver.waitsMs, 0.5), percentile(receiver.waitsMs, 0.95),
              percentile(receiver.waitsMs, 0.99), percentile(receiver.waitsMs, 1.0));
  std::printf("  accessibility reads of the chosen row: median %.2f ms, 95th percentile %.2f ms, largest %.2f ms\n",
              percentile(receiver.a11yMs, 0.5), percentile(receiver.a11yMs, 0.95), percentile(receiver.a11yMs, 1.0));
  const auto at = [&](std::size_t s) { return s - 1 < memory.size() ? memory[s - 1] : -1.0; };
  std::printf("  resident memory: %.1f MiB at 5 s, %.1f at 30 s, %.1f at 60 s, largest %.1f\n", at(5), at(30), at(60),
              memory.empty() ? -1.0 : *std::max_element(memory.begin(), memory.end()));
  std::printf("  rows held %lld (shown %d), spots waiting %lld, notices %d, sounds %d\n",
              static_cast<long long>(window->model().heldCount()), table->model()->rowCount(),
              static_cast<long long>(window->model().queued()), platform.notices, platform.sounds);
  std::printf("  chosen spot: %s; at row %d, the selected row %d holds %s; Enter took %s\n",
              chosen && window->model().pinned() == chosen ? "kept" : "LOST", row, selected, qPrintable(selectedCall),
              qPrintable(taken));
  std::lock_guard lock(warningsLock);
  QStringList distinct = warnings;
  distinct.removeDuplicates();
  std::printf("  warnings: %lld (%lld distinct)\n", static_cast<long long>(warnings.size()),
              static_cast<long long>(distinct.size()));
  for (const QString& w : distinct.mid(0, 10)) std::printf("    %s\n", qPrintable(w.left(200)));
  return 0;
}
