#pragma once
// Per-user string settings addressed by application, section and key, kept
// in $XDG_CONFIG_HOME/<application>/<application>.ini. Every write is on
// disk when the call returns.
#include <QString>

namespace ktl {

inline const QString kApp = QStringLiteral("KTL");
inline const QString kCommonSection = QStringLiteral("Setup ");  // trailing blank intended
QString stationSection(const QString& callsign);                 // "Setup " + callsign

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual QString get(const QString& app, const QString& section, const QString& key, const QString& def) const;
  // Returns false when the store could not be written.
  virtual bool save(const QString& app, const QString& section, const QString& key, const QString& value);

  static QString fileFor(const QString& app);
};

}  // namespace ktl
