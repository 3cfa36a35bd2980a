#pragma once
// The values a statistic method hands to the engine: the record TStatDrawRec, the value array
// with its key index, the merge rule AddStatValue, the ordering and the totals of a table, and
// the small work lists that single methods keep between draws.
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace kavrin {

// The four key words as one number ordered like the keys: Key1 is the most significant word.
using TStatKey = uint64_t;
constexpr TStatKey MakeStatKey(uint16_t k1, uint16_t k2 = 0, uint16_t k3 = 0, uint16_t k4 = 0) {
  return static_cast<TStatKey>(k1) << 48 | static_cast<TStatKey>(k2) << 32 | static_cast<TStatKey>(k3) << 16 | k4;
}
// A 32-bit value in Key1 (low word) and Key2 (high word), the other words 0.
constexpr TStatKey DwordStatKey(uint32_t value) {
  return MakeStatKey(static_cast<uint16_t>(value), static_cast<uint16_t>(value >> 16));
}

struct TStatDrawRec {
  int32_t LastDraw = 0;   // draw number of the latest occurrence; 0 = never
  int32_t Depth = 0;      // 1 = the newest draw of the window; 0 = never occurred
  int32_t PrevDraw = 0;   // draw number of the occurrence merged last
  uint16_t PeriodMin = 0;  // smallest gap in draw numbers; 0 = none yet
  uint16_t PeriodMax = 0;
  int32_t Count = 0;
  int32_t Norm = 0;  // expected count from the full-set comparison; 0 when not computed
  uint16_t Key1 = 0, Key2 = 0, Key3 = 0, Key4 = 0;

  TStatKey Key() const { return MakeStatKey(Key1, Key2, Key3, Key4); }
  void SetKey(TStatKey key) {
    Key1 = static_cast<uint16_t>(key >> 48);
    Key2 = static_cast<uint16_t>(key >> 32);
    Key3 = static_cast<uint16_t>(key >> 16);
    Key4 = static_cast<uint16_t>(key);
  }
  // Key1/Key2 and Key3/Key4 read as 32-bit numbers (low word first).
  uint32_t Dword1() const { return Key1 | static_cast<uint32_t>(Key2) << 16; }
  uint32_t Dword2() const { return Key3 | static_cast<uint32_t>(Key4) << 16; }
  void SetDword1(uint32_t v) { Key1 = static_cast<uint16_t>(v), Key2 = static_cast<uint16_t>(v >> 16); }
  void SetDword2(uint32_t v) { Key3 = static_cast<uint16_t>(v), Key4 = static_cast<uint16_t>(v >> 16); }

  friend bool operator==(const TStatDrawRec&, const TStatDrawRec&) = default;
};

// A set of keys, each with the position where it was first inserted. Lookups never allocate,
// which the prepared filters rely on.
class TStatKeyIndex {
 public:
  // The position stored with the key, or -1.
  int Find(TStatKey key) const;
  bool Contains(TStatKey key) const { return Find(key) >= 0; }
  // Keeps the existing position when the key is already there.
  void Insert(TStatKey key, int position);
  void Clear();
  size_t Size() const { return used_; }

 private:
  size_t Slot(TStatKey key) const;
  void Grow();
  std::vector<TStatKey> keys_;
  std::vector<int32_t> positions_;  // position + 1; 0 marks a free slot
  size_t used_ = 0;
  int shift_ = 64;
};

// The values of one table, in the order the method produced them. Finding a key is linear
// while the array is short and goes through a key index once it grows; the answer is always
// the first element with that key.
class TStatDrawArray {
 public:
  TStatDrawArray() = default;
  TStatDrawArray(std::initializer_list<TStatDrawRec> items);

  size_t size() const { return items_.size(); }
  bool empty() const { return items_.empty(); }
  const TStatDrawRec& operator[](size_t i) const { return items_[i]; }
  // The key words of an element must not be changed through this reference.
  TStatDrawRec& operator[](size_t i) { return items_[i]; }
  std::vector<TStatDrawRec>::const_iterator begin() const { return items_.begin(); }
  std::vector<TStatDrawRec>::const_iterator end() const { return items_.end(); }
  const std::vector<TStatDrawRec>& Items() const { return items_; }

  void push_back(const TStatDrawRec& rec);
  void clear();
  // Index of the first element with the key, or -1.
  int Find(TStatKey key) const;

 private:
  friend void SortStatValues(TStatDrawArray& items);
  static constexpr size_t LinearLimit = 16;
  std::vector<TStatDrawRec> items_;
  mutable TStatKeyIndex index_;
  mutable size_t indexed_ = 0;  // elements [0, indexed_) are in index_
};

// Merges one occurrence (or, with Count 0, a pre-filled value) into the array: a known key adds
// the count and takes the most recent occurrence; with trackPeriods the gap from the previous
// occurrence updates PeriodMin/PeriodMax. An unknown key is appended with Norm 0.
void AddStatValue(TStatDrawArray& items, const TStatDrawRec& rec, bool trackPeriods);

// Stable order by Key1, Key2, Key3, Key4.
void SortStatValues(TStatDrawArray& items);

struct TStatTotals {
  int32_t MinCount = 2147483647;  // stays so on an empty array
  int32_t MaxCount = 0;
  int64_t SumCount = 0;
  int32_t MaxDepth = 0;
};
TStatTotals StatTotals(const TStatDrawArray& items);

// (key, count) pairs in order of first appearance; adding a known key adds to its count.
struct TStatSimpleItem {
  int32_t Key = 0;
  int32_t Count = 0;
};
class TStatSimpleArray {
 public:
  void Add(int32_t key, int32_t count = 1);
  const std::vector<TStatSimpleItem>& Items() const { return items_; }

 private:
  std::vector<TStatSimpleItem> items_;
};

// Per-value state that a method may keep between the draws of one calculation.
struct TLastValue {
  int32_t DrawNumber = 0;
  uint16_t Key1 = 0, Key2 = 0, Key3 = 0, Key4 = 0;
};
using TLastValueArray = std::vector<TLastValue>;
inline constexpr size_t StatWorkSize = 600;
using TStatWork = std::array<uint8_t, StatWorkSize>;

// The selection functions of Matches: each is true when some selected record has the keys.
bool MatchKeys(const TStatDrawArray& selected, uint16_t k1, uint16_t k2, uint16_t k3, uint16_t k4);
bool MatchWord(const TStatDrawArray& selected, int word, uint16_t value);   // word 1..4
bool MatchByte(const TStatDrawArray& selected, int byte, uint8_t value);    // byte 1..8, low byte of Key1 first
bool MatchDword(const TStatDrawArray& selected, int dword, uint32_t value);  // 1: Key1/Key2, 2: Key3/Key4
bool MatchPair(const TStatDrawArray& selected, uint16_t a, uint16_t b);     // Key1 = a, Key3 = b, others 0

}  // namespace kavrin
