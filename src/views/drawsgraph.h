#pragma once
// The draws graph "Графики": the value of one graph method for every draw of a window, with
// the mean and the most frequent value.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/game.h"
#include "stats/customstat.h"
#include "views/viewtypes.h"

namespace kavrin {

struct TDrawsGraphPoint {
  int32_t DrawNumber = 0;
  int32_t Value = 0;
  friend bool operator==(const TDrawsGraphPoint&, const TDrawsGraphPoint&) = default;
};
struct TDrawsGraph {
  std::vector<TDrawsGraphPoint> Points;  // oldest draw first
  long double Mean = 0;
  // The value with the highest frequency; among equal frequencies the one that appeared first.
  int32_t MostFrequent = 0;
};
// The values `stat` gives for the draws of the window ending at the analysis offset, each with
// that window end and the analysis order switch.
TDrawsGraph BuildDrawsGraph(TCustomGraphStat& stat, const TDrawsArray& draws, int offset, int depth, bool sorted);

inline constexpr char MeanSeriesTitle[] = "Среднее значение";
inline constexpr char MostFrequentSeriesTitle[] = "Наиболее часто встречающееся значение";
// The chart: the values titled `title` (value marks as `marks` says), the mean in blue and the
// most frequent value in red.
std::array<TViewSeries, 3> DrawsGraphSeries(const TDrawsGraph& graph, const std::string& title, bool marks);

// The graph with its memory: the number of draws, the offset, the depth and the graph type.
class TDrawsGraphView {
 public:
  struct TStamp {
    size_t Draws;
    int Offset, Depth, Kind;
    friend bool operator==(const TStamp&, const TStamp&) = default;
  };
  bool Current(const TStamp& now) const { return staleness_.Current(now); }
  // Clears the graph and remembers what it is now computed from.
  void Reset(const TStamp& now) {
    staleness_.Remember(now);
    Graph = {};
    Series = {};
  }
  TDrawsGraph Graph;
  std::array<TViewSeries, 3> Series;  // empty series until a graph was built

 private:
  TStaleness<TStamp> staleness_;
};

}  // namespace kavrin
