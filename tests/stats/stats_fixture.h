#pragma once
// A registry over a small in-memory archive, and shortcuts to run a method over it.
#include <initializer_list>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "stats/statcalc.h"
#include "stats/statlist.h"

namespace kavrin::test {

// Draws numbered from `firstNumber` on, one per row of five numbers, extra 0.
TDrawsArray MakeDraws(const std::vector<TComb>& rows, int firstNumber = 1);
// `count` combinations of five different numbers, in drawn (unsorted) order.
std::vector<TComb> RandomCombs(std::mt19937& random, int count);
TComb Comb(int a, int b, int c, int d, int e);

class StatsFixture {
 public:
  explicit StatsFixture(TDrawsArray draws = {});
  TDrawsArray draws;  // edit freely before Create/Run
  TStatList list;

  std::unique_ptr<TCustomStat> Create(const std::string& code);
  // The whole table of a method over `window` draws at `offset`.
  TStatResult Run(const std::string& code, int window = 1000000, int offset = 0, bool sorted = false);
};

// The element with Key1 = v (other words 0), or a record with Count -1 when there is none.
TStatDrawRec ValueOf(const TStatDrawArray& items, TStatKey key);

}  // namespace kavrin::test
