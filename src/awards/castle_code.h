// SPDX-FileCopyrightText: 2016-2026 The ORB_KTL developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A castle's key ("OK-08815", at most 10 bytes) held in a fixed block of 12
// bytes, and a flat table from such keys to numbers: the award's figures
// look a castle up for every QSO of the log, and a node-based hash table
// costs a cache miss or two each time where this one costs one.
#include <QByteArrayView>

#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

namespace ktl {

// The key's bytes, zero-padded, with its length in the last byte.
struct CastleCode {
  std::array<char, 12> bytes{};
  static constexpr int kMost = 10;

  // Empty when the key is empty or longer than a castle's reference.
  static CastleCode of(QByteArrayView key) {
    CastleCode c;
    if (key.size() <= kMost) {
      if (!key.isEmpty()) std::memcpy(c.bytes.data(), key.data(), key.size());
      c.bytes[11] = char(key.size());
    }
    return c;
  }
  bool isEmpty() const { return bytes[11] == 0; }
  QByteArrayView key() const { return QByteArrayView(bytes.data(), bytes[11]); }
  bool operator==(const CastleCode&) const = default;
  std::uint64_t hash() const {
    std::uint64_t a, b = 0;
    std::memcpy(&a, bytes.data(), 8);
    std::memcpy(&b, bytes.data() + 8, 4);
    std::uint64_t h = (a ^ (b << 29) ^ (b >> 7)) * 0x9E3779B97F4A7C15ull;
    return h ^ (h >> 31);
  }
};

// Castle code -> non-negative int, open addressing with linear probing.
class CastleCodeMap {
 public:
  // The value of `code`, or -1.
  int find(const CastleCode& code) const {
    if (slots_.empty()) return -1;
    for (std::size_t i = code.hash() & mask_;; i = (i + 1) & mask_) {
      const Slot& s = slots_[i];
      if (s.value < 0) return -1;
      if (s.code == code) return s.value;
    }
  }
  // The value of `code`, or `value` stored for it; `added` tells which.
  int insert(const CastleCode& code, int value, bool* added = nullptr) {
    if ((size_ + 1) * 4 > slots_.size() * 3) grow();
    for (std::size_t i = code.hash() & mask_;; i = (i + 1) & mask_) {
      Slot& s = slots_[i];
      if (s.value < 0) {
        s = {code, value};
        ++size_;
        if (added) *added = true;
        return value;
      }
      if (s.code == code) {
        if (added) *added = false;
        return s.value;
      }
    }
  }
  void reserve(std::size_t n) {
    while (slots_.size() * 3 < n * 4 + 4) grow();
  }
  void clear() {
    slots_.clear();
    size_ = 0;
    mask_ = 0;
  }
  std::size_t size() const { return size_; }

 private:
  struct Slot {
    CastleCode code;
    int value = -1;
  };
  void grow() {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(old.empty() ? 64 : old.size() * 2, Slot{});
    mask_ = slots_.size() - 1;
    size_ = 0;
    for (const Slot& s : old)
      if (s.value >= 0) insert(s.code, s.value);
  }
  std::vector<Slot> slots_;
  std::size_t mask_ = 0;
  std::size_t size_ = 0;
};

}  // namespace ktl
