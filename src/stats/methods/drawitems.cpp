#include "stats/methods/drawitems.h"

#include <algorithm>

#include "stats/statlist.h"

namespace kavrin {

int ChannelSizeOf(const TStatList& list) {
  return list.Config.ChannelSize >= 1 ? list.Config.ChannelSize : TConfigData{}.ChannelSize;
}

void ChannelIndexRange(const TStatList& list, int& first, int& last) {
  first = 1;
  last = list.Config.ChannelSize >= 1 ? GroupCount(list.Config.ChannelSize) : 0;
}

void SegmentIndexRange(const TStatList& list, int& first, int& last) {
  // The search starts from the extremes, so a map without a valid segment gives an empty range.
  first = 9;
  last = 1;
  for (uint8_t s : list.Config.MatrixSegments)
    if (s >= 1 && s <= 9) {
      first = std::min<int>(first, s);
      last = std::max<int>(last, s);
    }
  if (first > last) first = last + 1;
}

TNumberItems::TNumberItems(TItemKind kind, const TStatList& list) : kind_(kind) {
  const int channelSize = ChannelSizeOf(list);
  for (int n = 1; n <= NumberMax; ++n) {
    switch (kind) {
      case TItemKind::Numbers:
        item_[n] = static_cast<uint8_t>(n);
        break;
      case TItemKind::Channels:
        item_[n] = static_cast<uint8_t>(GroupOf(n, channelSize));
        break;
      case TItemKind::Segments:
        item_[n] = list.Config.MatrixSegments[n - 1];
        break;
    }
  }
  switch (kind) {
    case TItemKind::Numbers:
      first_ = 1, last_ = NumberMax;
      break;
    case TItemKind::Channels:
      first_ = 1, last_ = GroupCount(channelSize);
      break;
    case TItemKind::Segments:
      SegmentIndexRange(list, first_, last_);
      break;
  }
}

void MergeOncePerDraw(TStatDrawArray& items, TStatDrawRec& current, TStatKey key) {
  current.SetKey(key);
  const int found = items.Find(key);
  const bool again = found >= 0 && current.LastDraw > 0 && items[found].PrevDraw == current.LastDraw;
  AddStatValue(items, current, !again);
}

}  // namespace kavrin
