// Lists of known shape: what enumeration of the shape gives must be exactly what scanning the
// list gives, for every operation that keeps the shape.
#include "combs/comblist.h"

#include <gtest/gtest.h>

#include <random>

#include "combs/generate.h"
#include "combs/lastdraws.h"

namespace kavrin {
namespace {

std::vector<TComb> Entries(const TCombList& list) { return {list.Combs().begin(), list.Combs().end()}; }

TDrawRec Draw(TComb numbers) {
  TDrawRec draw;
  draw.Numbers = numbers;
  return draw;
}

// A chain of removals as a scenario walk makes them: the last draws, then numbers several at a
// time, down to fewer than five numbers; each step compared with a scan of the list before it.
TEST(CombsShape, RemovalsEqualTheScan) {
  TCombList list, next;
  EnumerateCombs(0, {}, list);
  ASSERT_NE(list.Shape(), nullptr);
  // Drawn orders, a repeat, and a draw whose numbers are removed later with it.
  const std::vector<TDrawRec> draws = {Draw({9, 3, 7, 1, 5}), Draw({1, 3, 5, 7, 9}), Draw({40, 2, 33, 17, 8}),
                                       Draw({50, 49, 48, 47, 46})};
  RemoveDrawMatches(list, draws, next, nullptr);
  ASSERT_NE(next.Shape(), nullptr);
  EXPECT_EQ(next.Shape()->Missing.size(), 3u);
  EXPECT_EQ(next.Count(), FullSetSize - 3);
  EXPECT_FALSE(next.Contains({1, 3, 5, 7, 9}));
  list.Swap(next);

  std::mt19937 random(20);
  while (list.Count() > 0) {
    uint64_t removed = 0;
    for (int i = std::uniform_int_distribution<int>(3, 8)(random); i > 0; --i)
      removed |= uint64_t{1} << std::uniform_int_distribution<int>(1, NumberMax)(random);
    std::vector<TComb> expected;
    for (const TComb& comb : list.Combs())
      if (std::none_of(comb.begin(), comb.end(), [&](uint8_t n) { return removed >> n & 1; })) expected.push_back(comb);
    next.AssignShape(list.Shape()->Without(removed));
    EXPECT_EQ(next.Count(), static_cast<int32_t>(expected.size()));
    // Taken through a copy before anything was written: the copy writes the same.
    TCombList copy;
    copy.CopyFrom(next);
    EXPECT_EQ(Entries(copy), expected);
    EXPECT_EQ(Entries(next), expected);
    const int distinct = DistinctNumbers(next.Storage(), next.Count());
    for (int limit = distinct - 1; limit <= distinct; ++limit)
      EXPECT_EQ(next.Shape()->DistinctNumbersAtMost(limit), limit >= distinct) << distinct;
    list.Swap(next);
  }
}

// Draws that can remove more than the combination of their numbers leave a scanned list, which
// has no shape; so does every writer of its own.
TEST(CombsShape, LostWhereTheListIsNoLongerAnEnumeration) {
  TCombList full, target;
  EnumerateCombs(0, {}, full);
  RemoveDrawMatches(full, std::vector<TDrawRec>{Draw({1, 1, 2, 3, 4})}, target, nullptr);
  EXPECT_EQ(target.Shape(), nullptr);
  EXPECT_EQ(target.Count(), FullSetSize - (NumberMax - 4));  // (1, 2, 3, 4, x): 1 counts twice
  EnumerateCombs(1, MyNumbersFromText("7"), target);
  EXPECT_EQ(target.Shape(), nullptr);

  EnumerateCombs(2, MyNumbersFromText("1,2,3,4,5,6"), target);
  ASSERT_NE(target.Shape(), nullptr);
  EXPECT_EQ(target.Count(), 6);
  target.Append({7, 8, 9, 10, 11});
  EXPECT_EQ(target.Shape(), nullptr);
  EXPECT_EQ(target[5], (TComb{2, 3, 4, 5, 6}));
  EXPECT_EQ(target[6], (TComb{7, 8, 9, 10, 11}));
}

}  // namespace
}  // namespace kavrin
