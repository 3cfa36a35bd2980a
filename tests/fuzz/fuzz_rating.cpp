// The rating file: read, added to by checked stakes, sorted by a column, shown, exported, and
// rewritten as the same rows.
#include <climits>
#include <cstdlib>

#include "core/errors.h"
#include "fuzz_support.h"
#include "stakes/rating.h"
#include "stakes/ratingview.h"

using namespace kavrin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Scratch scratch;
  TRatingsArray rows;
  try {
    ReadRatingsFile(scratch.Write(RatingFileName, fuzz::AsText(data, size)), rows);
  } catch (const KavrinError&) {
    return 0;
  }
  // Checking stakes adds them to the rows read: the first to the first row, the second
  // most likely to a new one.
  TStakeData stake;
  stake.Checked = true;
  stake.Overlaps = {3, {1, 2, 3}};
  stake.Profit = TCurrency::FromRaw(INT64_MAX / 2);
  stake.Comment = rows.empty() ? std::string("Ручная ставка") : rows.front().Key;
  RatingsAddStake(rows, stake);
  stake.Comment = "Другая ставка";
  RatingsAddStake(rows, stake);
  if (size > 0) RatingsSortRows(rows, data[0] % RatingsColumnCount, data[0] / RatingsColumnCount % 2);
  for (const TRatingData& row : rows)
    for (int mode = 0; mode < 3; ++mode) (void)RatingsRowCells(row, mode);
  (void)RatingsCsvText(rows);
  const std::string copy = scratch.Path() + "/copy.lrt";
  try {
    WriteRatingsFile(copy, rows);
    TRatingsArray again;
    ReadRatingsFile(copy, again);
    if (again != rows) std::abort();
  } catch (const KavrinError&) {
  }
  return 0;
}
