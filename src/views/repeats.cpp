#include "views/repeats.h"

#include <algorithm>

#include "core/format.h"

namespace kavrin {

TRepeatsAnalysis AnalyzeRepeats(const TDrawsArray& draws, int length, int deep, const std::function<void(int)>& step) {
  TRepeatsAnalysis analysis;
  const TDrawWindow window = AnalysisWindow(static_cast<int>(draws.size()), 0, length);
  int analysed = 0;
  for (int i = window.Last; i >= window.First; --i) {
    const size_t ownRows = analysis.Rows.size();
    for (int j = i - 1; j >= std::max(0, i - deep); --j) {
      const int m = CountMatches(draws[i], draws[j]);
      analysis.MaxMatches = std::max(analysis.MaxMatches, m);
      if (m == 0) continue;
      auto row = std::find_if(analysis.Rows.begin() + static_cast<long>(ownRows), analysis.Rows.end(),
                              [&](const TRepeatsRow& r) { return r.Matches == m; });
      if (row == analysis.Rows.end()) {
        analysis.Rows.push_back({draws[i].Number, m, 1, std::to_string(draws[j].Number)});
      } else {
        ++row->Repeats;
        row->Draws += " " + std::to_string(draws[j].Number);
      }
    }
    if (step) step(++analysed);
  }
  return analysis;
}

std::vector<std::string> RepeatsCaptions() { return {"Тираж", "Совпадений", "Кол-во повторов", "Список тиражей"}; }

std::vector<std::string> RepeatsRowCells(const TRepeatsRow& row) {
  return {std::to_string(row.DrawNumber), std::to_string(row.Matches), std::to_string(row.Repeats), row.Draws};
}

std::vector<TViewSeries> RepeatsChart(const TRepeatsAnalysis& analysis, std::mt19937& random) {
  std::uniform_int_distribution<TColor> component(0, 255);
  auto randomColor = [&] {
    const TColor r = component(random), g = component(random), b = component(random);
    return r << 16 | g << 8 | b;
  };
  std::vector<TViewSeries> series(std::max(0, analysis.MaxMatches));
  for (int k = 1; k <= analysis.MaxMatches; ++k) {
    TViewSeries& s = series[k - 1];
    s.Title = Format("Совпадений: %d", {k});
    s.Color = randomColor();
    s.MarkerOutline = randomColor();
    s.MarkerSize = 2;
  }
  for (auto row = analysis.Rows.rbegin(); row != analysis.Rows.rend(); ++row)
    series[row->Matches - 1].Points.push_back({static_cast<long double>(row->DrawNumber),
                                               static_cast<long double>(row->Repeats),
                                               std::to_string(row->DrawNumber)});
  return series;
}

}  // namespace kavrin
