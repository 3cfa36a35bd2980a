#pragma once
// What the draw views hand to a window: cell backgrounds, chart series, the window of draws a
// view covers and the memory that tells whether a view is current. No widgets.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/game.h"
#include "core/xlsxexport.h"
#include "stakes/graphdata.h"

namespace kavrin {

// A grid cell's background: the grid's own colours, the system highlight, or the colour given.
enum class TCellBackground { Normal, Highlight, Rgb };
struct TCellColor {
  TCellBackground Background = TCellBackground::Normal;
  TColor Rgb = 0;
  friend bool operator==(const TCellColor&, const TCellColor&) = default;
};
inline constexpr TCellColor NormalCell{};
inline constexpr TCellColor HighlightCell{TCellBackground::Highlight, 0};
inline constexpr TCellColor RgbCell(TColor rgb) { return {TCellBackground::Rgb, rgb}; }

// Cell texts of the view grids are drawn centred, this many pixels below the cell's top.
inline constexpr int CellTextTop = 2;

// A cell's background as a spreadsheet export carries it: the grid's own colours are none.
TCellColors ExportCellColors(const TCellColor& color);
// A view grid of `rows` x `columns` cells as the export table of the sheet `title`: row 0 the
// header, every other row with the backgrounds its cells have unselected.
TExportTable GridExportTable(std::string title, int rows, int columns,
                             const std::function<std::string(int row, int column)>& text,
                             const std::function<TCellColor(int row, int column)>& color);

// A selected rectangle of a grid, in grid columns and rows, both ends included.
struct TGridRect {
  int Left = 1, Top = 1, Right = 1, Bottom = 1;
  friend bool operator==(const TGridRect&, const TGridRect&) = default;
};

inline constexpr TColor ChartGreen = 0x008000;
inline constexpr TColor ChartMagenta = 0xFF00FF;
inline constexpr TColor ChartBlue = 0x0000FF;
inline constexpr TColor ChartRed = 0xFF0000;

enum class TSeriesStyle { Line, Bars };
// A chart series of the views: style, colours (0xRRGGBB), point markers (size 0: none) with
// their outline colour, value marks, and the points with their labels.
struct TViewSeries {
  std::string Title;
  TSeriesStyle Style = TSeriesStyle::Line;
  TColor Color = 0;
  int LineWidth = 2;
  int MarkerSize = 0;
  TColor MarkerOutline = 0;
  bool Marks = false;
  std::vector<TGraphPoint> Points;
};

// The array indexes a view covers: the draw at the analysis offset and up to `depth` draws
// before it. Empty (Last < First) when the archive is.
struct TDrawWindow {
  int First = 0;
  int Last = -1;
  int Size() const { return Last >= First ? Last - First + 1 : 0; }
};
TDrawWindow AnalysisWindow(int drawCount, int offset, int depth);

// What a view over a window of draws is computed from: the archive's size, the offset and the
// depth.
struct TWindowStamp {
  size_t Draws;
  int Offset, Depth;
  friend bool operator==(const TWindowStamp&, const TWindowStamp&) = default;
};

// The memory of what a view was last computed from.
template <typename Stamp>
class TStaleness {
 public:
  bool Current(const Stamp& now) const { return last_ && *last_ == now; }
  void Remember(const Stamp& now) { last_ = now; }

 private:
  std::optional<Stamp> last_;
};

}  // namespace kavrin
