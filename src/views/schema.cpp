#include "views/schema.h"

#include <algorithm>
#include <functional>

#include "core/money.h"

namespace kavrin {
namespace {

// The distinct values, descending.
std::vector<int32_t> DistinctDescending(const TShemaArray& entries, int32_t TShemaEntry::*field) {
  std::vector<int32_t> values;
  for (const TShemaEntry& e : entries) values.push_back(e.*field);
  std::sort(values.begin(), values.end(), std::greater<>());
  values.erase(std::unique(values.begin(), values.end()), values.end());
  return values;
}

int PositionIn(const std::vector<int32_t>& descending, int32_t value) {
  return static_cast<int>(std::lower_bound(descending.begin(), descending.end(), value, std::greater<>()) -
                          descending.begin());
}

int Channel(long double value) { return static_cast<int>(RoundHalfEven(value)); }

}  // namespace

bool SchemaOddBlock(int index) {
  const int digit = index % 10;
  return digit >= 1 && digit <= 5 && index <= 95;
}

TShemaArray CountAppearances(const TDrawsArray& draws, const TDrawWindow& window) {
  TShemaArray entries;
  std::array<int, 256> slot;  // entry of each number, -1 before it is met
  slot.fill(-1);
  for (int i = window.Last; i >= window.First; --i)
    for (const uint8_t number : draws[i].Numbers) {
      if (slot[number] >= 0) {
        ++entries[slot[number]].Count;
        continue;
      }
      slot[number] = static_cast<int>(entries.size());
      entries.push_back({number, 1, draws[i].Number});
    }
  return entries;
}

TSchemaGrid::TSchemaGrid(const TShemaArray& entries, const std::bitset<256>& nextDrawMarks) {
  const std::vector<int32_t> counts = DistinctDescending(entries, &TShemaEntry::Count);
  const std::vector<int32_t> lastDraws = DistinctDescending(entries, &TShemaEntry::LastDraw);
  rows_ = static_cast<int>(counts.size()) + 1;
  columns_ = static_cast<int>(lastDraws.size()) + 1;
  cells_.assign(static_cast<size_t>(rows_) * columns_, std::string());
  for (int c = 1; c < columns_; ++c) cells_[c] = std::to_string(lastDraws[c - 1]);
  for (int r = 1; r < rows_; ++r) cells_[static_cast<size_t>(r) * columns_] = std::to_string(counts[r - 1]);
  for (const TShemaEntry& e : entries) {
    const int row = PositionIn(counts, e.Count) + 1, column = PositionIn(lastDraws, e.LastDraw) + 1;
    std::string& cell = cells_[static_cast<size_t>(row) * columns_ + column];
    const std::string text = std::to_string(e.Number);
    if (!cell.empty()) cell += ", ";
    cell += nextDrawMarks.test(static_cast<uint8_t>(e.Number)) ? "[" + text + "]" : text;
  }
}

const std::string& TSchemaGrid::Cell(int row, int column) const {
  static const std::string empty;
  if (row < 0 || row >= rows_ || column < 0 || column >= columns_) return empty;
  return cells_[static_cast<size_t>(row) * columns_ + column];
}

TCellColor SchemaCellColor(const TSchemaGrid& grid, int row, int column, bool gradient, bool selected) {
  if (row < 1 || column < 1 || row >= grid.Rows() || column >= grid.Columns()) return NormalCell;
  if (selected) return HighlightCell;
  if (grid.Cell(row, column).find('[') != std::string::npos) return RgbCell(0x00FF00);
  if (gradient) {
    const long double rows = grid.Rows(), columns = grid.Columns();
    const int r = Channel(255 - row * 155 / rows), g = Channel(255 - column * 155 / columns),
              b = Channel(row * 155 / rows + 100);
    return RgbCell(static_cast<TColor>(r << 16 | g << 8 | b));
  }
  return RgbCell(SchemaOddBlock(row) != SchemaOddBlock(column) ? 0xFFEAEA : 0xEAFFEA);
}

TCompareList BuildCompareList(const TDrawsArray& draws, int offset, int depth) {
  TCompareList list;
  const TDrawWindow window = AnalysisWindow(static_cast<int>(draws.size()), offset, depth);
  if (window.Size() == 0) return list;
  list.Caption = std::to_string(draws[window.First].Number) + " - " + std::to_string(draws[window.Last].Number);
  for (const TShemaEntry& e : CountAppearances(draws, window)) {
    auto row =
        std::find_if(list.Rows.begin(), list.Rows.end(), [&](const TCompareRow& r) { return r.Count == e.Count; });
    if (row == list.Rows.end())
      list.Rows.push_back({e.Count, std::to_string(e.Number)});
    else
      row->Numbers += ", " + std::to_string(e.Number);
  }
  return list;
}

void TSchemaView::Build(const TDrawsArray& draws, int offset, int depth, const std::bitset<256>& nextDrawMarks) {
  staleness_.Remember({draws.size(), offset, depth});
  grid_ = TSchemaGrid(CountAppearances(draws, AnalysisWindow(static_cast<int>(draws.size()), offset, depth)),
                      nextDrawMarks);
}

void TCompareView::Build(const TDrawsArray& draws, int offset, const std::array<int, CompareListCount>& depths) {
  staleness_.Remember({draws.size(), offset});
  for (int i = 0; i < CompareListCount; ++i) lists_[i] = BuildCompareList(draws, offset, depths[i]);
}

}  // namespace kavrin
