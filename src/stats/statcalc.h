#pragma once
// One run of a statistic method over a window of archive draws: the values with their counts,
// depths and periods, the norms of the full-set comparison, the weights and the "Факт" of each.
#include <cstdint>
#include <vector>

#include "core/config.h"
#include "stats/customstat.h"
#include "stats/fullset.h"

namespace kavrin {

// Archive indexes of the window, oldest first.
struct TStatWindow {
  int First = 0;
  int Last = -1;      // the newest draw at the offset; below First when the offset hides everything
  int DrawsUsed = 0;  // Last - First + 1, never negative
};
TStatWindow StatWindow(int drawCount, int offset, int windowLength);

struct TStatResult {
  TStatWindow Window;
  TStatDrawArray Items;  // in the order the method produced them
  TStatTotals Totals;
  long double Scale = 0;  // full-set count to expected count
  bool FullSetUsed = false;
  std::vector<TFullSetRecord> FullSet;  // the comparison file's records when it was used
  std::vector<long double> Weights;     // per element of Items
  std::vector<int32_t> Facts;           // per element: next occurrence after the window, or -1
};

// Accumulates the window, applies the comparison file when given one with a positive maximum,
// and computes weights and facts. The stat's draws are the archive.
TStatResult CalculateStatistics(TCustomStat& stat, const TStatWindow& window, bool sorted, const TFullSetData* fullSet,
                                const TStatWeights& weights);

long double StatWeight(const TStatDrawRec& e, const TStatTotals& totals, bool fullSetUsed, const TStatWeights& weights);

// "Факт" of each element (-1 unless Count >= 1 and Depth > 0): what FindNextOccurrence from the
// draw after the element's last occurrence gives. One pass over the draws after the window
// answers every element whose values do not depend on earlier draws and whose last occurrence is
// found again by its draw number; the others are searched one by one.
std::vector<int32_t> FindFacts(TCustomStat& stat, const TStatDrawArray& items, int last, bool sorted);

}  // namespace kavrin
