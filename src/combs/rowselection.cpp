#include "combs/rowselection.h"

#include <algorithm>

namespace kavrin {

int64_t TRowSelection::Count() const {
  int64_t count = 0;
  for (const Range& r : ranges_) count += static_cast<int64_t>(r.Last) - r.First + 1;
  return count;
}

bool TRowSelection::Contains(int32_t row) const {
  auto it = std::upper_bound(ranges_.begin(), ranges_.end(), row, [](int32_t v, const Range& r) { return v < r.First; });
  return it != ranges_.begin() && std::prev(it)->Last >= row;
}

void TRowSelection::SelectAll(int32_t rowCount) {
  ranges_.clear();
  if (rowCount > 0) ranges_.push_back({0, rowCount - 1});
}

void TRowSelection::Select(int32_t first, int32_t last) {
  if (first > last) std::swap(first, last);
  if (last < 0) return;
  first = std::max(first, 0);
  std::vector<Range> merged;
  merged.reserve(ranges_.size() + 1);
  Range added{first, last};
  bool placed = false;
  for (const Range& r : ranges_) {
    // Ranges that overlap or touch the new one are absorbed into it.
    if (static_cast<int64_t>(r.Last) + 1 < added.First) {
      merged.push_back(r);
    } else if (static_cast<int64_t>(added.Last) + 1 < r.First) {
      if (!placed) merged.push_back(added);
      placed = true;
      merged.push_back(r);
    } else {
      added.First = std::min(added.First, r.First);
      added.Last = std::max(added.Last, r.Last);
    }
  }
  if (!placed) merged.push_back(added);
  ranges_ = std::move(merged);
}

void TRowSelection::Limit(int32_t rowCount) {
  while (!ranges_.empty() && ranges_.back().First >= rowCount) ranges_.pop_back();
  if (!ranges_.empty()) ranges_.back().Last = std::min(ranges_.back().Last, rowCount - 1);
}

}  // namespace kavrin
