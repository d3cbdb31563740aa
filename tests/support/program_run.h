// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The built program (KTL_PROGRAM) run as a script runs it, over a data
// folder and settings of a temporary folder: no display is given, so any
// window would end the run.
#include "platform/settings_store.h"
#include "test_files.h"

#include <QtCore>

namespace ktl {

struct Run {
  int code = -1;
  QString out, err;
};

// Station F0ORB, English, with `log` as its log.
struct ProgramFolder {
  QTemporaryDir tmp;
  const QString data = tmp.filePath("data");
  explicit ProgramFolder(const QByteArray& log = "") {
    QDir().mkpath(data);
    writeFile(data + "/F0ORB_KTL.log", log);
    save(kCommonSection, "Indicatif Station", "F0ORB");
    save(stationSection("F0ORB"), "Language", "Anglais");
  }
  void save(const QString& section, const QString& key, const QString& value) const {
    SettingsStore(tmp.filePath("config/KTL/KTL.ini")).save(section, key, value);
  }
  QByteArray log() const {
    const QString path = data + "/F0ORB_KTL.log";
    return QFile::exists(path) ? readFile(path) : QByteArray("<missing>");
  }
  // A run with the locale variables as given ("LANG=C.UTF-8"), no other;
  // `input` on its standard input.
  Run run(const QStringList& args, const QStringList& locale = {"LANG=C.UTF-8"}, const QByteArray& input = {}) const {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("KTL_DATA_DIR", data);
    env.insert("XDG_CONFIG_HOME", tmp.filePath("config"));
    for (const char* var : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LC_ALL", "LC_MESSAGES", "LANG"})
      env.remove(var);
    for (const QString& v : locale) env.insert(v.section('=', 0, 0), v.section('=', 1));
    p.setProcessEnvironment(env);
    p.start(KTL_PROGRAM, args);
    p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit) return {};
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
  }
};

}  // namespace ktl
