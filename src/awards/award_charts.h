// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The award's two charts, drawn by Qt Charts: castles worked and confirmed
// over time (cumulative, by month) and castles by country; each readable
// in a light and a dark desktop theme, and written as PNG or PDF bytes.
#include "awards/award_tally.h"

#include <QByteArray>
#include <QList>
#include <QSize>
#include <QString>

class QChartView;
class QPalette;
class QWidget;

namespace ktl {

struct ChartTexts {
  QString title, worked, confirmed, listed;
};

// A view with an empty chart, without a focus of its own.
QChartView* makeChartView(QWidget* parent = nullptr);

// Cumulative castles worked and confirmed at the end of each month, one
// point a month from the first to the last.
void showMonths(QChartView* view, const std::vector<AwardTally::Month>& months, const ChartTexts& texts);

struct CountryBar {
  QString prefix;
  int worked = 0, confirmed = 0, listed = 0;
};
// Worked and confirmed castles of each country, and with a list how many
// it has.
void showCountries(QChartView* view, const std::vector<CountryBar>& bars, bool withList, const ChartTexts& texts);

// The dark or light theme of the chart, as `palette` (the window's) is:
// its texts, axes and grid lines take the theme's colours.
void followPalette(QChartView* view, const QPalette& palette);

// The chart as a PNG picture of `size` (1000 x 600 when empty).
QByteArray chartPng(QChartView* view, QSize size = {});
// The charts as a PDF document, one A4 landscape page each.
QByteArray chartsPdf(const QList<QChartView*>& views, const QString& title);

}  // namespace ktl
