#include "stats/stats_fixture.h"

#include <gtest/gtest.h>

#include "support/draws.h"

namespace kavrin::test {

TDrawsArray MakeDraws(const std::vector<TComb>& rows, int firstNumber) {
  TDrawsArray draws;
  for (const TComb& numbers : rows) draws.push_back(Draw(firstNumber++, numbers));
  return draws;
}

std::vector<TComb> RandomCombs(std::mt19937& random, int count) {
  std::vector<TComb> combs;
  while (static_cast<int>(combs.size()) < count) {
    TComb comb{};
    int filled = 0;
    while (filled < DrawSize) {
      auto n = static_cast<uint8_t>(std::uniform_int_distribution<int>(1, NumberMax)(random));
      if (!CombContains(comb, n)) comb[filled++] = n;
    }
    combs.push_back(comb);
  }
  return combs;
}

TComb Comb(int a, int b, int c, int d, int e) {
  return {static_cast<uint8_t>(a), static_cast<uint8_t>(b), static_cast<uint8_t>(c), static_cast<uint8_t>(d),
          static_cast<uint8_t>(e)};
}

StatsFixture::StatsFixture(TDrawsArray d) : draws(std::move(d)) {
  list.SetDraws(draws);
  list.BuildMethods();
}

std::unique_ptr<TCustomStat> StatsFixture::Create(const std::string& code) {
  const int entry = list.FindCode(code);
  EXPECT_GE(entry, 0) << code;
  return list.CreateStat(entry);
}

TStatResult StatsFixture::Run(const std::string& code, int window, int offset, bool sorted) {
  auto stat = Create(code);
  return CalculateStatistics(*stat, StatWindow(static_cast<int>(draws.size()), offset, window), sorted, nullptr,
                             list.Config.Weights);
}

TStatDrawRec ValueOf(const TStatDrawArray& items, TStatKey key) {
  const int found = items.Find(key);
  if (found >= 0) return items[found];
  TStatDrawRec missing;
  missing.Count = -1;
  return missing;
}

}  // namespace kavrin::test
