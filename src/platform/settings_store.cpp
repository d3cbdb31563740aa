#include "platform/settings_store.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace ktl {

QString stationSection(const QString& callsign) { return kCommonSection + callsign; }

QString SettingsStore::fileFor(const QString& app) {
  QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (base.isEmpty()) base = QDir::homePath() + QStringLiteral("/.config");
  return base + QLatin1Char('/') + app + QLatin1Char('/') + app + QStringLiteral(".ini");
}

namespace {
// Section and key are joined with "/", which QSettings reads as a group.
QString address(const QString& section, const QString& key) { return section + QLatin1Char('/') + key; }
}  // namespace

QString SettingsStore::get(const QString& app, const QString& section, const QString& key, const QString& def) const {
  QSettings s(fileFor(app), QSettings::IniFormat);
  return s.value(address(section, key), def).toString();
}

bool SettingsStore::save(const QString& app, const QString& section, const QString& key, const QString& value) {
  QSettings s(fileFor(app), QSettings::IniFormat);
  s.setValue(address(section, key), value);
  s.sync();
  return s.status() == QSettings::NoError;
}

}  // namespace ktl
