#include "stats/methods/combvalues.h"

namespace kavrin {

TByteValueSet SelectedSingleBytes(const TStatDrawArray& selected) {
  TByteValueSet set;
  for (const TStatDrawRec& s : selected)
    if (s.Key2 == 0 && s.Key3 == 0 && s.Key4 == 0) set.Set(s.Key1);
  return set;
}

TByteValueSet SelectedWord1Bytes(const TStatDrawArray& selected) {
  TByteValueSet set;
  for (const TStatDrawRec& s : selected) set.Set(s.Key1);
  return set;
}

TSumValueSet SelectedSingleSums(const TStatDrawArray& selected) {
  TSumValueSet set;
  for (const TStatDrawRec& s : selected)
    if (s.Key2 == 0 && s.Key3 == 0 && s.Key4 == 0) set.Set(s.Key1);
  return set;
}

}  // namespace kavrin
