// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A QSO's full record beside its log line: the ADIF fields the line's
// columns cannot hold (the exact frequency, mode and submode, band, grid,
// comment, SIG, QSL fields, any other tag), kept per QSO in a companion
// store (src/extras) and read back by the standard export.
//
// A QSO is found again by the text of its line: the key is the line as the
// sort writes it (121 columns, the repeat mark of column 24 and the
// separators blank), so the sort, the import's merge and every rewrite of
// the log keep it. The n-th line of the log with a given text takes the
// n-th record stored for that text, in the order they were stored:
// identical lines are interchangeable, so only how many of them have a
// record matters.
//
// Fields are kept as ADIF text, "<TAG:length>value" one after the other
// (tags in capitals, values as the file had them, lengths in bytes), so a
// stored record reads like the record it came from.
#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <functional>

namespace ktl {

struct AdifField {
  QByteArray tag;    // capitals
  QByteArray value;  // bytes as read, blanks and tabs around removed; never empty
  bool operator==(const AdifField&) const = default;
};
using AdifFields = QList<AdifField>;

// The key of a log line: its 121 columns as the sorted log holds them.
QByteArray qsoKey(QByteArrayView logLine);
// A 64-bit digest of a key (FNV-1a), the same on every run and machine,
// for an index that finds the key's records quickly.
qint64 qsoKeyHash(QByteArrayView key);

// The fields of one record as read from a file (the text of the record as
// the reader gathers it, line ends removed, in its own letter case). A
// value is taken by its length where the length fits: followed by blanks
// up to the next tag. A length that counts characters instead of bytes
// (UTF-8) is tried next. Otherwise the value runs to the next "<", as the
// import reads every field, except that text after a blank past the length
// is a note of the writing program and not part of the value ("SM //
// Smolenskaya oblast'" gives "SM"). Empty values, <EOR> and <EOH> are not
// fields.
AdifFields readAdifFields(QByteArrayView recordText);

// The same straight into the stored form (below), without the list: what
// the import stores per record.
void appendStoredFieldsOf(QByteArrayView recordText, QByteArray& stored);

// Fields as stored, and back. parseStoredFields() reads what
// storedFields() wrote; anything else gives the fields read up to the
// first damage.
QByteArray storedFields(const AdifFields& fields);
AdifFields parseStoredFields(QByteArrayView stored);
// The value of a tag in stored fields (first occurrence), or empty.
QByteArray storedValue(QByteArrayView stored, QByteArrayView tag);

// Marks the fields stored by the entry window, which hold what the operator
// typed and not a file's record: a field they lack is no import's
// stand-in. Never exported.
inline constexpr QByteArrayView kEntryFieldsMark = "APP_ORB_KTL_ENTRY";

// What the entry window knows of a QSO beyond its line: the mode as typed
// (which may be longer than the line's three columns, "RTTY", "PSK31"), and
// what a connected rig or a later form may add: the exact ADIF mode and
// submode and the frequency in MHz. Empty members are unknown.
struct EntryKnown {
  QByteArray typedMode;
  QByteArray mode;
  QByteArray submode;
  QByteArray freqMhz;
};
// The fields stored for a QSO committed in the entry window: MODE (the
// exact mode when given, else the typed mode), SUBMODE and FREQ when
// known, BAND, the ADIF name of the line's band, and kEntryFieldsMark.
QByteArray entryFields(QByteArrayView logLine, const EntryKnown& known);

// The stored fields of a QSO changed in the entry window from `oldLine` to
// `newLine`. What the operator changed replaces what was stored: a new
// mode column brings the entry's MODE and SUBMODE (the old ones dropped), a
// new band column its BAND (FREQ, FREQ_RX and BAND_RX dropped); an exact
// mode, submode or frequency given in `known` is always taken. Every other
// field stays, so an imported QSO whose castle name is corrected keeps its
// frequency, submode and grid.
QByteArray mergeEntryEdit(QByteArrayView stored, QByteArrayView oldLine, QByteArrayView newLine,
                          const EntryKnown& known);

// The export's view of the store: the stored fields of the next log line
// with this key, taken in the order of the log; empty when it has none.
using QsoExtrasLookup = std::function<QByteArray(QByteArrayView key)>;

}  // namespace ktl
