#include "stats/statcalc.h"

#include <algorithm>
#include <cmath>

#include "core/archive.h"
#include "core/money.h"

namespace kavrin {

TStatWindow StatWindow(int drawCount, int offset, int windowLength) {
  TStatWindow w;
  w.Last = drawCount - 1 - offset;
  const int64_t first = int64_t{w.Last} - windowLength + 1;
  w.First = first < 0 ? 0 : static_cast<int>(first);
  w.DrawsUsed = std::max(0, w.Last - w.First + 1);
  return w;
}

long double StatWeight(const TStatDrawRec& e, const TStatTotals& totals, bool fullSetUsed, const TStatWeights& weights) {
  const long double t = fullSetUsed ? static_cast<long double>(e.Count) - e.Norm : 0;
  long double c, d, l;
  if (weights.UsePercents) {
    c = totals.SumCount != 0 ? static_cast<long double>(e.Count) * 100 / totals.SumCount : 0;
    d = fullSetUsed && e.Norm != 0 ? t * 100 / e.Norm : 0;
    l = totals.MaxDepth != 0 ? static_cast<long double>(e.Depth) * 100 / totals.MaxDepth : 0;
  } else {
    c = e.Count;
    d = t;
    l = e.Depth;
  }
  if (weights.UseAbsValues) {
    c = std::fabs(c);
    d = std::fabs(d);
    l = std::fabs(l);
  }
  return weights.Count * c + weights.Deviation * d + weights.Level * l;
}

std::vector<int32_t> FindFacts(TCustomStat& stat, const TStatDrawArray& items, int last, bool sorted) {
  const TDrawsArray& draws = stat.Draws;
  std::vector<int32_t> facts(items.size(), -1);
  std::vector<char> waiting(items.size(), 0);
  size_t remaining = 0;
  for (size_t i = 0; i < items.size(); ++i) {
    const TStatDrawRec& e = items[i];
    if (e.Count < 1 || e.Depth <= 0) continue;
    const int k = FindDrawByNumber(draws, e.LastDraw);
    // The accumulation saw the value last at index last - Depth + 1 and never after it, so
    // when the lookup lands there the search from k + 1 finds nothing before the window's end.
    if (!stat.KeepsDrawState() && k == last - e.Depth + 1) {
      waiting[i] = 1;
      ++remaining;
    } else {
      facts[i] = stat.FindNextOccurrence(e, k + 1, sorted, last);
    }
  }
  TStatWork work{};
  for (int j = last + 1; remaining > 0 && j < static_cast<int>(draws.size()); ++j) {
    TStatDrawArray values;
    TLastValueArray lastValues;
    stat.AddDraw(j, last, lastValues, work, values, sorted);
    for (const TStatDrawRec& v : values) {
      const int found = items.Find(v.Key());
      if (found >= 0 && waiting[found]) {
        facts[found] = v.LastDraw;
        waiting[found] = 0;
        --remaining;
      }
    }
  }
  return facts;
}

TStatResult CalculateStatistics(TCustomStat& stat, const TStatWindow& window, bool sorted, const TFullSetData* fullSet,
                                const TStatWeights& weights) {
  TStatResult r;
  r.Window = window;
  if (window.Last >= window.First) {
    stat.PrepareValues(window.Last, r.Items);
    TStatWork work{};
    TLastValueArray lastValues;
    for (int i = window.First; i <= window.Last; ++i) stat.AddDraw(i, window.Last, lastValues, work, r.Items, sorted);
  }
  r.Totals = StatTotals(r.Items);

  if (fullSet && fullSet->MaxCount > 0) {
    // Stretch the full-set distribution so its most frequent value is expected as often as the
    // window's most frequent value occurred.
    const long double fullMax = fullSet->MaxCount;
    r.Scale = fullSet->MinCount == fullSet->MaxCount
                  ? (static_cast<long double>(r.Totals.MaxCount) + r.Totals.MinCount) / 2 / fullMax
                  : r.Totals.MaxCount / fullMax;
    r.FullSetUsed = true;
    r.FullSet = fullSet->Records;
    for (const TFullSetRecord& record : r.FullSet) {
      const int found = r.Items.Find(record.Key);
      if (found >= 0) r.Items[found].Norm = static_cast<int32_t>(RoundHalfEven(record.Count * r.Scale));
    }
  }

  r.Weights.reserve(r.Items.size());
  for (const TStatDrawRec& e : r.Items) r.Weights.push_back(StatWeight(e, r.Totals, r.FullSetUsed, weights));
  r.Facts = FindFacts(stat, r.Items, window.Last, sorted);
  return r;
}

}  // namespace kavrin
