#include "platform/settings_store.h"

#include <QDir>
#include <QSettings>

namespace ktl {

QString stationSection(const QString& callsign) { return kCommonSection + callsign; }

SettingsStore::SettingsStore(QString file) : file_(std::move(file)) {}

QString SettingsStore::defaultFile(const QString& app) {
  QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (base.isEmpty()) base = QDir::homePath() + QStringLiteral("/.config");
  return base + QLatin1Char('/') + app + QLatin1Char('/') + app + QStringLiteral(".ini");
}

namespace {
// Section and key are joined with "/", which QSettings reads as a group.
QString address(const QString& section, const QString& key) { return section + QLatin1Char('/') + key; }

QString sectionOf(const SettingKey& key, const QString& station) {
  return key.scope == SettingKey::Common ? kCommonSection : stationSection(station);
}
}  // namespace

QString SettingsStore::get(const QString& section, const QString& key, const QString& def) const {
  QSettings s(file_, QSettings::IniFormat);
  return s.value(address(section, key), def).toString();
}

bool SettingsStore::save(const QString& section, const QString& key, const QString& value) {
  QSettings s(file_, QSettings::IniFormat);
  s.setValue(address(section, key), value);
  s.sync();
  return s.status() == QSettings::NoError;
}

QString SettingsStore::read(const SettingKey& key, const QString& station) const {
  return get(sectionOf(key, station), QString::fromLatin1(key.name), QString::fromLatin1(key.fallback));
}

bool SettingsStore::write(const SettingKey& key, const QString& station, const QString& value) {
  return save(sectionOf(key, station), QString::fromLatin1(key.name), value);
}

}  // namespace ktl
