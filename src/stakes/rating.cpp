#include "stakes/rating.h"

#include <algorithm>
#include <climits>

#include "core/binio.h"
#include "core/errors.h"
#include "core/fileio.h"
#include "core/format.h"
#include "core/textcase.h"

namespace kavrin {

void EncodeRatingRecord(const TRatingData& row, uint8_t* out) {
  RecordWriter w(out, RatingRecordSize);
  w.ShortString(0, 255, row.Key);
  w.I32(256, row.Stakes);
  w.I32(260, row.Overlaps);
  for (int i = 0; i <= DrawSize; ++i) w.I32(264 + 4 * i, row.Counts[i]);
  w.I64(288, row.Profit.Raw());
}

TRatingData DecodeRatingRecord(const uint8_t* in) {
  RecordReader r(in, RatingRecordSize);
  TRatingData row;
  row.Key = r.ShortString(0, 255);
  row.Stakes = r.I32(256);
  row.Overlaps = r.I32(260);
  for (int i = 0; i <= DrawSize; ++i) row.Counts[i] = r.I32(264 + 4 * i);
  row.Profit = TCurrency::FromRaw(r.I64(288));
  return row;
}

std::string RatingRecordProblem(const TRatingData& row) {
  if (row.Stakes < 1) return Format("количество ставок %d меньше 1", {row.Stakes});
  if (row.Overlaps < 0 || row.Overlaps > static_cast<int64_t>(row.Stakes) * DrawSize)
    return Format("сумма совпадений %d вне диапазона от 0 до %d", {row.Overlaps, static_cast<int64_t>(row.Stakes) * DrawSize});
  int64_t counted = 0;
  for (int i = 0; i <= DrawSize; ++i) {
    if (row.Counts[i] < 0) return Format("количество ставок с %d совпадениями отрицательно", {i});
    counted += row.Counts[i];
  }
  if (counted > row.Stakes) return Format("ставок по числу совпадений (%d) больше, чем ставок (%d)", {counted, row.Stakes});
  return "";
}

void ReadRatingsFile(const std::string& path, TRatingsArray& rows) {
  if (!FileExists(path)) return;
  const size_t tail = ForEachRecord<RatingRecordSize>(ReadFileBytes(path), [&](const uint8_t* record) {
    TRatingData row = DecodeRatingRecord(record);
    const std::string problem = RatingRecordProblem(row);
    if (!problem.empty())
      throw KavrinError(Format("Файл %s, запись %d: %s.", {path, rows.size() + 1, problem}));
    rows.push_back(std::move(row));
  });
  if (tail != 0) throw KavrinError(Format("Файл %s обрывается внутри записи %d.", {path, rows.size() + 1}));
}

void WriteRatingsFile(const std::string& path, const TRatingsArray& rows) {
  WriteFileAtomic(path, EncodeRecords<RatingRecordSize>(rows, EncodeRatingRecord));
}

void RatingsAddStake(TRatingsArray& rows, const TStakeData& stake) {
  const int overlaps = stake.OverlapCount();
  if (overlaps < 0) return;
  // A damaged record may claim more overlaps than a draw has; it still counts, in no column.
  const bool counted = overlaps <= DrawSize;
  for (TRatingData& row : rows) {
    if (!LocaleSameText(row.Key, stake.Comment)) continue;
    row.Stakes = SaturatingAdd32(row.Stakes, 1);
    row.Overlaps = SaturatingAdd32(row.Overlaps, overlaps);
    row.Profit += stake.Profit;
    if (counted) row.Counts[overlaps] = SaturatingAdd32(row.Counts[overlaps], 1);
    return;
  }
  TRatingData row;
  row.Key = stake.Comment;
  row.Stakes = 1;
  row.Overlaps = overlaps;
  row.Profit = stake.Profit;
  if (counted) row.Counts[overlaps] = 1;
  rows.push_back(row);
}

namespace {

int ToInt32(int64_t v) { return static_cast<int>(std::clamp<int64_t>(v, INT_MIN, INT_MAX)); }

int Compare(const TRatingData& a, const TRatingData& b, int column) {
  const long double sa = a.Stakes, sb = b.Stakes;
  const long double pa = static_cast<long double>(a.Profit.Raw()), pb = static_cast<long double>(b.Profit.Raw());
  switch (column) {
    case 0: return LocaleCompareStr(a.Key, b.Key);
    case 1: return ToInt32(static_cast<int64_t>(a.Stakes) - b.Stakes);
    case 2: return ToInt32(static_cast<int64_t>(a.Overlaps) - b.Overlaps);
    case 3: return ToInt32(RoundHalfEven((a.Overlaps / sa - b.Overlaps / sb) * 100));
    case 4: return ToInt32(RoundHalfEven((pa - pb) * 100 / TCurrency::Scale));
    case 5: return ToInt32(RoundHalfEven((pa / sa - pb / sb) * 100 / TCurrency::Scale));
    default:
      if (column >= 6 && column <= 11)
        return ToInt32(static_cast<int64_t>(a.Counts[column - 6]) - b.Counts[column - 6]);
      return 0;
  }
}

}  // namespace

int RatingsCompare(const TRatingData& a, const TRatingData& b, int column, int direction) {
  if (a.Stakes == 0 || b.Stakes == 0) return 0;
  // Reversing the order must not negate the smallest integer.
  const int result = std::max(Compare(a, b, column), -INT_MAX);
  return direction == 1 ? -result : result;
}

void RatingsSortRows(TRatingsArray& rows, int column, int direction) {
  // A column that gives no order leaves the rows as they are (partitioning would shuffle them).
  if (column < 0 || column > 11) return;
  // Hoare's partition with bounded scans: rounded comparisons are not transitive, and the
  // bounds keep the sort inside the array whatever they answer.
  auto sort = [&](auto&& self, int64_t left, int64_t right) -> void {
    while (left < right) {
      int64_t i = left, j = right;
      const TRatingData pivot = rows[static_cast<size_t>((left + right) / 2)];
      do {
        while (i < right && RatingsCompare(rows[i], pivot, column, direction) < 0) ++i;
        while (j > left && RatingsCompare(rows[j], pivot, column, direction) > 0) --j;
        if (i <= j) {
          std::swap(rows[i], rows[j]);
          ++i;
          --j;
        }
      } while (i <= j);
      // Recurse into the smaller part so the depth stays logarithmic.
      if (j - left < right - i) {
        self(self, left, j);
        left = i;
      } else {
        self(self, i, right);
        right = j;
      }
    }
  };
  sort(sort, 0, static_cast<int64_t>(rows.size()) - 1);
}

void TProfitDrawArray::Add(int32_t drawNumber, TCurrency profit) {
  auto [it, added] = index_.try_emplace(drawNumber, items_.size());
  if (added) items_.push_back({drawNumber, TCurrency()});
  items_[it->second].Profit += profit;
}

}  // namespace kavrin

