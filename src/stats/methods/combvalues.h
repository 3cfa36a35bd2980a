#pragma once
// Values of the five numbers of a draw or combination that several families use, and the
// selection tables their prepared tests start from.
#include <array>
#include <cstdlib>

#include "core/game.h"
#include "stats/prepared.h"
#include "stats/statrec.h"

namespace kavrin {

inline int CombSum(const TComb& c) { return c[0] + c[1] + c[2] + c[3] + c[4]; }

// |n1 - n2|, |n2 - n3|, |n3 - n4|, |n4 - n5| in the order the numbers are given.
inline std::array<int, DrawSize - 1> AdjacentDiffs(const TComb& c) {
  return {std::abs(c[0] - c[1]), std::abs(c[1] - c[2]), std::abs(c[2] - c[3]), std::abs(c[3] - c[4])};
}

// 1 counts as prime; the set covers the numbers of the game.
inline bool IsPrimeNumber(int n) {
  switch (n) {
    case 1: case 2: case 3: case 5: case 7: case 11: case 13: case 17: case 19: case 23: case 29: case 31:
    case 37: case 41: case 43: case 47:
      return true;
    default:
      return false;
  }
}
inline bool IsEvenNumber(int n) { return n % 2 == 0; }
inline bool IsSmallNumber(int n) { return n < 26; }

// The byte values for which the class test holds.
template <class Test>
TByteValueSet NumberClass(Test test) {
  TByteValueSet set;
  for (int v = 0; v < 256; ++v)
    if (test(v)) set.Set(v);
  return set;
}

inline int ClassCount(const TComb& c, const TByteValueSet& cls) {
  return cls.Has(c[0]) + cls.Has(c[1]) + cls.Has(c[2]) + cls.Has(c[3]) + cls.Has(c[4]);
}

// Key1 of the selected records whose other key words are 0 (a MatchKeys(v, 0, 0, 0) selection).
TByteValueSet SelectedSingleBytes(const TStatDrawArray& selected);
// Key1 of every selected record (a MatchWord(1, v) selection).
TByteValueSet SelectedWord1Bytes(const TStatDrawArray& selected);
// Sums s (0..1275) with Key1/Key2 = s and the other words 0.
TSumValueSet SelectedSingleSums(const TStatDrawArray& selected);

}  // namespace kavrin
