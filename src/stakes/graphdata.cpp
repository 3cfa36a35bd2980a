#include "stakes/graphdata.h"

#include <algorithm>

#include "core/textcase.h"

namespace kavrin {

void TGraphData::AddGraphPoint(int x, const std::string& title, long double y, bool markers, bool marks,
                               TColor color) {
  auto series = std::find_if(Series.begin(), Series.end(),
                             [&](const TGraphSeries& s) { return LocaleSameText(s.Title, title); });
  if (series == Series.end()) series = Series.insert(series, TGraphSeries{title, color, markers, marks, {}});
  series->Points.push_back({static_cast<long double>(x), y, std::to_string(x)});
}

}  // namespace kavrin
