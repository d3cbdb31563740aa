// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The heading line over a fixed-pitch list: its text stays the heading line
// as the operators know it (what a screen reader reads), but each heading
// is painted over the column of the list it names, measured in the list's
// own font and following the list's horizontal scrolling, so the words
// stand over their columns at any font and dpi.
//
// The headings are the words of the text; the tenth is the words between
// the ninth and the last (the castle's name, in every language). The first
// stands right-justified before its column (a number right-justified in
// the columns before it).
#include <QLabel>

#include <span>
#include <vector>

class QListView;

namespace ktl {

class ColumnHeadings : public QLabel {
  Q_OBJECT
 public:
  // `columns`: the 1-based list column each heading stands at, in order.
  ColumnHeadings(QListView* list, std::span<const int> columns, QWidget* parent = nullptr);
  // Every column moved by `columns` (a list numbered on one more column).
  void setShift(int columns);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // Left edge, in this label, of the list's 1-based column `column`.
  qreal columnX(int column) const;
  QListView* list_;
  std::vector<int> columns_;
  int shift_ = 0;
};

}  // namespace ktl
