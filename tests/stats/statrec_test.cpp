#include <gtest/gtest.h>

#include <random>

#include "stats/statrec.h"

namespace kavrin {
namespace {

TStatDrawRec Occurrence(uint16_t key, int32_t draw, int32_t depth) {
  TStatDrawRec rec;
  rec.Key1 = key;
  rec.LastDraw = rec.PrevDraw = draw;
  rec.Depth = depth;
  rec.Count = 1;
  return rec;
}

TEST(AddStatValue, TracksGapsBetweenOccurrences) {
  TStatDrawArray items;
  AddStatValue(items, Occurrence(7, 100, 11), true);
  AddStatValue(items, Occurrence(7, 103, 8), true);
  AddStatValue(items, Occurrence(7, 110, 1), true);
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].PeriodMin, 3);
  EXPECT_EQ(items[0].PeriodMax, 7);
  EXPECT_EQ(items[0].LastDraw, 110);
  EXPECT_EQ(items[0].Depth, 1);
  EXPECT_EQ(items[0].Count, 3);
  EXPECT_EQ(items[0].PrevDraw, 110);
}

TEST(AddStatValue, UntrackedMergesMoveOnlyThePreviousDraw) {
  TStatDrawArray items;
  AddStatValue(items, Occurrence(7, 100, 11), true);
  AddStatValue(items, Occurrence(7, 104, 7), false);
  AddStatValue(items, Occurrence(7, 110, 1), true);
  EXPECT_EQ(items[0].PeriodMin, 6);  // measured from 104, the merge before
  EXPECT_EQ(items[0].PeriodMax, 6);
}

TEST(AddStatValue, PrefilledValueTakesTheFirstOccurrenceAndDepthZeroNeverWins) {
  TStatDrawArray items;
  TStatDrawRec prefilled;
  prefilled.Key1 = 5;
  prefilled.Norm = 9;
  AddStatValue(items, prefilled, false);
  EXPECT_EQ(items[0].Norm, 0);  // appended copies carry no norm
  AddStatValue(items, Occurrence(5, 40, 3), true);
  EXPECT_EQ(items[0].Depth, 3);
  EXPECT_EQ(items[0].PeriodMin, 0);  // the pre-fill had no draw to measure from
  TStatDrawRec bare = Occurrence(5, 0, 0);
  AddStatValue(items, bare, true);
  EXPECT_EQ(items[0].Depth, 3);
  EXPECT_EQ(items[0].LastDraw, 40);
  EXPECT_EQ(items[0].Count, 2);
}

TEST(AddStatValue, SameKeyNeedsAllFourWords) {
  TStatDrawArray items;
  TStatDrawRec a = Occurrence(1, 10, 1), b = a;
  b.Key4 = 1;
  AddStatValue(items, a, true);
  AddStatValue(items, b, true);
  EXPECT_EQ(items.size(), 2u);
}

// The key index must give exactly what a linear first-match search gives, however the array grew.
TEST(StatDrawArray, IndexedFindAgreesWithLinearSearch) {
  std::mt19937 random(5);
  TStatDrawArray items;
  std::vector<TStatKey> reference;
  for (int step = 0; step < 3000; ++step) {
    TStatKey key = MakeStatKey(static_cast<uint16_t>(random() % 300), static_cast<uint16_t>(random() % 3));
    auto linear = std::find(reference.begin(), reference.end(), key);
    int expected = linear == reference.end() ? -1 : static_cast<int>(linear - reference.begin());
    ASSERT_EQ(items.Find(key), expected) << step;
    if (step % 3 == 0) {  // duplicates too: the first one must keep answering
      TStatDrawRec rec;
      rec.SetKey(key);
      items.push_back(rec);
      reference.push_back(key);
    }
    if (step == 1500) {
      SortStatValues(items);
      std::stable_sort(reference.begin(), reference.end());
    }
  }
}

TEST(SortStatValues, OrdersByKeyWordsUnsignedAndKeepsTies) {
  TStatDrawArray items;
  auto add = [&](uint16_t k1, uint16_t k2, int32_t count) {
    TStatDrawRec rec;
    rec.Key1 = k1;
    rec.Key2 = k2;
    rec.Count = count;
    items.push_back(rec);
  };
  add(65535, 0, 1);  // -1 of a 32-bit value sorts last
  add(2, 1, 2);
  add(2, 0, 3);
  add(1, 7, 4);
  add(2, 0, 5);
  SortStatValues(items);
  std::vector<int32_t> counts;
  for (const TStatDrawRec& e : items) counts.push_back(e.Count);
  EXPECT_EQ(counts, (std::vector<int32_t>{4, 3, 5, 2, 1}));
}

TEST(StatTotals, FollowsCountsAndDepths) {
  TStatDrawArray empty;
  TStatTotals none = StatTotals(empty);
  EXPECT_EQ(none.MinCount, 2147483647);
  EXPECT_EQ(none.MaxCount, 0);
  EXPECT_EQ(none.SumCount, 0);
  EXPECT_EQ(none.MaxDepth, 0);

  TStatDrawArray items;
  for (auto [key, count, depth] : {std::tuple{1, 4, 0}, {2, 0, 9}, {3, 7, 2}}) {
    TStatDrawRec rec;
    rec.Key1 = static_cast<uint16_t>(key);
    rec.Count = count;
    rec.Depth = depth;
    items.push_back(rec);
  }
  TStatTotals t = StatTotals(items);
  EXPECT_EQ(t.MinCount, 0);
  EXPECT_EQ(t.MaxCount, 7);
  EXPECT_EQ(t.SumCount, 11);
  EXPECT_EQ(t.MaxDepth, 9);
}

TEST(SelectionFunctions, CompareTheirPartOfTheKey) {
  TStatDrawRec rec;
  rec.Key1 = 0x1234;
  rec.Key2 = 0x0001;
  rec.Key3 = 9;
  TStatDrawArray selected{rec};
  EXPECT_TRUE(MatchKeys(selected, 0x1234, 1, 9, 0));
  EXPECT_FALSE(MatchKeys(selected, 0x1234, 0, 0, 0));
  EXPECT_TRUE(MatchWord(selected, 3, 9));
  EXPECT_FALSE(MatchWord(selected, 4, 9));
  EXPECT_TRUE(MatchByte(selected, 1, 0x34));
  EXPECT_TRUE(MatchByte(selected, 2, 0x12));
  EXPECT_TRUE(MatchByte(selected, 3, 0x01));
  EXPECT_FALSE(MatchByte(selected, 9, 0));
  EXPECT_TRUE(MatchDword(selected, 1, 0x00011234));
  EXPECT_TRUE(MatchDword(selected, 2, 9));
  EXPECT_FALSE(MatchDword(selected, 3, 9));
  EXPECT_FALSE(MatchPair(selected, 0x1234, 9));  // Key2 must be 0
  rec.Key2 = 0;
  EXPECT_TRUE(MatchPair(TStatDrawArray{rec}, 0x1234, 9));
}

TEST(StatSimpleArray, KeepsFirstAppearanceOrder) {
  TStatSimpleArray list;
  for (int key : {2, 13, 2, 2}) list.Add(key);
  ASSERT_EQ(list.Items().size(), 2u);
  EXPECT_EQ(list.Items()[0].Key, 2);
  EXPECT_EQ(list.Items()[0].Count, 3);
  EXPECT_EQ(list.Items()[1].Key, 13);
}

}  // namespace
}  // namespace kavrin
