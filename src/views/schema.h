#pragma once
// The number schema "Схема": each number of a window of recent draws placed by how often it
// fell (row) and the newest draw it fell in (column); and the five comparison lists that count
// the numbers over five window lengths.
#include <array>
#include <bitset>
#include <cstdint>
#include <string>
#include <vector>

#include "core/game.h"
#include "views/viewtypes.h"

namespace kavrin {

struct TShemaEntry {
  int32_t Number = 0;
  int32_t Count = 0;     // appearances in the window
  int32_t LastDraw = 0;  // draw number of the newest draw of the window holding the number
  friend bool operator==(const TShemaEntry&, const TShemaEntry&) = default;
};
// In order of first meeting, the window walked from its newest draw to its oldest and each
// draw's numbers in stored order.
using TShemaArray = std::vector<TShemaEntry>;
TShemaArray CountAppearances(const TDrawsArray& draws, const TDrawWindow& window);

// Column 0 of the schema grid is this wide in pixels, the others at least SchemaColumnWidth,
// widened to their text's width plus SchemaColumnPadding.
inline constexpr int SchemaHeaderColumnWidth = 50;
inline constexpr int SchemaColumnWidth = 40;
inline constexpr int SchemaColumnPadding = 10;

// Row 0: the distinct LastDraw values descending; column 0: the distinct counts descending.
// A data cell lists its numbers joined by ", ", a next-draw number as "[n]".
class TSchemaGrid {
 public:
  TSchemaGrid() = default;
  TSchemaGrid(const TShemaArray& entries, const std::bitset<256>& nextDrawMarks);
  int Rows() const { return rows_; }
  int Columns() const { return columns_; }
  // Empty outside the grid.
  const std::string& Cell(int row, int column) const;

 private:
  int rows_ = 1;
  int columns_ = 1;
  std::vector<std::string> cells_ = {std::string()};
};

// Whether a row or column index lies in an odd block of the checkerboard: 1-5, 11-15, ..., 91-95.
bool SchemaOddBlock(int index);
// A data cell holding a next-draw number is green; otherwise the gradient or the checkerboard
// of 5 x 5 blocks (light pink where exactly one of row and column lies in an odd block, light
// green elsewhere). Header cells keep the grid's colours.
TCellColor SchemaCellColor(const TSchemaGrid& grid, int row, int column, bool gradient, bool selected);

// A comparison list: its caption "first - last" (draw numbers) and rows in order of creation.
struct TCompareRow {
  int32_t Count = 0;
  std::string Numbers;  // joined by ", "
  friend bool operator==(const TCompareRow&, const TCompareRow&) = default;
};
struct TCompareList {
  std::string Caption;
  std::vector<TCompareRow> Rows;
};
inline constexpr int CompareListCount = 5;
inline constexpr char CompareCountCaption[] = "Кол-во";
// Empty (no caption, no rows) for an empty archive.
TCompareList BuildCompareList(const TDrawsArray& draws, int offset, int depth);

// The schema with its memory: the number of draws, the offset and the depth it was built from.
class TSchemaView {
 public:
  bool Current(const TDrawsArray& draws, int offset, int depth) const {
    return staleness_.Current({draws.size(), offset, depth});
  }
  void Build(const TDrawsArray& draws, int offset, int depth, const std::bitset<256>& nextDrawMarks);
  const TSchemaGrid& Grid() const { return grid_; }

 private:
  TStaleness<TWindowStamp> staleness_;
  TSchemaGrid grid_;
};

// The five comparison lists with their memory: the number of draws and the offset (a changed
// depth is applied by a forced rebuild).
class TCompareView {
 public:
  bool Current(const TDrawsArray& draws, int offset) const { return staleness_.Current({draws.size(), offset}); }
  void Build(const TDrawsArray& draws, int offset, const std::array<int, CompareListCount>& depths);
  const std::array<TCompareList, CompareListCount>& Lists() const { return lists_; }

 private:
  struct TStamp {
    size_t Draws;
    int Offset;
    friend bool operator==(const TStamp&, const TStamp&) = default;
  };
  TStaleness<TStamp> staleness_;
  std::array<TCompareList, CompareListCount> lists_;
};

}  // namespace kavrin
