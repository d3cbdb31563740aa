// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The QSO list: where each line of the log file starts, and the file kept
// open; a line is read from the file when it is asked for, in a piece of a
// few thousand lines at a time, and rendered as its list line only when a
// view asks for it. Loading a log is one pass over the file for its line
// ends; a 1,000,000-QSO log costs 8 MB of line starts and one piece, not
// its 123 MB.
//
// The file stays the one loaded until the next load: a log replaced by a
// rewrite (a new file renamed over it) is still read as it was; a file cut
// shorter by another program gives its lines as far as they go.
#include <QAbstractListModel>
#include <QByteArray>
#include <QFile>
#include <QIODevice>

#include <vector>

namespace ktl {

class LogListModel : public QAbstractListModel {
  Q_OBJECT
 public:
  using QAbstractListModel::QAbstractListModel;

  // Rebuilds the list from the file; a missing file gives an empty list.
  // Returns false (and leaves the list empty) when the file cannot be read.
  bool load(const QString& path);
  // The same from an open device, read to its end and held whole.
  bool load(QIODevice& device);
  void clear();

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  // The row's log line, without its line end. The view is valid until the
  // next call (which may read another piece of the file).
  QByteArrayView logLine(int row) const;
  QByteArray displayLine(int row) const;  // the row's list line, as bytes
  // The row as a screen reader announces it: its fields without padding.
  QString spokenLine(int row) const;
  int numberWidth() const;
  QString errorString() const { return error_; }

 private:
  void reset();
  // Makes the piece in hand hold the bytes [from, to) of the file, or as
  // much of them as the file still has.
  void readPiece(qint64 from, qint64 to) const;

  // Where each line starts, and one past the last: a line runs to the next
  // start, its LF (and a CR before it) left out.
  std::vector<qint64> starts_;
  mutable QFile file_;      // the log, when loaded from a file
  mutable QByteArray piece_;  // the lines read last (or the whole content, loaded from a device)
  mutable qint64 pieceAt_ = 0;
  QString error_;
};

}  // namespace ktl
