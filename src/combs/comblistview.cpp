#include "combs/comblistview.h"

namespace kavrin {

const std::array<std::string, CombListColumnCount>& CombListCaptions() {
  static const std::array<std::string, CombListColumnCount> captions = {"№ п.п.", "1", "2", "3", "4", "5", "S"};
  return captions;
}

std::string CombListCell(const TComb& comb, int32_t row, int column) {
  if (column == 0) return std::to_string(static_cast<int64_t>(row) + 1);
  if (column >= 1 && column <= DrawSize) return std::to_string(comb[column - 1]);
  if (column == DrawSize + 1) {
    int sum = 0;
    for (const uint8_t number : comb) sum += number;
    return std::to_string(sum);
  }
  return {};
}

std::optional<TColor> CombListCellColor(const TComb& comb, int column, bool colorCombs, int channelSize) {
  if (!colorCombs || column < 1 || column > DrawSize) return std::nullopt;
  return GroupColor(comb[column - 1], channelSize);
}

const std::array<std::string, FilterListColumnCount>& FilterListCaptions() {
  static const std::array<std::string, FilterListColumnCount> captions = {"Примененные фильтры", "Значения",
                                                                           "Комбинаций"};
  return captions;
}

std::string FilterListCell(const THistoryRow& row, int column) {
  switch (column) {
    case 0: return row.Caption;
    case 1: return row.Values;
    case 2: return std::to_string(row.Count);
    default: return {};
  }
}

}  // namespace kavrin
