// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/column_headings.h"

#include <QListView>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>

namespace ktl {

ColumnHeadings::ColumnHeadings(QListView* list, std::span<const int> columns, QWidget* parent)
    : QLabel(parent), list_(list), columns_(columns.begin(), columns.end()) {
  // As wide as the list lets it be: the header never widens the window.
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  connect(list_->horizontalScrollBar(), &QScrollBar::valueChanged, this, qOverload<>(&QWidget::update));
}

QSize ColumnHeadings::sizeHint() const { return {0, fontMetrics().height() + contentsMargins().top() + contentsMargins().bottom()}; }
QSize ColumnHeadings::minimumSizeHint() const { return sizeHint(); }

qreal ColumnHeadings::columnX(int column) const {
  // The list draws each line from the left of its viewport, after the item
  // margin of its style, scrolled by its horizontal offset.
  const QPoint viewport = list_->viewport()->mapTo(window(), QPoint()) - mapTo(window(), QPoint());
  const int itemMargin = list_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list_) + 1;
  const qreal advance = QFontMetricsF(list_->font()).horizontalAdvance(QLatin1Char('0'));
  return viewport.x() + itemMargin - list_->horizontalScrollBar()->value() + (column - 1) * advance;
}

void ColumnHeadings::paintEvent(QPaintEvent* event) {
  // The headings are the words of the text; the castle-name heading is the
  // words between the sent report and QSL.
  const QStringList words = text().split(QLatin1Char(' '), Qt::SkipEmptyParts);
  if (words.size() < int(columns_.size()) || columns_.size() < 11) {
    QLabel::paintEvent(event);  // not a header line: shown as it is
    return;
  }
  QStringList headings = words.mid(0, 9);
  headings << QStringList(words.mid(9, words.size() - 10)).join(QLatin1Char(' ')) << words.last();
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::WindowText));
  const QRect area = contentsRect();
  const QFontMetricsF fm(font());
  for (int i = 0; i < headings.size(); ++i) {
    qreal x = columnX(columns_[i] + shift_);
    if (i == 0) x -= fm.horizontalAdvance(headings[0]);
    painter.drawText(QRectF(x, area.top(), fm.horizontalAdvance(headings[i]) + 1, area.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, headings[i]);
  }
}


void ColumnHeadings::setShift(int columns) {
  shift_ = columns;
  update();
}

}  // namespace ktl
