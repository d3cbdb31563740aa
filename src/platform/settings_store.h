#pragma once
// Per-user string settings addressed by application, section and key, kept
// in one INI file that the platform chooses ($XDG_CONFIG_HOME/KTL/KTL.ini on
// the desktop). Every write is on disk when the call returns.
#include "platform/settings_keys.h"

#include <QString>

namespace ktl {

inline const QString kApp = QStringLiteral("KTL");
inline const QString kCommonSection = QStringLiteral("Setup ");  // trailing blank intended
QString stationSection(const QString& callsign);                 // "Setup " + callsign

class SettingsStore {
 public:
  explicit SettingsStore(QString file);
  virtual ~SettingsStore() = default;

  // A value by section and key (the application is always KTL, whose file
  // this is): `def` when the key is absent.
  virtual QString get(const QString& section, const QString& key, const QString& def) const;
  // Returns false when the store could not be written.
  virtual bool save(const QString& section, const QString& key, const QString& value);

  // A key of the program: the common section, or the section of `station`
  // for a per-station key.
  QString read(const SettingKey& key, const QString& station) const;
  bool write(const SettingKey& key, const QString& station, const QString& value);

  const QString& file() const { return file_; }
  // $XDG_CONFIG_HOME/<app>/<app>.ini, or ~/.config/<app>/<app>.ini.
  static QString defaultFile(const QString& app = kApp);

 private:
  QString file_;
};

}  // namespace ktl
