// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The QSO list of Main in its frame: the header line and the list itself,
// one line per QSO of the open log, in a fixed-pitch font.
#include <QGroupBox>
#include <QLabel>

#include <functional>

class QKeyEvent;

class QListView;

namespace ktl {

class LogListModel;

class QsoList : public QGroupBox {
  Q_OBJECT
 public:
  explicit QsoList(LogListModel& model, QWidget* parent = nullptr);

  void setHeader(const QString& text);
  // Makes `row` the current line without announcing it as the operator's
  // choice; the caller runs the selection handling itself.
  void selectQuietly(int row);
  QListView* view() const { return Liste_KTL; }
  // Which keys typed on the list are the start of a callsign.
  void setCallsignKeys(std::function<bool(const QKeyEvent&)> rule) { startsCallsign_ = std::move(rule); }

 signals:
  // The operator chose a line: a click, or the arrow keys.
  void rowChosen(int row);
  // A double click or Enter on a line; -1 when no line was under it.
  void rowOpened(int row);
  // The Delete key on the list.
  void deleteRequested();
  // A key that starts a callsign (see setCallsignKeys) typed on the list.
  void typedAside(const QString& text);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* Label_Liste_KTL;  // ColumnHeadings
  QListView* Liste_KTL;
  bool quiet_ = false;
  std::function<bool(const QKeyEvent&)> startsCallsign_;
};

}  // namespace ktl
