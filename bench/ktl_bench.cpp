// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ktl-bench [--quick] [--million] [section...]: prints the time of the log and ADIF operations on
// generated logs. Figures only; nothing here passes or fails.
#include "bench.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <map>
#include <utility>

namespace {
std::multimap<int, std::pair<const char*, BenchFn>>& registry() {
  static std::multimap<int, std::pair<const char*, BenchFn>> r;
  return r;
}
}  // namespace

BenchRegistrar::BenchRegistrar(int order, const char* name, BenchFn fn) {
  registry().emplace(order, std::make_pair(name, std::move(fn)));
}

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QTemporaryDir tmp;
  BenchContext ctx;
  ctx.workDir = tmp.path();
  ctx.quick = app.arguments().contains(QStringLiteral("--quick"));
  ctx.million = app.arguments().contains(QStringLiteral("--million"));
  // The shared folder sits beside the checkout; the binary is in build/.
  const QDir exeDir(QCoreApplication::applicationDirPath());
  for (const QString& rel : {QStringLiteral("../../shared"), QStringLiteral("../shared")}) {
    const QString p = QDir::cleanPath(exeDir.filePath(rel));
    if (QFileInfo::exists(p)) {
      ctx.sharedDir = p;
      break;
    }
  }
  // Names after the options choose sections ("log", "views"...); none: all.
  QStringList chosen = app.arguments().mid(1);
  chosen.removeIf([](const QString& a) { return a.startsWith(QLatin1Char('-')); });
  for (auto& [order, entry] : registry()) {
    if (!chosen.isEmpty() && !chosen.contains(QString::fromLatin1(entry.first))) continue;
    std::printf("== %s\n", entry.first);
    entry.second(ctx);
  }
  return 0;
}
