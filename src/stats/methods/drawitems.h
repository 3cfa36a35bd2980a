#pragma once
// What the series, period and transition methods follow in place of bare numbers (the number
// itself, its channel or its segment), the configured ranges of channels and segments, and the
// merge of a value that one draw may give more than once.
#include <array>
#include <cstdint>

#include "core/game.h"
#include "stats/methods/combvalues.h"
#include "stats/prepared.h"
#include "stats/statrec.h"

namespace kavrin {

class TStatList;

// The numbers of archive draw `index`, ascending when `sorted`; all zero outside the archive.
// Unlike a draw copy it carries no date, so the filters may call it per combination.
inline TComb DrawNumbers(const TDrawsArray& draws, int index, bool sorted) {
  if (index < 0 || index >= static_cast<int>(draws.size())) return TComb{};
  TComb numbers = draws[index].Numbers;
  if (sorted) SortComb(numbers);
  return numbers;
}

enum class TItemKind { Numbers, Channels, Segments };

// The channel size a method works with: the registry's, or the default when the registry holds
// one below 1, which maps no number to a channel.
int ChannelSizeOf(const TStatList& list);
// Channels 1..ch(50); empty when the registry's channel size is below 1.
void ChannelIndexRange(const TStatList& list, int& first, int& last);
// The smallest to the largest segment number of the registry's map; empty when it holds none.
void SegmentIndexRange(const TStatList& list, int& first, int& last);

// Number to item, for the configuration copied when the method is created. A number outside
// 1..50 (the zeros of a draw that does not exist) has no item, written 0.
class TNumberItems {
 public:
  TNumberItems(TItemKind kind, const TStatList& list);
  uint8_t operator()(uint8_t n) const { return item_[n]; }
  // Whether some number of the draw has the item; never for item 0.
  bool InDraw(const TComb& numbers, int item) const {
    if (item == 0) return false;
    for (uint8_t n : numbers)
      if (item_[n] == item) return true;
    return false;
  }
  TItemKind Kind() const { return kind_; }
  // The items a method lists: numbers 1..50, channels 1..ch(50), segments as the map holds them.
  int First() const { return first_; }
  int Last() const { return last_; }

 private:
  TItemKind kind_;
  std::array<uint8_t, 256> item_{};
  int first_ = 1, last_ = 0;
};

// The prepared test "some number of the combination is one of `numbers`".
inline std::unique_ptr<TPreparedMatch> PrepareAnyNumberOf(const TByteValueSet& numbers) {
  return MakePreparedMatch([numbers](const TComb& c) { return ClassCount(c, numbers) > 0; });
}

// Merges `current` under `key` with period tracking, except that a value given again by the same
// draw only adds its count: the gap of 0 it measures would wipe the value's smallest period.
void MergeOncePerDraw(TStatDrawArray& items, TStatDrawRec& current, TStatKey key);

}  // namespace kavrin
