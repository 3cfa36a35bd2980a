#pragma once
// Stakes for the tests, built from the fields the tests vary.
#include <algorithm>
#include <string>
#include <vector>

#include "stakes/stakerecord.h"

namespace kavrin::test {

inline TStakeData Stake(int draw, std::vector<uint8_t> numbers = {1, 2, 3, 4, 5}, const std::string& comment = "c",
                        TStakeKind kind = StakeManual) {
  TStakeData stake;
  stake.Kind = kind;
  stake.DrawNumber = draw;
  stake.Numbers.Count = static_cast<int32_t>(numbers.size());
  std::copy(numbers.begin(), numbers.end(), stake.Numbers.Numbers.begin());
  stake.Comment = comment;
  return stake;
}

}  // namespace kavrin::test
