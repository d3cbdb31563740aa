// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Per-user string settings addressed by application, section and key, kept
// in one INI file that the platform chooses ($XDG_CONFIG_HOME/KTL/KTL.ini on
// the desktop). The file is read once and kept in memory; a value written is
// there for every later read at once. A write that changes nothing does not
// touch the file. The file itself is written at once (the command line,
// tests), or, in the window, gathered and written a moment later, so that
// no key the operator types waits on the disk.
#include "platform/settings_keys.h"

#include <QString>

#include <functional>
#include <map>
#include <memory>

class QSettings;
class QTimer;

namespace ktl {

inline const QString kApp = QStringLiteral("KTL");
inline const QString kCommonSection = QStringLiteral("Setup ");  // trailing blank intended
QString stationSection(const QString& callsign);                 // "Setup " + callsign

class SettingsStore {
 public:
  explicit SettingsStore(QString file);
  virtual ~SettingsStore();  // what is pending is written
  SettingsStore(const SettingsStore&) = delete;
  SettingsStore& operator=(const SettingsStore&) = delete;

  // A value by section and key (the application is always KTL, whose file
  // this is): `def` when the key is absent.
  virtual QString get(const QString& section, const QString& key, const QString& def) const;
  // False when the file could not be written (at once only; a gathered
  // write reports its failure through onWriteFailed).
  virtual bool save(const QString& section, const QString& key, const QString& value);

  // A key of the program: the common section, or the section of `station`
  // for a per-station key.
  QString read(const SettingKey& key, const QString& station) const;
  bool write(const SettingKey& key, const QString& station, const QString& value);

  // Changes are written together `milliseconds` after the first of them
  // (needs an event loop); 0 writes each at once.
  void gatherWrites(int milliseconds) { gatherMs_ = milliseconds; }
  // Writes what is pending now; false when the file could not be written.
  bool flush();
  // Told of every failed write of the file, with the reason.
  void onWriteFailed(std::function<void(const QString& reason)> handler) { writeFailed_ = std::move(handler); }

  const QString& file() const { return file_; }
  // $XDG_CONFIG_HOME/<app>/<app>.ini, or ~/.config/<app>/<app>.ini.
  static QString defaultFile(const QString& app = kApp);

 private:
  QSettings& store() const;
  QString file_;
  mutable std::unique_ptr<QSettings> settings_;
  std::map<QString, QString> unwritten_;  // by "section/key", since the last write of the file
  std::unique_ptr<QTimer> timer_;
  int gatherMs_ = 0;
  bool pending_ = false;
  std::function<void(const QString&)> writeFailed_;
};

}  // namespace ktl
