// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What every window of the program shares: the station whose log is open,
// the interface language, real-time or deferred entry, the log file and its
// QSO list, the QSO last selected in the list. Windows read it and listen to
// its signals; none of them reaches into another window.
#include "log/log_file.h"
#include "log/log_list_model.h"
#include "platform/settings_store.h"
#include "state/log_lock.h"
#include "state/rig_link.h"
#include "texts/language.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <optional>

namespace ktl {

inline const QString kNoStation = QStringLiteral("XXXXX");

class ProgramState : public QObject {
  Q_OBJECT
 public:
  ProgramState(SettingsStore& settings, QString dataDir, QObject* parent = nullptr);

  // The station: its stored form ("_" where the operator typed "/"), or
  // "XXXXX" while none has been chosen.
  QString stationCallsign() const { return station_; }
  bool hasStation() const { return station_ != kNoStation; }
  // As labels show it: "/" for every "_".
  static QString shownForm(QString storedCallsign);
  // Reads the stored station and its language (start-up). A stored station
  // that is no callsign (a settings file edited by hand) is not opened: the
  // program starts as at first use, and rejectedStation() tells the value.
  void loadFromSettings();
  const QString& rejectedStation() const { return rejectedStation_; }
  // Makes an accepted callsign the station: creates its empty log and its
  // band and mode positions when it has no log yet, stores the choice and
  // loads its log. On failure nothing changes; a name that fails the
  // station rule is refused as a log that cannot be written.
  LogResult changeStation(const QString& storedCallsign);

  Language language() const { return language_; }
  // Stores the language for the station and tells the windows. Other (an
  // unknown stored value) is never stored.
  void setLanguage(Language language);

  bool realTimeEntry() const { return realTimeEntry_; }
  void setRealTimeEntry(bool on);

  QString dataDir() const { return dataDir_; }
  QString logPath() const;
  LogListModel& logModel() { return model_; }
  const LogListModel& logModel() const { return model_; }
  // Rebuilds the QSO list from the log file, within the call: no other
  // event (a timer, a node's line) runs in the middle of a change of the
  // log. False (list empty, reason in `error`) when the file cannot be read.
  bool loadLog(QString* error = nullptr);

  // Whether this program may write the open log: only while it holds the
  // log's lock. Otherwise the log is shown read-only and readOnly() says
  // why (another program holds the lock, or the lock could not be tried).
  bool logWritable() const { return !readOnly_; }
  const std::optional<LogLock::Attempt>& readOnly() const { return readOnly_; }
  void setReadOnly(std::optional<LogLock::Attempt> why);

  // The station's radio, when one is set up and the program talks to it;
  // null otherwise. Owned by the program.
  RigLink* rig() const { return rig_; }
  void setRig(RigLink* rig) {
    rig_ = rig;
    emit rigChanged();
  }

  QByteArray selectedLine() const { return selectedLine_; }
  void setSelectedLine(const QByteArray& displayLine) { selectedLine_ = displayLine; }

  // Settings of the program: per-station keys in the current station's section.
  QString setting(const SettingKey& key) const { return settings_.read(key, station_); }
  bool saveSetting(const SettingKey& key, const QString& value) { return settings_.write(key, station_, value); }
  SettingsStore& settings() { return settings_; }


 signals:
  void stationChanged();
  void logAccessChanged();
  void rigChanged();
  void languageChanged();
  void realTimeEntryChanged(bool on);

 private:
  SettingsStore& settings_;
  QString dataDir_;
  LogListModel model_;
  QString station_ = kNoStation;
  QString rejectedStation_;
  std::optional<LogLock::Attempt> readOnly_;
  RigLink* rig_ = nullptr;
  Language language_ = Language::French;
  bool realTimeEntry_ = true;
  QByteArray selectedLine_;
};

}  // namespace ktl
