#include "views/drawsgraph.h"

#include <algorithm>

namespace kavrin {

TDrawsGraph BuildDrawsGraph(TCustomGraphStat& stat, const TDrawsArray& draws, int offset, int depth, bool sorted) {
  TDrawsGraph graph;
  const TDrawWindow window = AnalysisWindow(static_cast<int>(draws.size()), offset, depth);
  if (window.Size() == 0) return graph;
  long double sum = 0;
  std::vector<std::pair<int32_t, int>> frequencies;  // in order of first appearance
  for (int i = window.First; i <= window.Last; ++i) {
    const int32_t value = stat.DrawValue(i, window.Last, sorted);
    graph.Points.push_back({draws[i].Number, value});
    sum += value;
    auto known = std::find_if(frequencies.begin(), frequencies.end(), [&](const auto& f) { return f.first == value; });
    if (known == frequencies.end())
      frequencies.emplace_back(value, 1);
    else
      ++known->second;
  }
  graph.Mean = sum / window.Size();
  // max_element keeps the first of equal maxima.
  graph.MostFrequent = std::max_element(frequencies.begin(), frequencies.end(), [](const auto& a, const auto& b) {
                         return a.second < b.second;
                       })->first;
  return graph;
}

std::array<TViewSeries, 3> DrawsGraphSeries(const TDrawsGraph& graph, const std::string& title, bool marks) {
  std::array<TViewSeries, 3> series;
  TViewSeries& values = series[0];
  values.Title = title;
  values.Color = ChartGreen;
  values.MarkerSize = 2;
  values.MarkerOutline = ChartMagenta;
  values.Marks = marks;
  series[1].Title = MeanSeriesTitle;
  series[1].Color = ChartBlue;
  series[2].Title = MostFrequentSeriesTitle;
  series[2].Color = ChartRed;
  for (const TDrawsGraphPoint& p : graph.Points) {
    const auto x = static_cast<long double>(p.DrawNumber);
    values.Points.push_back({x, static_cast<long double>(p.Value), std::to_string(p.DrawNumber)});
    series[1].Points.push_back({x, graph.Mean, {}});
    series[2].Points.push_back({x, static_cast<long double>(graph.MostFrequent), {}});
  }
  return series;
}

}  // namespace kavrin
