#pragma once
// The detail view "Подробная информация" of a combination (and of a draw): a number card and
// a two-column property table ("Свойство", "Значение").
#include <cstdint>
#include <string>
#include <vector>

#include "core/game.h"

namespace kavrin {

inline constexpr char DetailsCaption[] = "Подробная информация";

struct TDetailsProperty {
  std::string Caption;
  std::string Value;
  friend bool operator==(const TDetailsProperty&, const TDetailsProperty&) = default;
};

struct TDetailsView {
  TComb Numbers{};                           // the numbers shown on the card
  int32_t MatrixCols = 5;                    // the card's initial column count
  int32_t ChannelSize = 5;                   // the group size of the cell colours
  std::vector<TDetailsProperty> Properties;  // in display order
};

struct TDetailsCell {
  int32_t Number = 0;  // 0 for a cell past the last number
  TColor Color = 0;    // the group colour of the number; meaningless when Number is 0
  bool Shown = false;  // the number is one of the card's numbers and is written in the cell
  friend bool operator==(const TDetailsCell&, const TDetailsCell&) = default;
};

// The card as rows of `cols` cells (clamped to 1..50): ceil(50 / cols) rows, numbers 1..50
// laid out row by row.
std::vector<std::vector<TDetailsCell>> DetailsMatrix(const TDetailsView& view, int cols);

}  // namespace kavrin
