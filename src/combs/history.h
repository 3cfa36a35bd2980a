#pragma once
// The applied-filters history shown under the combination list: one row per operation that
// narrowed the list, with the count it left.
#include <cstdint>
#include <string>
#include <vector>

namespace kavrin {

// Keep (0) or remove (1) the combinations that carry a selected value.
enum class TFilterMode : uint8_t { Include = 0, Exclude = 1 };

// The icons of the commands "Удалить выделенные", "Оставить выделенные" and "Отменить".
enum class THistoryIcon : uint8_t { Exclude, Include, Undo };
inline THistoryIcon HistoryIconOf(TFilterMode mode) {
  return mode == TFilterMode::Include ? THistoryIcon::Include : THistoryIcon::Exclude;
}

inline constexpr char HistoryUndoCaption[] = "Отмена последней операции";

struct THistoryRow {
  std::string Caption;  // column "Примененные фильтры"
  std::string Values;   // column "Значения"
  int32_t Count = 0;    // column "Комбинаций": the list count after the operation
  THistoryIcon Icon = THistoryIcon::Exclude;
  friend bool operator==(const THistoryRow&, const THistoryRow&) = default;
};

class TFilterHistory {
 public:
  const std::vector<THistoryRow>& Rows() const { return rows_; }
  void Append(std::string caption, std::string values, int32_t count, THistoryIcon icon) {
    rows_.push_back({std::move(caption), std::move(values), count, icon});
  }
  // The row of an automatic undo: "Отмена последней операции", no values, the undo icon.
  void AppendUndo(int32_t count) { Append(HistoryUndoCaption, "", count, THistoryIcon::Undo); }
  void DeleteLast() {
    if (!rows_.empty()) rows_.pop_back();
  }
  void Clear() { rows_.clear(); }

 private:
  std::vector<THistoryRow> rows_;
};

}  // namespace kavrin
