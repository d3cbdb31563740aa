// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/lines_model.h"

#include "log/text_codec.h"

namespace ktl {

void LinesModel::setLines(QByteArrayList lines) {
  beginResetModel();
  lines_ = std::move(lines);
  endResetModel();
}

int LinesModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QVariant LinesModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= lines_.size()) return {};
  if (role == Qt::DisplayRole) return fromFileBytes(lines_.at(index.row()));
  if (role == Qt::AccessibleTextRole) return fromFileBytes(lines_.at(index.row())).simplified();
  return {};
}

}  // namespace ktl
