// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The checks behind the Enter key of each entry field of Main. They decide
// only which message to show, if any; the window shows it and keeps the
// focus in the field.
#include <QChar>
#include <QStringView>

#include <optional>

#include "texts/texts.h"

namespace ktl {

// The entry fields in chain order, named as the window names them (QSL_A
// has no check).
enum class EntryField { Ind_A, Type_A, Ref_A, Date_A, Heure_A, Mode_A, Bande_A, RST_A, RST_B, Rem_A, QSL_A };
inline constexpr int kEntryFieldCount = int(EntryField::QSL_A) + 1;

// dd/mm/yy: eight characters, ASCII digits and two slashes, day at most 31,
// month at most 12. No lower bound and no calendar: 00/00/00 and 31/02/16
// are accepted.
bool verifDate(QStringView text);
// HH:MM: five characters, ASCII digits and a colon, hours at most 23,
// minutes at most 59.
bool verifHeure(QStringView text);

// The message Enter in `field` holding `text` must show, or nothing when the
// next field may open. Checked in this order: empty, too long (counted in
// characters), then the field's own format (date, time, readability of RST).
std::optional<Msg> checkField(EntryField field, QStringView text);

}  // namespace ktl
