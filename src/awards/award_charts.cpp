// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "awards/award_charts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QImage>
#include <QLineSeries>
#include <QPainter>
#include <QPdfWriter>
#include <QValueAxis>

#include <algorithm>

namespace ktl {
namespace {

void clearChart(QChart* chart) {
  chart->removeAllSeries();
  for (QAbstractAxis* axis : chart->axes()) {
    chart->removeAxis(axis);
    delete axis;
  }
}

bool darkPalette(const QPalette& palette) { return palette.color(QPalette::Window).lightness() < 128; }

// The first day of a yyyymm month, as the chart's time axis counts it.
qreal monthTime(int yearMonth) {
  return qreal(QDateTime(QDate(yearMonth / 100, yearMonth % 100, 1), QTime(0, 0), Qt::UTC).toMSecsSinceEpoch());
}

int nextMonth(int yearMonth) { return yearMonth % 100 == 12 ? (yearMonth / 100 + 1) * 100 + 1 : yearMonth + 1; }

}  // namespace

QChartView* makeChartView(QWidget* parent) {
  auto* view = new QChartView(new QChart, parent);
  view->setRenderHint(QPainter::Antialiasing);
  view->setFocusPolicy(Qt::NoFocus);
  view->chart()->legend()->setAlignment(Qt::AlignBottom);
  followPalette(view, view->palette());
  return view;
}

void followPalette(QChartView* view, const QPalette& palette) {
  const QChart::ChartTheme theme = darkPalette(palette) ? QChart::ChartThemeDark : QChart::ChartThemeLight;
  if (view->chart()->theme() != theme) view->chart()->setTheme(theme);
}

void showMonths(QChartView* view, const std::vector<AwardTally::Month>& months, const ChartTexts& texts) {
  QChart* chart = view->chart();
  clearChart(chart);
  chart->setTitle(texts.title);
  auto* worked = new QLineSeries;
  auto* confirmed = new QLineSeries;
  worked->setName(texts.worked);
  confirmed->setName(texts.confirmed);
  int total = 0, totalConfirmed = 0;
  if (!months.empty()) {
    // Every month from the first to the last, months without a new castle
    // included, so the line steps where the count grew.
    QList<QPointF> w, c;
    auto it = months.begin();
    for (int m = months.front().yearMonth; m <= months.back().yearMonth; m = nextMonth(m)) {
      if (it != months.end() && it->yearMonth == m) {
        total += it->worked;
        totalConfirmed += it->confirmed;
        ++it;
      }
      w << QPointF(monthTime(m), total);
      c << QPointF(monthTime(m), totalConfirmed);
    }
    worked->replace(w);
    confirmed->replace(c);
  }
  chart->addSeries(worked);
  chart->addSeries(confirmed);
  auto* x = new QDateTimeAxis;
  x->setFormat(QStringLiteral("MM/yyyy"));
  if (!months.empty()) {
    x->setRange(QDateTime::fromMSecsSinceEpoch(qint64(monthTime(months.front().yearMonth)), Qt::UTC),
                QDateTime::fromMSecsSinceEpoch(qint64(monthTime(nextMonth(months.back().yearMonth))), Qt::UTC));
  }
  x->setTickCount(std::clamp(int(months.size()), 2, 8));
  auto* y = new QValueAxis;
  y->setLabelFormat(QStringLiteral("%d"));
  y->setRange(0, std::max(total, 1));
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);
  for (QLineSeries* s : {worked, confirmed}) {
    s->attachAxis(x);
    s->attachAxis(y);
  }
  view->setAccessibleName(texts.title);
}

void showCountries(QChartView* view, const std::vector<CountryBar>& bars, bool withList, const ChartTexts& texts) {
  QChart* chart = view->chart();
  clearChart(chart);
  chart->setTitle(texts.title);
  auto* worked = new QBarSet(texts.worked);
  auto* confirmed = new QBarSet(texts.confirmed);
  auto* listed = withList ? new QBarSet(texts.listed) : nullptr;
  QStringList categories;
  int most = 1;
  for (const CountryBar& b : bars) {
    categories << b.prefix;
    *worked << b.worked;
    *confirmed << b.confirmed;
    if (listed) *listed << b.listed;
    most = std::max({most, b.worked, withList ? b.listed : 0});
  }
  auto* series = new QBarSeries;
  series->append(worked);
  series->append(confirmed);
  if (listed) series->append(listed);
  chart->addSeries(series);
  auto* x = new QBarCategoryAxis;
  x->append(categories);
  auto* y = new QValueAxis;
  y->setLabelFormat(QStringLiteral("%d"));
  y->setRange(0, most);
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);
  series->attachAxis(x);
  series->attachAxis(y);
  view->setAccessibleName(texts.title);
}

namespace {

// Draws the chart laid out at `logical` size into `target` of the painter,
// as vector graphics, then lays it out again as it was: the view may be
// hidden in a tab that was never shown.
void renderChart(QChartView* view, QPainter& painter, const QRectF& target, const QSizeF& logical) {
  QChart* chart = view->chart();
  const QRectF before = chart->geometry();
  chart->setGeometry(QRectF(QPointF(0, 0), logical));
  if (chart->layout()) chart->layout()->activate();
  view->scene()->render(&painter, target, QRectF(QPointF(0, 0), logical));
  chart->setGeometry(before);
  if (chart->layout()) chart->layout()->activate();
}

}  // namespace

QByteArray chartPng(QChartView* view, QSize size) {
  if (size.isEmpty()) size = QSize(1000, 600);
  QImage image(size, QImage::Format_ARGB32);
  image.fill(view->chart()->backgroundBrush().color());
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderChart(view, painter, QRectF(image.rect()), QSizeF(size));
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

QByteArray chartsPdf(const QList<QChartView*>& views, const QString& title) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter pdf(&buffer);
  pdf.setTitle(title);
  pdf.setCreator(QStringLiteral("ORB_KTL"));
  pdf.setPageSize(QPageSize(QPageSize::A4));
  pdf.setPageOrientation(QPageLayout::Landscape);
  pdf.setResolution(150);
  QPainter painter(&pdf);
  bool first = true;
  for (QChartView* view : views) {
    if (!std::exchange(first, false)) pdf.newPage();
    const QRectF page = painter.viewport();
    renderChart(view, painter, page, QSizeF(1200, 1200.0 * page.height() / page.width()));
  }
  painter.end();
  return bytes;
}

}  // namespace ktl
