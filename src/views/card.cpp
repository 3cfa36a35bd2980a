#include "views/card.h"

#include <algorithm>

namespace kavrin {
namespace {

// The draw of a data row, or nullptr outside the archive.
const TDrawRec* RowDraw(const TDrawsArray& draws, int row) {
  const int count = static_cast<int>(draws.size());
  if (row < 1 || row > count) return nullptr;
  return &draws[count - row];
}

bool HoldsNumber(const TDrawsArray& draws, int row, int number) {
  const TDrawRec* draw = RowDraw(draws, row);
  return draw && DrawContains(*draw, number);
}

}  // namespace

int CardRowCount(const TDrawsArray& draws) { return std::max(2, static_cast<int>(draws.size()) + 1); }

std::string CardCellText(const TDrawsArray& draws, int row, int column) {
  if (column < 0 || column >= CardColumnCount) return {};
  if (row == 0) {
    if (column == CardExtraColumn) return "E";
    return column >= 1 ? std::to_string(column) : std::string();
  }
  const TDrawRec* draw = RowDraw(draws, row);
  if (!draw) return {};
  if (column == 0) return std::to_string(draw->Number);
  if (column == CardExtraColumn) return std::to_string(draw->Extra);
  return DrawContains(*draw, column) ? std::to_string(column) : std::string();
}

TCellColor CardCellColor(const TDrawsArray& draws, int row, int column, const TCardColors& colors, bool selected) {
  if (row < 1 || column < 1 || column >= CardColumnCount) return NormalCell;
  if (selected) return HighlightCell;
  if (column == CardExtraColumn) return NormalCell;
  if (colors.Sequences && HoldsNumber(draws, row, column)) {
    // The row above is the next newer draw; the header row is no draw.
    const bool repeated = (row >= 2 && HoldsNumber(draws, row - 1, column)) || HoldsNumber(draws, row + 1, column);
    const TDrawRec& draw = *RowDraw(draws, row);
    const bool neighbour = (column >= 2 && DrawContains(draw, column - 1)) ||
                           (column < NumberMax && DrawContains(draw, column + 1));
    if (repeated && neighbour) return RgbCell(0xFFFF00);
    if (repeated) return RgbCell(0x00FF00);
    if (neighbour) return RgbCell(0x00FFFF);
  }
  return colors.Channels ? RgbCell(GroupColor(column, colors.ChannelSize)) : NormalCell;
}

}  // namespace kavrin
