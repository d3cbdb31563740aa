// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A list of ready-made text lines (Windows-1252 bytes) for a list view: the
// results and reports that windows build once and show as they are.
#include <QAbstractListModel>
#include <QByteArrayList>

namespace ktl {

class LinesModel : public QAbstractListModel {
  Q_OBJECT
 public:
  using QAbstractListModel::QAbstractListModel;

  void setLines(QByteArrayList lines);
  const QByteArrayList& lines() const { return lines_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  // The line as shown; a screen reader gets it without its padding blanks.
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 private:
  QByteArrayList lines_;
};

}  // namespace ktl
