#pragma once
// The selected rows of a list view as sorted, disjoint, non-adjacent ranges, so that selecting
// every row of the full set costs one range rather than one entry per row.
#include <cstdint>
#include <vector>

namespace kavrin {

class TRowSelection {
 public:
  struct Range {
    int32_t First = 0;  // first selected row
    int32_t Last = 0;   // last selected row, inclusive
    friend bool operator==(const Range&, const Range&) = default;
  };

  bool Empty() const { return ranges_.empty(); }
  // Number of selected rows.
  int64_t Count() const;
  // The first selected row, or -1 when nothing is selected.
  int32_t First() const { return ranges_.empty() ? -1 : ranges_.front().First; }
  const std::vector<Range>& Ranges() const { return ranges_; }
  bool Contains(int32_t row) const;

  void Clear() { ranges_.clear(); }
  // Selects every row of a list of `rowCount` rows.
  void SelectAll(int32_t rowCount);
  // Adds rows first..last (inclusive, either order), merging with what is selected.
  void Select(int32_t first, int32_t last);
  // Forgets rows at and beyond `rowCount`, after the list has shrunk.
  void Limit(int32_t rowCount);

 private:
  std::vector<Range> ranges_;
};

}  // namespace kavrin
