// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The QSO search: which QSOs of the list match a callsign, a reference or a
// country prefix, and the checks of the three search boxes.
#include "texts/texts.h"

#include <QByteArrayList>
#include <QList>
#include <QString>

#include <optional>

namespace ktl {

class LogListModel;

enum class SearchBy { Callsign, Reference, Country };

// The search text of a box as the search compares it: upper-cased for the
// callsign and the reference, only trimmed for the country.
QByteArray searchText(SearchBy by, const QString& boxText);

// Whether the QSO matches: the search text anywhere in its callsign (blanks
// around the callsign removed; an empty text matches every QSO), its whole
// reference equal to the text, or its country prefix equal to the text.
bool qsoMatches(QByteArrayView logLine, SearchBy by, QByteArrayView text);

// The list lines of the matching QSOs, in list order, numbered as the list
// numbers them now: one pass over the list.
QByteArrayList searchList(const LogListModel& list, SearchBy by, QByteArrayView text);

// The message Enter in a search box holding `text` shows, or nothing when the
// search may run: too long first (callsign 13 characters or more, reference
// 11, country 5), then empty.
std::optional<Msg> checkSearchBox(SearchBy box, const QString& text);

// The list line a result names: the number it carries, as a 0-based row;
// -1 when the line carries none.
int resultRow(QByteArrayView resultLine);

}  // namespace ktl
