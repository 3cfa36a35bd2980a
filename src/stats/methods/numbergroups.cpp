#include "stats/methods/numbergroups.h"

namespace kavrin {
namespace {

template <class GroupOf>
TGrouping Grouping(GroupOf groupOf, int groupCount) {
  TGrouping g;
  for (int n = 1; n <= NumberMax; ++n) g.Of[n] = static_cast<uint8_t>(groupOf(n));
  for (int group = 1; group <= groupCount; ++group) g.Order.push_back(group);
  return g;
}

}  // namespace

TGrouping NumberGrouping() {
  return Grouping([](int n) { return n; }, NumberMax);
}

TGrouping ChannelGrouping(int channelSize) {
  return Grouping([channelSize](int n) { return GroupOf(n, channelSize); }, GroupCount(channelSize));
}

TGrouping ColumnGrouping(int cols) {
  return Grouping([cols](int n) { return MatrixColumn(n, cols); }, cols);
}

TGrouping RowGrouping(int cols) {
  return Grouping([cols](int n) { return MatrixRow(n, cols); }, MatrixRowCount(cols));
}

TGrouping SegmentGrouping(const std::array<uint8_t, NumberMax>& segments) {
  TGrouping g;
  for (int n = 1; n <= NumberMax; ++n) {
    g.Of[n] = segments[n - 1];
    if (std::find(g.Order.begin(), g.Order.end(), g.Of[n]) == g.Order.end()) g.Order.push_back(g.Of[n]);
  }
  return g;
}

TDenseGroups DenseGroups(const TGrouping& grouping) {
  TDenseGroups dense;
  dense.OfGroup.fill(-1);
  for (int n = 1; n <= NumberMax; ++n) {
    int8_t& id = dense.OfGroup[grouping.Of[n]];
    if (id < 0) id = static_cast<int8_t>(dense.Count++);
    dense.OfNumber[n] = static_cast<uint8_t>(id);
  }
  return dense;
}

void MergeValues(TStatDrawArray& items, TStatDrawRec& current, std::span<const TStatKey> keys, bool trackPeriods) {
  for (size_t i = 0; i < keys.size(); ++i) {
    const bool again = std::find(keys.begin(), keys.begin() + static_cast<std::ptrdiff_t>(i), keys[i]) !=
                       keys.begin() + static_cast<std::ptrdiff_t>(i);
    current.SetKey(keys[i]);
    AddStatValue(items, current, trackPeriods && !again);
  }
}

}  // namespace kavrin
