#include "log/log_list_model.h"

#include "log/lines.h"
#include "log/log_file.h"
#include "log/qso_record.h"
#include "log/text_codec.h"

#include <QFile>
#include <QStringList>

#include <algorithm>

namespace ktl {

bool LogListModel::load(const QString& path) {
  QFile f(path);
  const bool missing = !f.exists();
  if (missing || !f.open(QIODevice::ReadOnly)) {
    clear();
    error_ = missing ? QString() : f.errorString();
    return missing;
  }
  return load(f);
}

bool LogListModel::load(QIODevice& device) {
  beginResetModel();
  starts_.clear();
  error_.clear();
  bool ok = true;
  if (device.isSequential()) {
    bytes_ = device.readAll();
  } else {
    // Read into exactly the size of the file: a million-QSO log takes its
    // 123 MB and no more (readAll and resize round up to a power of two).
    bytes_ = QByteArray(device.size() - device.pos(), Qt::Uninitialized);
    const qint64 got = device.read(bytes_.data(), bytes_.size());
    ok = got >= 0;
    bytes_.truncate(std::max<qint64>(got, 0));
    if (ok) bytes_ += device.readAll();  // what was added since the size was taken
  }
  const auto* file = qobject_cast<QFileDevice*>(&device);
  ok = ok && (!file || file->error() == QFileDevice::NoError);
  if (!ok) {
    error_ = device.errorString();
    bytes_.clear();
  }
  const char* data = bytes_.constData();
  starts_.reserve(bytes_.size() / (kLogLineWidth + 2) + 2);
  forEachLineIn(QByteArrayView(data, bytes_.size()),
                [this, data](QByteArrayView line) { starts_.append(line.data() - data); });
  starts_.append(bytes_.size());
  endResetModel();
  return ok;
}

void LogListModel::clear() {
  beginResetModel();
  bytes_.clear();
  starts_.clear();
  error_.clear();
  endResetModel();
}

int LogListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() || starts_.isEmpty() ? 0 : static_cast<int>(starts_.size() - 1);
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
  const qsizetype start = starts_.at(row);
  qsizetype end = starts_.at(row + 1);
  if (end > start && bytes_[end - 1] == '\n') --end;
  if (end > start && bytes_[end - 1] == '\r') --end;
  return QByteArrayView(bytes_.constData() + start, end - start);
}

QByteArray LogListModel::displayLine(int row) const {
  return toDisplayLine(logLine(row), row + 1, numberWidth());
}

int LogListModel::numberWidth() const { return numberWidthFor(rowCount()); }

}  // namespace ktl
