// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench.h"

#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <malloc.h>
#include <cstdio>
#include <vector>

double medianMs(int runs, const std::function<void()>& fn, const std::function<void()>& setup) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    if (setup) setup();
    QElapsedTimer t;
    t.start();
    fn();
    times.push_back(t.nsecsElapsed() / 1e6);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

double residentMiB() {
  QFile f(QStringLiteral("/proc/self/statm"));
  if (!f.open(QIODevice::ReadOnly)) return 0;
  const QList<QByteArray> parts = f.readAll().split(' ');
  if (parts.size() < 2) return 0;
  return parts[1].toDouble() * 4096.0 / (1024.0 * 1024.0);
}

double heapInUseMiB() {
  const struct mallinfo2 m = mallinfo2();
  return double(m.uordblks + m.hblkhd) / (1024.0 * 1024.0);
}

void resetPeakResident() {
  QFile f(QStringLiteral("/proc/self/clear_refs"));
  if (f.open(QIODevice::WriteOnly)) f.write("5");
}

double peakResidentMiB() {
  QFile f(QStringLiteral("/proc/self/status"));
  if (!f.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : f.readAll().split('\n'))
    if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
  return 0;
}

qint64 plainRead(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return -1;
  QByteArray block(1 << 20, Qt::Uninitialized);
  qint64 total = 0, got;
  while ((got = f.read(block.data(), block.size())) > 0) total += got;
  return total;
}

void report(const QString& what, double value, const char* unit) {
  std::printf("%-60s %10.2f %s\n", qPrintable(what), value, unit);
  std::fflush(stdout);
}
