// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/settings_store.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTimer>

#include <cerrno>
#include <unistd.h>

namespace ktl {

QString stationSection(const QString& callsign) { return kCommonSection + callsign; }

SettingsStore::SettingsStore(QString file) : file_(std::move(file)) {}

SettingsStore::~SettingsStore() {
  if (pending_) flush();
}

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

// Why the settings file cannot be written, in the system's words: the file
// or the first folder on its way that refuses.
QString whyUnwritable(const QString& file) {
  const QByteArray name = QFile::encodeName(file);
  if (::access(name.constData(), F_OK) == 0) {
    if (QFileInfo(file).isDir()) return qt_error_string(EISDIR);
    if (::access(name.constData(), W_OK) != 0) return qt_error_string(errno);
  }
  QString folder = QFileInfo(file).absolutePath();
  while (!QFileInfo::exists(folder) && folder != QFileInfo(folder).absolutePath())
    folder = QFileInfo(folder).absolutePath();
  if (!QFileInfo(folder).isDir()) return qt_error_string(ENOTDIR);
  if (::access(QFile::encodeName(folder).constData(), W_OK) != 0) return qt_error_string(errno);
  return qt_error_string(EIO);
}
}  // namespace

QSettings& SettingsStore::store() const {
  if (!settings_) settings_ = std::make_unique<QSettings>(file_, QSettings::IniFormat);
  return *settings_;
}

QString SettingsStore::get(const QString& section, const QString& key, const QString& def) const {
  // A value not written yet (gathered, or kept by a failed write) is the one in use.
  const QString at = address(section, key);
  if (const auto kept = unwritten_.find(at); kept != unwritten_.end()) return kept->second;
  return store().value(at, def).toString();
}

bool SettingsStore::save(const QString& section, const QString& key, const QString& value) {
  const QString at = address(section, key);
  const auto kept = unwritten_.find(at);
  const bool same = kept != unwritten_.end() ? kept->second == value
                                             : store().contains(at) && store().value(at).toString() == value;
  if (same) return true;
  // Kept here until the write: handed to QSettings now, it would write the
  // file itself at the next turn of the event loop, once per change.
  unwritten_[at] = value;
  pending_ = true;
  if (gatherMs_ <= 0) return flush();
  if (!timer_) {
    timer_ = std::make_unique<QTimer>();
    timer_->setSingleShot(true);
    QObject::connect(timer_.get(), &QTimer::timeout, timer_.get(), [this] { flush(); });
  }
  if (!timer_->isActive()) timer_->start(gatherMs_);
  return true;
}

bool SettingsStore::flush() {
  if (timer_) timer_->stop();
  pending_ = false;
  QSettings& s = store();
  for (const auto& [at, value] : unwritten_) s.setValue(at, value);
  s.sync();
  if (s.status() == QSettings::NoError) {
    unwritten_.clear();
    return true;
  }
  // The values stay in use; the next write tries the file again, afresh.
  settings_.reset();
  if (writeFailed_) writeFailed_(whyUnwritable(file_));
  return false;
}

QString SettingsStore::read(const SettingKey& key, const QString& station) const {
  return get(sectionOf(key, station), QString::fromLatin1(key.name), QString::fromLatin1(key.fallback));
}

bool SettingsStore::write(const SettingKey& key, const QString& station, const QString& value) {
  return save(sectionOf(key, station), QString::fromLatin1(key.name), value);
}

}  // namespace ktl
