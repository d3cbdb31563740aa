// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole files read and written by tests.
#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>

namespace ktl {

// The file's bytes; empty when it cannot be read.
inline QByteArray readFile(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The file's lines without their CR LF.
inline QList<QByteArray> fileLines(const QString& path) {
  QList<QByteArray> lines = readFile(path).split('\n');
  if (lines.last().isEmpty()) lines.removeLast();
  for (QByteArray& l : lines) l.chop(1);
  return lines;
}

inline bool writeFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

}  // namespace ktl
