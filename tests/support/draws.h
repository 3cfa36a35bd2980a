#pragma once
// Draws for the tests: one draw from its fields, and small archives from rows of numbers.
#include <cstdint>
#include <string>
#include <vector>

#include "core/game.h"

namespace kavrin::test {

inline TDrawRec Draw(int32_t number, TComb numbers, uint8_t extra = 0, std::string date = "") {
  TDrawRec draw;
  draw.Number = number;
  draw.Numbers = numbers;
  draw.Extra = extra;
  draw.Date = std::move(date);
  return draw;
}

// Draws numbered from `firstNumber` on, oldest first, extra = position in the list + 1.
inline TDrawsArray DrawsOf(const std::vector<TComb>& rows, int firstNumber = 101, const std::string& date = "") {
  TDrawsArray draws;
  for (const TComb& numbers : rows) {
    const auto position = static_cast<int>(draws.size());
    draws.push_back(Draw(firstNumber + position, numbers, static_cast<uint8_t>(position + 1), date));
  }
  return draws;
}

}  // namespace kavrin::test
