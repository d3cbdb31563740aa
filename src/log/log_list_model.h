#pragma once
// The QSO list: the log file's lines held as one block of bytes, each row
// rendered as its list line only when a view asks for it. Loading a
// 100,000-QSO log is one read and one scan for line ends.
#include <QAbstractListModel>
#include <QByteArray>
#include <QIODevice>
#include <QList>

namespace ktl {

class LogListModel : public QAbstractListModel {
  Q_OBJECT
 public:
  using QAbstractListModel::QAbstractListModel;

  // Rebuilds the list from the file; a missing file gives an empty list.
  // Returns false (and leaves the list empty) when the file cannot be read.
  // The leftover of a rewrite cut short is removed (removeRewriteLeftover).
  bool load(const QString& path);
  // The same from an open device, read to its end.
  bool load(QIODevice& device);
  void clear();

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  QByteArrayView logLine(int row) const;
  QByteArray displayLine(int row) const;  // the row's list line, as bytes
  // The row as a screen reader announces it: its fields without padding.
  QString spokenLine(int row) const;
  int numberWidth() const;
  QString errorString() const { return error_; }

 private:
  QByteArray bytes_;
  // Where each line starts, and one past the last: a line runs to the next
  // start, its LF (and a CR before it) left out.
  QList<qsizetype> starts_;
  QString error_;
};

}  // namespace ktl
