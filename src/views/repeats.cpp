#include "views/repeats.h"

#include <algorithm>
#include <bit>
#include <charconv>

#include "core/format.h"

namespace kavrin {
namespace {

// The numbers of a draw as bits; 0 when they are not five different numbers below 64, whose
// count of equal pairs is then not the count of shared bits.
uint64_t NumberBits(const TDrawRec& draw) {
  uint64_t bits = 0;
  for (const uint8_t n : draw.Numbers) {
    if (n >= 64 || (bits >> n & 1)) return 0;
    bits |= uint64_t{1} << n;
  }
  return bits;
}

}  // namespace

TRepeatsAnalysis AnalyzeRepeats(const TDrawsArray& draws, int length, int deep, const std::function<void(int)>& step) {
  TRepeatsAnalysis analysis;
  const TDrawWindow window = AnalysisWindow(static_cast<int>(draws.size()), 0, length);
  std::vector<uint64_t> bits(draws.size());
  std::transform(draws.begin(), draws.end(), bits.begin(), NumberBits);
  int analysed = 0;
  for (int i = window.Last; i >= window.First; --i) {
    const size_t ownRows = analysis.Rows.size();
    for (int j = i - 1; j >= std::max(0, i - deep); --j) {
      const int m = bits[i] && bits[j] ? std::popcount(bits[i] & bits[j]) : CountMatches(draws[i], draws[j]);
      analysis.MaxMatches = std::max(analysis.MaxMatches, m);
      if (m == 0) continue;
      auto row = std::find_if(analysis.Rows.begin() + static_cast<long>(ownRows), analysis.Rows.end(),
                              [&](const TRepeatsRow& r) { return r.Matches == m; });
      if (row == analysis.Rows.end()) {
        analysis.Rows.push_back({draws[i].Number, m, 1, std::to_string(draws[j].Number)});
      } else {
        ++row->Repeats;
        // Long lists grow by hundreds of numbers: appended without temporary strings.
        char digits[16];
        char* end = std::to_chars(digits, digits + sizeof digits, draws[j].Number).ptr;
        row->Draws.push_back(' ');
        row->Draws.append(digits, static_cast<size_t>(end - digits));
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
