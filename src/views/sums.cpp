#include "views/sums.h"

#include <algorithm>
#include <cmath>

#include "core/format.h"

namespace kavrin {
namespace {

constexpr std::array<const char*, 3> RangeFractions = {"1/3", "1/2", "2/3"};
// Each level is minT + span * numerator / denominator.
constexpr std::array<int, 3> RangeNumerators = {1, 1, 2};
constexpr std::array<int, 3> RangeDenominators = {3, 2, 3};
constexpr std::array<TColor, 3> RangeColors = {0x008000, 0x0000FF, 0xFF00FF};

// Counting the subsets by sum gives exactly what enumerating all combinations gives.
TSumCounts CountCombinationSums() {
  // ways[k][s]: subsets of k of the numbers seen so far with sum s.
  std::array<std::array<int64_t, SumMax + 1>, DrawSize + 1> ways{};
  ways[0][0] = 1;
  for (int n = 1; n <= NumberMax; ++n)
    for (int k = DrawSize; k >= 1; --k)
      for (int s = SumMax; s >= n; --s) ways[k][s] += ways[k - 1][s - n];
  return ways[DrawSize];
}

}  // namespace

const TSumCounts& TheoreticalSums() {
  static const TSumCounts sums = CountCombinationSums();
  return sums;
}

std::map<int, int64_t> ActualSums(const TDrawsArray& draws) {
  std::map<int, int64_t> sums;
  for (const TDrawRec& draw : draws) {
    int sum = 0;
    for (const uint8_t n : draw.Numbers) sum += n;
    ++sums[sum];
  }
  return sums;
}

std::array<TSumRange, 3> SumRanges(const TSumCounts& theoretical) {
  const auto first = theoretical.begin() + SumMin;
  const int64_t maxT = *std::max_element(first, theoretical.end());
  const int64_t minT = *std::min_element(first, theoretical.end());
  const long double span = maxT - minT + 1;
  const int count = SumMax - SumMin + 1;
  const int middle = SumMin + count / 2;
  std::array<TSumRange, 3> ranges;
  for (int k = 0; k < 3; ++k) {
    TSumRange& range = ranges[k];
    range.Level = static_cast<int64_t>(std::trunc(minT + RangeNumerators[k] * span / RangeDenominators[k]));
    for (int s = SumMin; s <= middle && range.Low == 0; ++s)
      if (theoretical[s] >= range.Level) range.Low = s;
    for (int s = SumMax; s >= middle && range.High == 0; --s)
      if (theoretical[s] >= range.Level) range.High = s;
  }
  return ranges;
}

std::string SumRangeTitle(int k, const TSumRange& range) {
  return Format("Диапазон %d (от %s и выше по оси Y) - суммы %d-%d",
                {k, RangeFractions.at(k - 1), range.Low, range.High});
}

TGraphData SumsComparisonGraph(const TDrawsArray& draws) {
  TGraphData graph;
  graph.Caption = SumsComparisonCaption;
  graph.XAxisTitle = "Сумма чисел";
  graph.YAxisTitle = "Количество тиражей";
  const TSumCounts& theoretical = TheoreticalSums();
  const std::map<int, int64_t> actual = ActualSums(draws);
  int64_t maxA = 0;
  for (const auto& [sum, count] : actual) {
    graph.AddGraphPoint(sum, "Фактическое распределение сумм (по тиражам)", count, true, true, 0xFF0000);
    maxA = std::max(maxA, count);
  }
  const long double maxT = *std::max_element(theoretical.begin() + SumMin, theoretical.end());
  const std::array<TSumRange, 3> ranges = SumRanges(theoretical);
  for (int s = SumMin; s <= SumMax; ++s) {
    graph.AddGraphPoint(s, "Теоретическое распределение сумм (по комбинациям)", theoretical[s] / maxT * maxA, false,
                        false, 0x800000);
    for (int k = 0; k < 3; ++k)
      graph.AddGraphPoint(s, SumRangeTitle(k + 1, ranges[k]), ranges[k].Level / maxT * maxA, false, false,
                          RangeColors[k]);
  }
  return graph;
}

}  // namespace kavrin
