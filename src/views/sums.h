#pragma once
// The sums comparison "Распределение сумм тиражей и всех возможных комбинаций": the sums of the
// draws of the whole archive against the sums of all combinations, with three central ranges.
#include <array>
#include <cstdint>
#include <map>
#include <string>

#include "core/game.h"
#include "stakes/graphdata.h"

namespace kavrin {

inline constexpr char SumsComparisonCaption[] = "Распределение сумм тиражей и всех возможных комбинаций";

// How many combinations of the full set have each sum SumMin..SumMax, indexed by the sum.
using TSumCounts = std::array<int64_t, SumMax + 1>;
const TSumCounts& TheoreticalSums();
// How many draws of the archive have each sum, by sum; sums no draw has are left out.
std::map<int, int64_t> ActualSums(const TDrawsArray& draws);

// A level of the theoretical counts and the sums whose counts reach it: the first such sum
// from the smallest up to the middle one and from the largest down to it (0 where none does).
struct TSumRange {
  int64_t Level = 0;
  int Low = 0;
  int High = 0;
  friend bool operator==(const TSumRange&, const TSumRange&) = default;
};
// The ranges at a third, a half and two thirds of the span of the theoretical counts.
std::array<TSumRange, 3> SumRanges(const TSumCounts& theoretical);
// "Диапазон %d (от %s и выше по оси Y) - суммы %d-%d" of range k = 1..3.
std::string SumRangeTitle(int k, const TSumRange& range);

// The graph window's series: the actual counts, the theoretical curve and the three levels,
// the last two scaled so that the theoretical peak equals the largest actual count.
TGraphData SumsComparisonGraph(const TDrawsArray& draws);

}  // namespace kavrin
