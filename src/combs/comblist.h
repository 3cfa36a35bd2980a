#pragma once
// One combination list: a storage of 5-byte combinations that only grows, and a used count.
// Emptying a list keeps its storage, so a list reserved once for the full set is refilled,
// copied and filtered without a single reallocation.
#include <cstdint>
#include <span>
#include <utility>

#include "core/game.h"

namespace kavrin {

static_assert(sizeof(TComb) == DrawSize, "a combination is stored as five bytes, nothing more");

class TCombList {
 public:
  int32_t Count() const { return count_; }
  bool Empty() const { return count_ == 0; }
  // Entries the storage holds without growing.
  int64_t Capacity() const { return static_cast<int64_t>(items_.size()); }

  // Grows the storage to at least `entries` (never shrinks); the count is unchanged.
  void Reserve(int64_t entries);
  void Clear() { count_ = 0; }

  const TComb& operator[](int32_t index) const { return items_[index]; }
  // The used part of the list.
  std::span<const TComb> Combs() const { return {items_.data(), static_cast<size_t>(count_)}; }
  // The whole storage; the first Count() entries are the list.
  const TCombsArray& Storage() const { return items_; }

  // Appends one combination, growing the storage when it is full.
  void Append(const TComb& comb) {
    if (count_ == Capacity()) Grow(static_cast<int64_t>(count_) + 1);
    items_[count_++] = comb;
  }
  // Becomes a copy of `source` (count and entries); grows first when `source` is larger.
  void CopyFrom(const TCombList& source);
  // Trades storage and count with `other`.
  void Swap(TCombList& other) {
    items_.swap(other.items_);
    std::swap(count_, other.count_);
  }

  // For writers that fill the storage themselves: room for `entries` is made first with
  // Reserve, then the count is set to how many were written.
  TComb* Data() { return items_.data(); }
  void SetCount(int32_t count);

  // True when some entry equals the combination in all five positions.
  bool Contains(const TComb& comb) const;

 private:
  void Grow(int64_t needed);

  TCombsArray items_;
  int32_t count_ = 0;
};

}  // namespace kavrin
