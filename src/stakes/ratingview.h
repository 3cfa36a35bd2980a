#pragma once
// What the rating tab shows: the cells of a row, the efficiency modes, the CSV export and the
// data of the rating and stake graphs.
#include <array>
#include <string>
#include <vector>

#include "stakes/graphdata.h"
#include "stakes/rating.h"

namespace kavrin {

inline constexpr int RatingsColumnCount = 18;
const std::array<std::string, RatingsColumnCount>& RatingsCaptions();
inline constexpr char RatingsBadDataText[] = "# bad data #";

// The efficiency columns E0..E5 by RatingsEffMode: 0 the overlap counts random play would give,
// 1 percentage points above or below random play, 2 per cent of the random expectation.
struct TEffModeCommand {
  const char* Caption;
  const char* Hint;
};
const std::array<TEffModeCommand, 3>& RatingsEffModes();

// Every cell of the row; all but the key are empty for a row without stakes.
std::array<std::string, RatingsColumnCount> RatingsRowCells(const TRatingData& row, int effMode);

// The export file's text (UTF-8, CR LF line ends): a header of the 18 captions and, per row, the
// key and the 11 value columns before the efficiency ones.
std::string RatingsCsvText(const TRatingsArray& rows);
inline constexpr char RatingsCsvFilter[] = "CSV-файлы (*.csv)|*.csv";

// ---- graphs ----
inline constexpr char GraphTooFewDrawsMessage[] =
    "Для построения графиков необходимо, чтобы в выделенном диапазоне данных было более одного тиража!";
inline constexpr char StakesGraphDrawsCaption[] = "График суммарного профита ставок по тиражам";
inline constexpr char StakesGraphOverlapCaption[] = "График количества совпадений для всех ставок по тиражам";
inline constexpr char StakesGraphProfitsCaption[] = "График профита для всех ставок по тиражам";
inline constexpr char RatingsGraphOverlapCaption[] = "График количества совпадений для выделенных строк рейтинга";

// Profit, mean and running sum per draw, in currency units. Throws KavrinError with
// GraphTooFewDrawsMessage when there is no draw.
TGraphData ProfitByDrawsGraph(const TProfitDrawArray& draws);
// Adds a checked stake whose comment is one of the keys (letter case ignored) to the series of
// its comment: its overlap count, or its profit in currency units.
void AddStakeGraphPoint(TGraphData& graph, const TStakeData& stake, const std::vector<std::string>& keys,
                        bool profit);
// Random play's overlap counts for the most stakes among the rows, then each row's counts.
TGraphData RatingsOverlapGraph(const std::vector<TRatingData>& rows);

}  // namespace kavrin
