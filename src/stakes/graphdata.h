#pragma once
// The data of a graph window: line series with their points, titles, colours and marker
// settings, filled the way the graph dialog fills its chart. No widgets.
#include <string>
#include <vector>

#include "core/game.h"

namespace kavrin {

inline constexpr TColor AutoColor = 0;  // the chart picks the series colour

struct TGraphPoint {
  long double X = 0;
  long double Y = 0;
  std::string Label;  // x in decimal
  friend bool operator==(const TGraphPoint&, const TGraphPoint&) = default;
};

struct TGraphSeries {
  std::string Title;
  TColor Color = AutoColor;
  bool Markers = false;
  bool Marks = false;  // value marks
  std::vector<TGraphPoint> Points;
};

struct TGraphData {
  std::string Caption;
  std::vector<TGraphSeries> Series;
  // What the axes measure; a window names an axis only when its title is given.
  std::string XAxisTitle = {};
  std::string YAxisTitle = {};

  // Adds (x, y) to the series with this title (letter case ignored), creating it with the given
  // colour and marker settings when it does not exist yet.
  void AddGraphPoint(int x, const std::string& title, long double y, bool markers, bool marks, TColor color);
};

}  // namespace kavrin
