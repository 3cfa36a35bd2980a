#pragma once
// How the scenario engine chooses rows of a statistics table for one filter part: the row fields
// as criteria read them, the criterion test, the walk order and the stop tests of single and
// multi selection. The walks are pure over the table; what a single-selection step does to the
// combination list is the caller's.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "scenarios/scriptline.h"
#include "stats/customstat.h"
#include "stats/stattable.h"

namespace kavrin {

// A row field read as a decimal integer, or as a decimal number written with the locale's
// separator or a point; nullopt when the text is not one ("-" cells among them).
std::optional<int32_t> RowFieldAsInteger(const std::string& text);
std::optional<long double> RowFieldAsNumber(const std::string& text);

// Whether the row passes the criterion `mode` compared with `levelValue` (one integer, or for
// the list criteria integers joined by ","); `valueKey` is the method's ListValue of the row's
// value text. Fields that cannot be read take the criterion's default; a list criterion meeting
// such a field throws KavrinError, which stops the scenario.
bool RowMeetsCriterion(const TStatValues& row, int32_t valueKey, TLevelMode mode, const std::string& levelValue);

// "< [value] кол-во: ... вес: ... >": a row as the run log shows it.
std::string RowLogText(const TStatValues& row);

// The row indexes of a table of `rows` rows in walk order: last to first when bottom-up.
std::vector<size_t> WalkOrder(size_t rows, bool bottomUp);

// The stop size of SE: the stop value when it is a stake size from 6 to maxStake, else maxStake.
int ExtendedStakeLimit(int32_t stopValue, int maxStake);

// A row chosen by a walk, with the step number it was logged under (1-based).
struct TSelectedRow {
  size_t Row = 0;
  int Step = 0;
  friend bool operator==(const TSelectedRow&, const TSelectedRow&) = default;
};

// Multi selection: every row that passes the criterion until a stop test (SV, SP, ST) ends the
// walk; each row walked is a step, chosen or not. `Stopped` is set when a requested stop ended
// the walk: the part must then not filter.
struct TMultiSelection {
  std::vector<TSelectedRow> Rows;
  bool Stopped = false;
};
TMultiSelection SelectRows(const TStatTable& table, const TCustomStat& stat, const TFilterPart& part,
                           const std::function<bool()>& stopped);

// What a single-selection walk asks of the list it narrows.
struct TSingleWalkHooks {
  std::function<bool()> Stopped;  // a stop was requested (also after a failed step)
  std::function<int32_t()> ListCount;
  std::function<bool(int limit)> AtMostDistinctNumbers;  // the list holds at most `limit` numbers
  // Filters the list by the row's value alone. Returns false when that emptied the list and the
  // step was rolled back.
  std::function<bool(const TSelectedRow&)> Filter;
};

// Single selection: each row that passes the criterion is filtered on its own, until a stop test
// (SC, SE, SV, SP, ST, a requested stop) ends the walk or, with SZ, a step empties the list.
// Only steps that left combinations count.
void WalkSingle(const TStatTable& table, const TCustomStat& stat, const TFilterPart& part, int maxStake,
                const TSingleWalkHooks& hooks);

}  // namespace kavrin
