#include "log/log_list_model.h"

#include "log/lines.h"
#include "log/qso_record.h"
#include "log/text_codec.h"

#include <QFile>
#include <QStringList>

namespace ktl {

bool LogListModel::load(const QString& path) {
  beginResetModel();
  bytes_.clear();
  lines_.clear();
  error_.clear();
  QFile f(path);
  bool ok = true;
  if (f.exists()) {
    if (f.open(QIODevice::ReadOnly)) {
      bytes_ = f.readAll();
      if (f.error() != QFileDevice::NoError) ok = false;
    } else {
      ok = false;
    }
    if (!ok) {
      error_ = f.errorString();
      bytes_.clear();
    }
  }
  const char* data = bytes_.constData();
  lines_.reserve(bytes_.size() / (kLogLineWidth + 2) + 1);
  forEachLineIn(QByteArrayView(data, bytes_.size()), [this, data](QByteArrayView line) {
    lines_.append({line.data() - data, line.size()});
  });
  endResetModel();
  return ok;
}

void LogListModel::clear() {
  beginResetModel();
  bytes_.clear();
  lines_.clear();
  endResetModel();
}

int LogListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QVariant LogListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= lines_.size()) return {};
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
  const Span s = lines_.at(row);
  return QByteArrayView(bytes_.constData() + s.start, s.length);
}

QByteArray LogListModel::displayLine(int row) const {
  return toDisplayLine(logLine(row), row + 1, numberWidth());
}

int LogListModel::numberWidth() const { return numberWidthFor(lines_.size()); }

}  // namespace ktl
