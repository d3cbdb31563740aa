// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "adif/qso_extras.h"

#include "adif/adif_fields.h"
#include "log/log_file.h"
#include "log/qso_record.h"

#include <cstring>

namespace ktl {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool allBlank(QByteArrayView v) {
  for (char c : v)
    if (!isBlank(c)) return false;
  return true;
}

QByteArrayView trimmedValue(QByteArrayView v) {
  while (!v.isEmpty() && isBlank(v.front())) v = v.sliced(1);
  while (!v.isEmpty() && isBlank(v.back())) v.chop(1);
  return v;
}

bool isTagCharacter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

bool equalsUpper(QByteArrayView name, QByteArrayView upper) {
  if (name.size() != upper.size()) return false;
  for (qsizetype i = 0; i < name.size(); ++i) {
    char c = name[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    if (c != upper[i]) return false;
  }
  return true;
}

// Bytes taken by `chars` UTF-8 characters from the start of `v`, or -1
// when `v` is not that many well-formed characters long.
qsizetype utf8Bytes(QByteArrayView v, qsizetype chars) {
  qsizetype at = 0;
  for (qsizetype n = 0; n < chars; ++n) {
    if (at >= v.size()) return -1;
    const auto b = static_cast<unsigned char>(v[at]);
    const int len = b < 0x80 ? 1 : (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3 : (b & 0xF8) == 0xF0 ? 4 : 0;
    if (len == 0 || at + len > v.size()) return -1;
    for (int i = 1; i < len; ++i)
      if ((static_cast<unsigned char>(v[at + i]) & 0xC0) != 0x80) return -1;
    at += len;
  }
  return at;
}

void appendField(QByteArray& out, QByteArrayView tag, QByteArrayView value) {
  out += '<';
  for (char c : tag) out += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c;
  out += ':';
  out += QByteArray::number(value.size());
  out += '>';
  out += value;
}

}  // namespace

QByteArray qsoKey(QByteArrayView logLine) {
  QByteArray key(kLogLineWidth, Qt::Uninitialized);
  normalizeLogLine(logLine, key.data());
  return key;
}

qint64 qsoKeyHash(QByteArrayView key) {
  quint64 h = 14695981039346656037ull;
  for (char c : key) {
    h ^= static_cast<unsigned char>(c);
    h *= 1099511628211ull;
  }
  return static_cast<qint64>(h);
}

void appendStoredFieldsOf(QByteArrayView rec, QByteArray& out) {
  const char* data = rec.data();
  const qsizetype size = rec.size();
  qsizetype pos = 0;
  while (pos < size) {
    const void* ltp = std::memchr(data + pos, '<', size - pos);
    if (!ltp) break;
    const qsizetype lt = static_cast<const char*>(ltp) - data;
    // <NAME[:length[:type]]>
    qsizetype p = lt + 1;
    while (p < size && isTagCharacter(data[p])) ++p;
    const QByteArrayView name(data + lt + 1, p - lt - 1);
    qsizetype length = -1;
    if (p < size && data[p] == ':') {
      ++p;
      if (p < size && data[p] >= '0' && data[p] <= '9') {
        length = 0;
        while (p < size && data[p] >= '0' && data[p] <= '9' && length < (1 << 28)) length = length * 10 + (data[p++] - '0');
      }
      if (p < size && data[p] == ':') {
        ++p;
        while (p < size && isTagCharacter(data[p])) ++p;
      }
    }
    if (name.isEmpty() || p >= size || data[p] != '>') {  // not a tag
      pos = lt + 1;
      continue;
    }
    const qsizetype from = p + 1;
    if (equalsUpper(name, "EOR") || equalsUpper(name, "EOH")) {
      pos = from;
      continue;
    }
    const void* nextp = std::memchr(data + from, '<', size - from);
    const qsizetype next = nextp ? static_cast<const char*>(nextp) - data : size;
    const QByteArrayView gap(data + from, next - from);
    QByteArrayView value = gap;
    qsizetype resume = next;
    if (length >= 0 && length <= gap.size()) {
      if (allBlank(gap.sliced(length))) {
        value = gap.first(length);
      } else {
        const qsizetype chars = utf8Bytes(gap, length);
        if (chars >= 0 && allBlank(gap.sliced(chars)))
          value = gap.first(chars);
        else if (isBlank(gap[length]))
          value = gap.first(length);  // a note after the value
      }
    } else if (length > gap.size() && from + length <= size) {
      // A value that holds "<" ("a <b> c"): its length ends where only
      // blanks come before the next tag.
      qsizetype k = from + length;
      while (k < size && isBlank(data[k])) ++k;
      if (k == size || data[k] == '<') {
        value = QByteArrayView(data + from, length);
        resume = from + length;
      }
    }
    value = trimmedValue(value);
    if (!value.isEmpty()) appendField(out, name, value);
    pos = resume;
  }
}

AdifFields readAdifFields(QByteArrayView recordText) {
  QByteArray stored;
  appendStoredFieldsOf(recordText, stored);
  return parseStoredFields(stored);
}

QByteArray storedFields(const AdifFields& fields) {
  QByteArray out;
  for (const AdifField& f : fields) appendField(out, f.tag, f.value);
  return out;
}

namespace {

// Walks stored fields; `visit(tag, value)` returns false to stop.
template <typename Visit>
void forEachStored(QByteArrayView s, Visit&& visit) {
  qsizetype pos = 0;
  while (pos < s.size() && s[pos] == '<') {
    const qsizetype colon = s.indexOf(':', pos);
    const qsizetype gt = colon < 0 ? -1 : s.indexOf('>', colon);
    if (gt < 0) return;
    bool ok = false;
    const qsizetype length = s.sliced(colon + 1, gt - colon - 1).toByteArray().toLongLong(&ok);
    if (!ok || length < 0 || gt + 1 + length > s.size()) return;
    if (!visit(s.sliced(pos + 1, colon - pos - 1), s.sliced(gt + 1, length))) return;
    pos = gt + 1 + length;
  }
}

}  // namespace

AdifFields parseStoredFields(QByteArrayView stored) {
  AdifFields out;
  forEachStored(stored, [&](QByteArrayView tag, QByteArrayView value) {
    out.append({tag.toByteArray(), value.toByteArray()});
    return true;
  });
  return out;
}

QByteArray storedValue(QByteArrayView stored, QByteArrayView tag) {
  QByteArray found;
  forEachStored(stored, [&](QByteArrayView t, QByteArrayView value) {
    if (t != tag) return true;
    found = value.toByteArray();
    return false;
  });
  return found;
}

QByteArray entryFields(QByteArrayView logLine, const EntryKnown& known) {
  AdifFields fields;
  const QByteArray mode = trimmedValue(known.mode.isEmpty() ? known.typedMode : known.mode).toByteArray();
  if (!mode.isEmpty()) fields.append({"MODE", mode});
  if (!known.submode.isEmpty()) fields.append({"SUBMODE", known.submode});
  if (!known.freqMhz.isEmpty()) fields.append({"FREQ", known.freqMhz});
  const QByteArrayView band = adifBandForLogBand(logFieldView(logLine, QsoField::Band));
  if (!band.isEmpty()) fields.append({"BAND", band.toByteArray()});
  fields.append({kEntryFieldsMark.toByteArray(), "Y"});
  return storedFields(fields);
}

QByteArray mergeEntryEdit(QByteArrayView stored, QByteArrayView oldLine, QByteArrayView newLine,
                          const EntryKnown& known) {
  const auto changed = [&](QsoField f) { return logField(oldLine, f) != logField(newLine, f); };
  AdifFields fields = parseStoredFields(stored);
  const auto drop = [&fields](std::initializer_list<QByteArrayView> tags) {
    fields.removeIf([&](const AdifField& f) {
      for (QByteArrayView t : tags)
        if (f.tag == t) return true;
      return false;
    });
  };
  // The mode field shows the line's three letters: a longer text there was
  // typed, and changes the mode when it is not the stored one.
  const QByteArray typed = trimmedValue(known.typedMode).toByteArray();
  const bool newMode = changed(QsoField::Mode) || !known.mode.isEmpty() ||
                       (typed.size() > layoutOf(QsoField::Mode).width && typed != storedValue(stored, "MODE"));
  if (newMode || !known.submode.isEmpty()) drop({"SUBMODE"});
  if (newMode) {
    drop({"MODE"});
    const QByteArray mode = trimmedValue(known.mode.isEmpty() ? known.typedMode : known.mode).toByteArray();
    if (!mode.isEmpty()) fields.append({"MODE", mode});
  }
  if (!known.submode.isEmpty()) fields.append({"SUBMODE", known.submode});
  if (changed(QsoField::Band)) {
    drop({"BAND", "FREQ", "FREQ_RX", "BAND_RX"});
    const QByteArrayView band = adifBandForLogBand(logFieldView(newLine, QsoField::Band));
    if (!band.isEmpty()) fields.append({"BAND", band.toByteArray()});
  }
  if (!known.freqMhz.isEmpty()) {
    drop({"FREQ"});
    fields.append({"FREQ", known.freqMhz});
  }
  return storedFields(fields);
}

}  // namespace ktl
