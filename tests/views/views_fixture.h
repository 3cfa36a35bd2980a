#pragma once
// Small archives for the view tests.
#include <string>
#include <vector>

#include "core/game.h"

namespace kavrin::test {

// Draws numbered from `firstNumber` on, oldest first, extra = position in the list + 1.
inline TDrawsArray DrawsOf(const std::vector<TComb>& rows, int firstNumber = 101, const std::string& date = "") {
  TDrawsArray draws;
  for (const TComb& numbers : rows) {
    TDrawRec draw;
    draw.Number = firstNumber + static_cast<int>(draws.size());
    draw.Numbers = numbers;
    draw.Extra = static_cast<uint8_t>(draws.size() + 1);
    draw.Date = date;
    draws.push_back(draw);
  }
  return draws;
}

}  // namespace kavrin::test
