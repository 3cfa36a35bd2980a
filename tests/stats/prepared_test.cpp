// The prepared filter of every registered method gives the answers of its plain Matches.
#include <gtest/gtest.h>

#include <random>

#include "combs/generate.h"
#include "stats/prepared.h"
#include "stats/stats_fixture.h"

namespace kavrin {
namespace {

using test::MakeDraws;
using test::RandomCombs;
using test::StatsFixture;

TEST(PreparedMatching, AgreesWithMatchesForEveryRegisteredMethod) {
  std::mt19937 random(2024);
  StatsFixture archive(MakeDraws(RandomCombs(random, 80), 500));
  const std::vector<TComb> combs = RandomCombs(random, 3000);
  // The test combinations as draws: their values make selections that combinations do carry.
  StatsFixture asDraws(MakeDraws(std::vector<TComb>(combs.begin(), combs.begin() + 300)));

  for (int entry = 0; entry < archive.list.Count(); ++entry) {
    const std::string code = archive.list.Items(entry).Code();
    SCOPED_TRACE(code);
    TStatDrawArray candidates = asDraws.Run(code).Items;
    int matched = 0, unmatched = 0;
    for (int round = 0; round < 6; ++round) {
      const bool sorted = round % 2 == 1;
      const bool exclude = round % 3 == 2;
      const int last = round == 0 ? 79 : std::uniform_int_distribution<int>(0, 79)(random);
      auto stat = archive.list.CreateStat(entry);

      TStatDrawArray selected;
      if (round > 0) {
        for (const TStatDrawRec& e : CalculateStatistics(*stat, StatWindow(80, 79 - last, 30), sorted, nullptr,
                                                         archive.list.Config.Weights).Items)
          if (random() % 3 == 0) selected.push_back(e);
        for (const TStatDrawRec& e : candidates)
          if (random() % 4 == 0) selected.push_back(e);
        // At least one value the test combinations carry, whenever they carry any.
        if (!candidates.empty()) selected.push_back(candidates[random() % candidates.size()]);
        TStatDrawRec junk;
        junk.SetKey(static_cast<TStatKey>(random()) << 32 | random());
        selected.push_back(junk);
      }

      stat->LoadDraws(-1, last, sorted);
      auto prepared = stat->PrepareMatches(selected, exclude, sorted, last);
      std::vector<TComb> expected;
      for (const TComb& comb : combs) {
        const bool plain = stat->Matches(comb, selected, exclude, sorted, last);
        ASSERT_EQ(prepared->Matches(comb), plain) << CombToText(comb) << " round " << round;
        (plain ? matched : unmatched)++;
        if (plain != exclude) expected.push_back(comb);
      }
      std::vector<TComb> kept(combs.size());
      kept.resize(prepared->Filter(combs, exclude, kept.data()));
      EXPECT_EQ(kept, expected);

      std::vector<TComb> inPlace = combs;
      inPlace.resize(prepared->Filter(inPlace, exclude, inPlace.data()));
      EXPECT_EQ(inPlace, expected);
    }
    if (code != "POE1") {  // the extra number never filters
      // Tables that stay empty on random draws (the three-draw transitions, the pauses of the only
      // segment) offer no value to select; prepared_items_test gives those made-up ones.
      if (!candidates.empty()) {
        EXPECT_GT(matched, 0);
      }
      EXPECT_GT(unmatched, 0);
    }
  }
}

// A long list is filtered in two halves on two cores: the same list as one run, also in place.
TEST(PreparedMatching, BothCoresGiveTheListOfOneRun) {
  TCombList full;
  EnumerateCombs(0, {}, full);
  const std::span<const TComb> in = full.Combs();
  auto run = [](std::span<const TComb> part, TComb* to) {
    size_t kept = 0;
    for (const TComb& comb : part)
      if ((comb[0] + comb[2] + comb[4]) % 7 == 0) to[kept++] = comb;
    return kept;
  };
  std::vector<TComb> expected(in.size()), out(in.size());
  expected.resize(run(in, expected.data()));
  out.resize(FilterOnBothCores(in, out.data(), run));
  EXPECT_EQ(out, expected);
  std::vector<TComb> inPlace(in.begin(), in.end());
  inPlace.resize(FilterOnBothCores(inPlace, inPlace.data(), run));
  EXPECT_EQ(inPlace, expected);
}

// The numbers of the NUMS test, for the enumeration that replaces its removal: only 1..50, a
// selection of values no combination holds changes nothing.
TEST(PreparedMatching, NumberSetOfTheNumbersTest) {
  TByteValueSet selected;
  for (const uint32_t value : {0u, 7u, 50u, 51u, 200u}) selected.Set(value);
  const TNumberSetMatch match(selected);
  EXPECT_EQ(match.NumberSet(), uint64_t{1} << 7 | uint64_t{1} << 50);
  TCombList full, enumerated;
  EnumerateCombs(0, {}, full);
  std::vector<TComb> scanned(full.Combs().size());
  scanned.resize(match.Filter(full.Combs(), true, scanned.data()));
  enumerated.AssignShape(full.Shape()->Without(*match.NumberSet()));
  EXPECT_EQ(std::vector<TComb>(enumerated.Combs().begin(), enumerated.Combs().end()), scanned);
}

}  // namespace
}  // namespace kavrin
