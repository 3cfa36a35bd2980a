#pragma once
// The numbers that a selection in the draw card, the number schema or the weekday view hands
// to the filter, with the values text of its history row.
#include <cstdint>
#include <string>
#include <vector>

namespace kavrin {

inline constexpr char EmptySelectionMessage[] = "В выделенном диапазоне нет значений для фильтра!";

struct TSelectedNumbers {
  std::vector<int32_t> Numbers;  // distinct, in the order met
  std::string ValuesText;        // the item of each number as first met, joined with "; "
};

// A selected rectangle of cell texts: its columns from left to right, each from top to bottom.
using TCellColumns = std::vector<std::vector<std::string>>;

// Each throws KavrinError(EmptySelectionMessage) when the selection gives no value.
// Card: each non-empty cell is one integer (0 when it is none).
TSelectedNumbers CardSelectionNumbers(const TCellColumns& columns);
// Schema: a non-empty cell such as "[12], 7" holds pieces split at ','; each piece loses every
// '[' and ']', is trimmed and read as an integer; pieces left empty give nothing.
TSelectedNumbers SchemaSelectionNumbers(const TCellColumns& columns);
// Weekday view: the numbers of the selected columns, from left to right.
TSelectedNumbers WeekSelectionNumbers(const std::vector<int32_t>& columns);

}  // namespace kavrin
