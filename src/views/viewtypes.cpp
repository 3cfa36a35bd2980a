#include "views/viewtypes.h"

#include <algorithm>

namespace kavrin {

TDrawWindow AnalysisWindow(int drawCount, int offset, int depth) {
  TDrawWindow window;
  window.Last = drawCount - 1 - offset;
  if (window.Last < 0) return {0, -1};
  window.First = std::max(0, window.Last - depth + 1);
  return window;
}

TCellColors ExportCellColors(const TCellColor& color) {
  if (color.Background != TCellBackground::Rgb) return {};
  return {color.Rgb, std::nullopt};
}

TExportTable GridExportTable(std::string title, int rows, int columns,
                             const std::function<std::string(int row, int column)>& text,
                             const std::function<TCellColor(int row, int column)>& color) {
  TExportTable table;
  table.Title = std::move(title);
  for (int column = 0; column < columns; ++column) table.Header.push_back(text(0, column));
  for (int row = 1; row < rows; ++row) {
    std::vector<std::string>& cells = table.Rows.emplace_back();
    std::vector<TCellColors>& colors = table.Colors.emplace_back();
    for (int column = 0; column < columns; ++column) {
      cells.push_back(text(row, column));
      colors.push_back(ExportCellColors(color(row, column)));
    }
  }
  return table;
}

}  // namespace kavrin
