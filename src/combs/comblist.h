#pragma once
// One combination list: a storage of 5-byte combinations that only grows, and a used count.
// Emptying a list keeps its storage, so a list reserved once for the full set is refilled,
// copied and filtered without a single reallocation.
#include <cstdint>
#include <memory>
#include <span>
#include <utility>
#include <vector>

#include "core/game.h"

namespace kavrin {

static_assert(sizeof(TComb) == DrawSize, "a combination is stored as five bytes, nothing more");

// What a list made by enumeration is: every combination of five of `Numbers` (bits
// 1..NumberMax), in lexicographic order, except those of `Missing`. Numbers taken away from such
// a list leave a list of this kind again, known without looking at a single combination.
struct TCombsShape {
  uint64_t Numbers = 0;
  std::vector<TComb> Missing;  // ascending, each made of `Numbers` only, each a different one

  int32_t Count() const;
  // The shape of the list without the combinations holding a number of `numbers`.
  TCombsShape Without(uint64_t numbers) const;
  // Whether the list holds at most `limit` different numbers.
  bool DistinctNumbersAtMost(int limit) const;
};

class TCombList {
 public:
  int32_t Count() const { return count_; }
  bool Empty() const { return count_ == 0; }
  // Entries the storage holds without growing.
  int64_t Capacity() const { return static_cast<int64_t>(items_.size()); }

  // Grows the storage to at least `entries` (never shrinks); the count is unchanged.
  void Reserve(int64_t entries);
  void Clear() {
    count_ = 0;
    shape_.reset();
    unwritten_ = false;
  }

  const TComb& operator[](int32_t index) const {
    Write();
    return items_[index];
  }
  // The used part of the list.
  std::span<const TComb> Combs() const {
    Write();
    return {items_.data(), static_cast<size_t>(count_)};
  }
  // The whole storage; the first Count() entries are the list.
  const TCombsArray& Storage() const {
    Write();
    return items_;
  }

  // Appends one combination, growing the storage when it is full.
  void Append(const TComb& comb) {
    Write();
    if (count_ == Capacity()) Grow(static_cast<int64_t>(count_) + 1);
    items_[count_++] = comb;
    shape_.reset();
  }
  // Becomes a copy of `source` (count and entries); grows first when `source` is larger.
  void CopyFrom(const TCombList& source);
  // Trades storage and count with `other`.
  void Swap(TCombList& other) {
    items_.swap(other.items_);
    std::swap(count_, other.count_);
    shape_.swap(other.shape_);
    std::swap(unwritten_, other.unwritten_);
  }

  // For writers that fill the storage themselves: room for `entries` is made first with
  // Reserve, then the count is set to how many were written. What the list held is gone.
  TComb* Data() {
    shape_.reset();
    unwritten_ = false;
    return items_.data();
  }
  void SetCount(int32_t count);

  // Becomes the list `shape` describes. Its combinations are enumerated into the storage only
  // when first read (or copied from a list that has them), so a run of number removals that
  // nobody looks at in between costs nothing per combination.
  void AssignShape(TCombsShape shape);
  // The shape of the list when it is known (see TCombsShape), else nullptr.
  const TCombsShape* Shape() const { return shape_.get(); }

  // True when some entry equals the combination in all five positions.
  bool Contains(const TComb& comb) const;

 private:
  void Grow(int64_t needed);
  // Enumerates the combinations of the shape into the storage if that was put off.
  void Write() const {
    if (unwritten_) WriteShape();
  }
  void WriteShape() const;

  // The storage is filled on first reading, behind const accessors: the list's value never
  // changes by it.
  mutable TCombsArray items_;
  int32_t count_ = 0;
  std::shared_ptr<const TCombsShape> shape_;
  mutable bool unwritten_ = false;
};

}  // namespace kavrin
