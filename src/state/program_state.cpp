// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "state/program_state.h"

#include "platform/data_dir.h"
#include "state/station_name.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace ktl {

ProgramState::ProgramState(SettingsStore& settings, QString dataDir, QObject* parent)
    : QObject(parent), settings_(settings), dataDir_(std::move(dataDir)) {}

QString ProgramState::shownForm(QString storedCallsign) { return storedCallsign.replace(QLatin1Char('_'), QLatin1Char('/')); }

void ProgramState::loadFromSettings() {
  station_ = settings_.read(keys::StationCallsign, {});
  rejectedStation_.clear();
  if (station_ != kNoStation && !isStationName(station_)) {
    rejectedStation_ = station_;
    station_ = kNoStation;
  }
  // The language of the station known now: at first use, that of "XXXXX".
  language_ = languageFromSetting(setting(keys::Language));
}

LogResult ProgramState::changeStation(const QString& storedCallsign) {
  if (!isStationName(storedCallsign)) return {LogResult::WriteFailed, QStringLiteral("not a station callsign")};
  const QString path = logFilePath(dataDir_, storedCallsign);
  if (!QFileInfo::exists(path)) {
    const LogResult created = createEmptyLog(path);
    if (!created.ok()) return created;
    settings_.write(keys::StationCallsign, storedCallsign, storedCallsign);
    settings_.write(keys::BandUsed, storedCallsign, QStringLiteral("0"));
    settings_.write(keys::ModeUsed, storedCallsign, QStringLiteral("0"));
  } else {
    settings_.write(keys::StationCallsign, storedCallsign, storedCallsign);
  }
  station_ = storedCallsign;
  // The line chosen in the previous station's list names no QSO of this log.
  selectedLine_.clear();
  QString error;
  const bool loaded = loadLog(&error);
  emit stationChanged();
  if (!loaded) return {LogResult::ReadFailed, error};
  return {};
}

void ProgramState::setLanguage(Language language) {
  if (language == Language::Other) return;
  language_ = language;
  saveSetting(keys::Language, settingFromLanguage(language));
  emit languageChanged();
}

void ProgramState::setRealTimeEntry(bool on) {
  realTimeEntry_ = on;
  emit realTimeEntryChanged(on);
}

void ProgramState::setReadOnly(std::optional<LogLock::Attempt> why) {
  const auto same = [](const std::optional<LogLock::Attempt>& a, const std::optional<LogLock::Attempt>& b) {
    if (!a || !b) return !a && !b;
    return a->status == b->status && a->holder.pid == b->holder.pid && a->holder.role == b->holder.role &&
           a->detail == b->detail;
  };
  if (same(readOnly_, why)) return;
  readOnly_ = std::move(why);
  emit logAccessChanged();
}

QString ProgramState::logPath() const { return logFilePath(dataDir_, station_); }

bool ProgramState::loadLog(QString* error) {
  const bool ok = model_.load(logPath());
  if (!ok && error) *error = model_.errorString();
  return ok;
}

}  // namespace ktl
