// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Main: the entry window and hub of the program. It composes the QSO entry
// and the QSO list, shows the station and the clocks, runs the start-up and
// routes the menus to the windows they open.
#include <QList>
#include <QMainWindow>
#include <QMargins>

#include "texts/language.h"

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QShortcut;
class QTimer;

namespace ktl {

class EntryForm;
class Platform;
class ProgramState;
class QsoList;
class WindowOpener;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  MainWindow(ProgramState& state, Platform& platform, WindowOpener& windows, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The start-up sequence: settings, first-use station choice, splash, log.
  void startUp();

  EntryForm& entryForm() { return *form_; }
  // A QSO of the list shown in the entry, as a click on it does.
  void selectRow(int row);
  // After an import: the splash, the list reloaded, the last QSO selected.
  void reloadAfterImport();

  // 840 x 520 at 96 dpi, grown with the screen's dpi and to what the
  // controls need.
  QSize designSize() const;

 signals:
  // The start-up is done: the station and its settings are known.
  void startedUp();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // Step 1 of the start-up: the place and size remembered, or the design
  // size centred, kept on the screen the operator has now.
  void placeOnScreen();
  QMargins frameAllowance() const;
  // Alt and a letter of each menu's caption opens it; rebuilt with the captions.
  void bindMenuKeys();
  void buildTop(QWidget* central);
  void buildMenus();
  QAction* windowItem(QMenu* menu, const char* name, const QString& caption, int window);
  void clockTick();
  void applyLanguage();
  void showStation();
  // The state line under the entry: why the log is read-only, when it is.
  void showLogAccess();
  void exportLog();
  // The rig's line under the entry, shown while a rig is in use: the
  // frequency and mode, and the connection's state.
  void attachRig();
  void showRig();

  ProgramState& state_;
  Platform& platform_;
  WindowOpener& windows_;
  EntryForm* form_;
  QsoList* list_;

  QLabel *dateEntryCaption_, *utcTime_, *localTime_, *utcDate_, *stationCallsign_, *stationCaption_, *logAccessLine_;
  QWidget* rigLine_;
  QLabel *rigFrequency_, *rigState_;
  QMetaObject::Connection rigChanges_;
  QTimer* clockTimer_;
  QActionGroup *languages_, *dateEntry_;
  QList<QShortcut*> menuKeys_;
  QAction *frenchItem_, *englishItem_, *italianItem_, *germanItem_, *realTimeItem_, *deferredItem_;
};

}  // namespace ktl
