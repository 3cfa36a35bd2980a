#pragma once
// What the combination list and the applied-filters list under it show: their captions, the
// cells of a row and the colours of the number cells. Cells are made only for the rows a view
// asks for, straight from the list's storage.
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "combs/history.h"
#include "core/game.h"

namespace kavrin {

// "№ п.п.", the five numbers in stored order, "S" (their sum).
inline constexpr int CombListColumnCount = DrawSize + 2;
const std::array<std::string, CombListColumnCount>& CombListCaptions();
// The cell of the list's row `row` (counted from 0), which holds `comb`.
std::string CombListCell(const TComb& comb, int32_t row, int column);
// The group colour of a number cell while the colour switch is on; nullopt leaves the list's
// own (white) background.
std::optional<TColor> CombListCellColor(const TComb& comb, int column, bool colorCombs, int channelSize);

// "Примененные фильтры", "Значения", "Комбинаций".
inline constexpr int FilterListColumnCount = 3;
const std::array<std::string, FilterListColumnCount>& FilterListCaptions();
std::string FilterListCell(const THistoryRow& row, int column);

}  // namespace kavrin
