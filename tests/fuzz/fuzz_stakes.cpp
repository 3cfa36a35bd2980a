// The stakes file: opened and repaired as at start-up, shown, checked against a few draws,
// counted into the rating and pruned by a condition.
#include "core/config.h"
#include "core/errors.h"
#include "fuzz_support.h"
#include "stakes/rating.h"
#include "stakes/ratingview.h"
#include "stakes/stakesfile.h"

using namespace kavrin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const TDrawsArray draws = {{1, {3, 14, 25, 36, 47}, 2, ""}, {2, {1, 2, 3, 4, 5}, 7, ""},
                                    {3, {50, 49, 10, 20, 30}, 11, ""}};
  static const TConfigData config = [] {
    TConfigData c;
    c.Cost = TCurrency::FromAmount(100);
    c.Profits = {{2, TCurrency::FromAmount(150)}, {5, TCurrency::FromAmount(3000000)}};
    return c;
  }();
  fuzz::Scratch scratch;
  TStakesFile stakes(scratch.Write(StakesFileName, fuzz::AsText(data, size)));
  try {
    stakes.Open();
    (void)stakes.ApplyVersionRule();
    TRatingsArray ratings;
    stakes.ForEach(0, [&](int64_t, const TStakeData& stake) {
      (void)StakesTableRow(stake);
      (void)StakeRowColor(stake.Kind);
      (void)StakeResultColor(stake);
      RatingsAddStake(ratings, stake);
      return true;
    });
    bool changed = false;
    (void)stakes.Check(draws, config, {}, changed);
    stakes.ForEach(0, [&](int64_t, const TStakeData& stake) {
      RatingsAddStake(ratings, stake);
      return true;
    });
    for (const TRatingData& row : ratings) (void)RatingsRowCells(row, 1);
    (void)stakes.SeekRecentDraws(2);
    if (stakes.Count() > 0) (void)stakes.Find(stakes.Read(TSeekOrigin::End, -1).DrawNumber, {});
    stakes.DeleteByCondition(size % 5, 2);
    stakes.Close();
  } catch (const KavrinError&) {
  }
  return 0;
}
