#include "stats/statrec.h"

#include <algorithm>
#include <cstdlib>

namespace kavrin {

// ---- key index: open addressing with linear probing, kept at most half full ----

size_t TStatKeyIndex::Slot(TStatKey key) const {
  return static_cast<size_t>((key * 0x9E3779B97F4A7C15ull) >> shift_);
}

int TStatKeyIndex::Find(TStatKey key) const {
  if (used_ == 0) return -1;
  const size_t mask = keys_.size() - 1;
  for (size_t s = Slot(key);; s = (s + 1) & mask) {
    if (positions_[s] == 0) return -1;
    if (keys_[s] == key) return positions_[s] - 1;
  }
}

void TStatKeyIndex::Insert(TStatKey key, int position) {
  if ((used_ + 1) * 2 > keys_.size()) Grow();
  const size_t mask = keys_.size() - 1;
  for (size_t s = Slot(key);; s = (s + 1) & mask) {
    if (positions_[s] == 0) {
      keys_[s] = key;
      positions_[s] = position + 1;
      ++used_;
      return;
    }
    if (keys_[s] == key) return;
  }
}

void TStatKeyIndex::Grow() {
  std::vector<TStatKey> oldKeys = std::move(keys_);
  std::vector<int32_t> oldPositions = std::move(positions_);
  size_t capacity = std::max<size_t>(32, oldKeys.size() * 2);
  keys_.assign(capacity, 0);
  positions_.assign(capacity, 0);
  shift_ = 64 - __builtin_ctzll(capacity);
  used_ = 0;
  for (size_t s = 0; s < oldKeys.size(); ++s)
    if (oldPositions[s] != 0) Insert(oldKeys[s], oldPositions[s] - 1);
}

void TStatKeyIndex::Clear() {
  keys_.clear();
  positions_.clear();
  used_ = 0;
  shift_ = 64;
}

// ---- value array ----

TStatDrawArray::TStatDrawArray(std::initializer_list<TStatDrawRec> items) {
  for (const TStatDrawRec& rec : items) push_back(rec);
}

void TStatDrawArray::push_back(const TStatDrawRec& rec) { items_.push_back(rec); }

void TStatDrawArray::clear() {
  items_.clear();
  index_.Clear();
  indexed_ = 0;
}

int TStatDrawArray::Find(TStatKey key) const {
  if (items_.size() <= LinearLimit) {
    for (size_t i = 0; i < items_.size(); ++i)
      if (items_[i].Key() == key) return static_cast<int>(i);
    return -1;
  }
  // Elements appended since the last lookup join the index in order, so it keeps the first.
  for (; indexed_ < items_.size(); ++indexed_) index_.Insert(items_[indexed_].Key(), static_cast<int>(indexed_));
  return index_.Find(key);
}

void AddStatValue(TStatDrawArray& items, const TStatDrawRec& rec, bool trackPeriods) {
  int found = items.Find(rec.Key());
  if (found < 0) {
    TStatDrawRec added = rec;
    added.Norm = 0;
    items.push_back(added);
    return;
  }
  TStatDrawRec& e = items[found];
  e.Count += rec.Count;
  if (e.Depth == 0 || (rec.Depth > 0 && e.Depth >= rec.Depth)) {
    e.LastDraw = rec.LastDraw;
    e.Depth = rec.Depth;
  }
  if (trackPeriods && rec.LastDraw > 0 && e.PrevDraw > 0) {
    // Gaps are kept in 16 bits, as the record stores them.
    const auto gap = static_cast<uint16_t>(std::abs(static_cast<int64_t>(e.PrevDraw) - rec.LastDraw));
    if (e.PeriodMin == 0 || gap < e.PeriodMin) e.PeriodMin = gap;
    if (e.PeriodMax == 0 || gap > e.PeriodMax) e.PeriodMax = gap;
  }
  e.PrevDraw = rec.LastDraw;
}

void SortStatValues(TStatDrawArray& items) {
  std::stable_sort(items.items_.begin(), items.items_.end(),
                   [](const TStatDrawRec& a, const TStatDrawRec& b) { return a.Key() < b.Key(); });
  items.index_.Clear();
  items.indexed_ = 0;
}

TStatTotals StatTotals(const TStatDrawArray& items) {
  TStatTotals t;
  for (const TStatDrawRec& e : items) {
    t.MinCount = std::min(t.MinCount, e.Count);
    t.MaxCount = std::max(t.MaxCount, e.Count);
    t.SumCount += e.Count;
    if (t.MaxDepth == 0 || (e.Depth > 0 && e.Depth > t.MaxDepth)) t.MaxDepth = e.Depth;
  }
  return t;
}

void TStatSimpleArray::Add(int32_t key, int32_t count) {
  for (TStatSimpleItem& item : items_)
    if (item.Key == key) {
      item.Count += count;
      return;
    }
  items_.push_back({key, count});
}

// ---- selection functions ----

bool MatchKeys(const TStatDrawArray& selected, uint16_t k1, uint16_t k2, uint16_t k3, uint16_t k4) {
  const TStatKey key = MakeStatKey(k1, k2, k3, k4);
  for (const TStatDrawRec& s : selected)
    if (s.Key() == key) return true;
  return false;
}

bool MatchWord(const TStatDrawArray& selected, int word, uint16_t value) {
  for (const TStatDrawRec& s : selected) {
    const uint16_t words[4] = {s.Key1, s.Key2, s.Key3, s.Key4};
    if (word >= 1 && word <= 4 && words[word - 1] == value) return true;
  }
  return false;
}

bool MatchByte(const TStatDrawArray& selected, int byte, uint8_t value) {
  for (const TStatDrawRec& s : selected) {
    const uint16_t words[4] = {s.Key1, s.Key2, s.Key3, s.Key4};
    if (byte >= 1 && byte <= 8 && static_cast<uint8_t>(words[(byte - 1) / 2] >> (8 * ((byte - 1) % 2))) == value)
      return true;
  }
  return false;
}

bool MatchDword(const TStatDrawArray& selected, int dword, uint32_t value) {
  if (dword != 1 && dword != 2) return false;
  for (const TStatDrawRec& s : selected)
    if ((dword == 1 ? s.Dword1() : s.Dword2()) == value) return true;
  return false;
}

bool MatchPair(const TStatDrawArray& selected, uint16_t a, uint16_t b) { return MatchKeys(selected, a, 0, b, 0); }

}  // namespace kavrin
