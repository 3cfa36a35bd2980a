#pragma once
// The rating: checked stakes summed up by their comment, one row per distinct comment (letter
// case ignored), kept in memory and mirrored whole in "Kavrin_5x50.lrt".
#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/game.h"
#include "core/money.h"
#include "stakes/stakerecord.h"

namespace kavrin {

inline constexpr char RatingFileName[] = "Kavrin_5x50.lrt";
inline constexpr size_t RatingRecordSize = 296;

struct TRatingData {
  std::string Key;  // the stakes' comment; at most 255 Windows-1251 characters once stored
  int32_t Stakes = 0;
  int32_t Overlaps = 0;  // sum of the stakes' overlap counts
  std::array<int32_t, DrawSize + 1> Counts{};  // stakes with exactly 0..5 overlaps
  TCurrency Profit;
  friend bool operator==(const TRatingData&, const TRatingData&) = default;
};
using TRatingsArray = std::vector<TRatingData>;

void EncodeRatingRecord(const TRatingData& row, uint8_t* out);
TRatingData DecodeRatingRecord(const uint8_t* in);
// Why a row read from the file cannot be right (no stakes, negative or impossible counts), or
// empty when it can.
std::string RatingRecordProblem(const TRatingData& row);
// Appends the file's records to `rows`; the rows read before a failure stay. A missing file
// adds nothing. Throws KavrinError, also for a file that ends inside a record and for a record
// whose fields are out of range (the error names the file and the record).
void ReadRatingsFile(const std::string& path, TRatingsArray& rows);
// Rewrites the file atomically. Throws KavrinError.
void WriteRatingsFile(const std::string& path, const TRatingsArray& rows);

// Counts a checked stake in the row of its comment, creating the row; stakes with a negative
// overlap count are ignored. Counters and the profit saturate rather than overflow.
void RatingsAddStake(TRatingsArray& rows, const TStakeData& stake);

// The view's ordering of two rows for a column (0..17) and direction (1 = descending). Averages
// and money compare at a resolution of 0.01; efficiency columns give no order; a row without
// stakes equals every row.
int RatingsCompare(const TRatingData& a, const TRatingData& b, int column, int direction);
// In-place quicksort with that comparison; rows that compare equal end in no particular order,
// and a column that gives no order leaves the rows as they are.
void RatingsSortRows(TRatingsArray& rows, int column, int direction);

// Profit per draw, in the order in which the draws first appear.
struct TProfitDraw {
  int32_t DrawNumber = 0;
  TCurrency Profit;
  friend bool operator==(const TProfitDraw&, const TProfitDraw&) = default;
};
class TProfitDrawArray {
 public:
  // Adds to the draw's element, or appends one for a draw not seen yet.
  void Add(int32_t drawNumber, TCurrency profit);
  const std::vector<TProfitDraw>& Items() const { return items_; }

 private:
  std::vector<TProfitDraw> items_;
  std::unordered_map<int32_t, size_t> index_;
};

}  // namespace kavrin
