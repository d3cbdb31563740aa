// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/log_list_model.h"

#include "log/lines.h"
#include "log/log_file.h"
#include "log/qso_record.h"
#include "log/text_codec.h"

#include <QFile>
#include <QStringList>

#include <algorithm>
#include <cstring>

namespace ktl {

namespace {

// A piece of the file read at once: a few thousand lines, a screenful and
// far more, one read for a view, a few hundred for a pass over a large log.
constexpr qint64 kPieceBytes = 256 * 1024;

}  // namespace

void LogListModel::reset() {
  starts_.clear();
  file_.close();
  piece_.clear();
  pieceAt_ = 0;
  error_.clear();
}

bool LogListModel::load(const QString& path) {
  beginResetModel();
  reset();
  file_.setFileName(path);
  const bool missing = !file_.exists();
  if (missing || !file_.open(QIODevice::ReadOnly)) {
    error_ = missing ? QString() : file_.errorString();
    file_.close();
    endResetModel();
    return missing;
  }
  // One pass for the line ends, a large block at a time; a line ends at LF,
  // and a last line without one is a line all the same.
  const qint64 size = file_.size();
  starts_.reserve(size / (kLogLineWidth + 2) + 2);
  QByteArray block(std::min<qint64>(std::max<qint64>(size, 1), 1 << 20), Qt::Uninitialized);
  qint64 at = 0, lineStart = 0;
  bool ok = true;
  for (;;) {
    const qint64 got = file_.read(block.data(), block.size());
    if (got < 0) ok = false;
    if (got <= 0) break;
    const char* p = block.constData();
    const char* end = p + got;
    while (const void* lf = std::memchr(p, '\n', end - p)) {
      starts_.push_back(lineStart);
      lineStart = at + (static_cast<const char*>(lf) - block.constData()) + 1;
      p = static_cast<const char*>(lf) + 1;
    }
    at += got;
  }
  if (ok && lineStart < at) starts_.push_back(lineStart);
  starts_.push_back(at);
  if (!ok) {
    error_ = file_.errorString();
    starts_.clear();
    file_.close();
  }
  endResetModel();
  return ok;
}

bool LogListModel::load(QIODevice& device) {
  beginResetModel();
  reset();
  piece_ = device.readAll();
  const auto* file = qobject_cast<QFileDevice*>(&device);
  if (file && file->error() != QFileDevice::NoError) {
    error_ = device.errorString();
    piece_.clear();
  }
  const char* data = piece_.constData();
  starts_.reserve(piece_.size() / (kLogLineWidth + 2) + 2);
  forEachLineIn(QByteArrayView(data, piece_.size()),
                [this, data](QByteArrayView line) { starts_.push_back(line.data() - data); });
  starts_.push_back(piece_.size());
  endResetModel();
  return error_.isEmpty();
}

void LogListModel::clear() {
  beginResetModel();
  reset();
  endResetModel();
}

void LogListModel::readPiece(qint64 from, qint64 to) const {
  const qint64 size = std::max(to - from, kPieceBytes);
  piece_.resize(size);
  pieceAt_ = from;
  qint64 got = -1;
  if (file_.seek(from)) got = file_.read(piece_.data(), size);
  piece_.truncate(std::max<qint64>(got, 0));
}

int LogListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || starts_.empty() ? 0 : static_cast<int>(starts_.size() - 1);
}

QVariant LogListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  if (role == Qt::DisplayRole || role == Qt::ToolTipRole) return fromFileBytes(displayLine(index.row()));
  if (role == Qt::AccessibleTextRole) return spokenLine(index.row());
  return {};
}

QString LogListModel::spokenLine(int row) const {
  // A screen reader reads the fields, not the blanks that align them: the
  // number, then each field that holds something, separated by ", ", the
  // reference as one word and "QSL" for a card received.
  const QByteArray line = displayLine(row);
  const QsoRecord q = fromDisplayLine(line);
  QStringList fields{fromFileBytes(line.left(7)).trimmed()};
  const auto add = [&fields](const QByteArray& bytes) {
    const QString text = fromFileBytes(bytes).trimmed();
    if (!text.isEmpty()) fields << text;
  };
  add(q.callsign);
  add(q.countryPrefix.trimmed() + '-' + q.castleNumber.trimmed());
  for (const QByteArray* f : {&q.qsoDate, &q.qsoTime, &q.mode, &q.band, &q.rstReceived, &q.rstSent, &q.castleName})
    add(*f);
  if (q.qslReceived) fields << QStringLiteral("QSL");
  return fields.join(QStringLiteral(", "));
}

QByteArrayView LogListModel::logLine(int row) const {
  const qint64 start = starts_.at(row), next = starts_.at(row + 1);
  // A file's piece in hand holds the line, or the next piece is read from
  // the line on (the lines of a view, of a pass, come in order).
  if (file_.isOpen() && (start < pieceAt_ || next > pieceAt_ + piece_.size())) readPiece(start, next);
  const qint64 from = std::min<qint64>(start - pieceAt_, piece_.size());
  qint64 end = std::min<qint64>(next - pieceAt_, piece_.size());
  if (end > from && piece_[end - 1] == '\n') --end;
  if (end > from && piece_[end - 1] == '\r') --end;
  return QByteArrayView(piece_.constData() + from, end - from);
}

QByteArray LogListModel::displayLine(int row) const {
  return toDisplayLine(logLine(row), row + 1, numberWidth());
}

int LogListModel::numberWidth() const { return numberWidthFor(rowCount()); }

}  // namespace ktl
