#include "combs/numberselection.h"

#include <algorithm>

#include "core/errors.h"
#include "core/game.h"
#include "core/inifile.h"

namespace kavrin {
namespace {

void Collect(TSelectedNumbers& selected, int32_t number, const std::string& item) {
  if (std::find(selected.Numbers.begin(), selected.Numbers.end(), number) != selected.Numbers.end()) return;
  selected.Numbers.push_back(number);
  if (!selected.ValuesText.empty()) selected.ValuesText += "; ";
  selected.ValuesText += item;
}

TSelectedNumbers NonEmpty(TSelectedNumbers selected) {
  if (selected.Numbers.empty()) throw KavrinError(EmptySelectionMessage);
  return selected;
}

}  // namespace

TSelectedNumbers CardSelectionNumbers(const TCellColumns& columns) {
  TSelectedNumbers selected;
  for (const auto& column : columns)
    for (const std::string& cell : column) {
      const std::string text = Trim(cell);
      if (!text.empty()) Collect(selected, NumberFromText(text), text);
    }
  return NonEmpty(std::move(selected));
}

TSelectedNumbers SchemaSelectionNumbers(const TCellColumns& columns) {
  TSelectedNumbers selected;
  for (const auto& column : columns)
    for (const std::string& cell : column) {
      size_t start = 0;
      while (start <= cell.size()) {
        size_t end = cell.find(',', start);
        if (end == std::string::npos) end = cell.size();
        std::string piece = cell.substr(start, end - start);
        std::erase_if(piece, [](char c) { return c == '[' || c == ']'; });
        piece = Trim(piece);
        if (!piece.empty()) Collect(selected, NumberFromText(piece), piece);
        start = end + 1;
      }
    }
  return NonEmpty(std::move(selected));
}

TSelectedNumbers WeekSelectionNumbers(const std::vector<int32_t>& columns) {
  TSelectedNumbers selected;
  for (int32_t column : columns) Collect(selected, column, std::to_string(column));
  return NonEmpty(std::move(selected));
}

}  // namespace kavrin
