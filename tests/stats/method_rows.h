#pragma once
// A method's table as row texts with their counts, and selections of single values: the terms in
// which the method tests state what a window gives and what a filter keeps.
#include <initializer_list>
#include <map>
#include <string>

#include "stats/stats_fixture.h"

namespace kavrin::test {

using Rows = std::map<std::string, int>;  // row text -> count

inline Rows RowsOf(StatsFixture& f, const std::string& code, bool sorted = false, int offset = 0) {
  auto stat = f.Create(code);
  Rows rows;
  for (const TStatDrawRec& e : f.Run(code, 1000000, offset, sorted).Items) rows[stat->ValueText(e)] = e.Count;
  return rows;
}

// Only the rows the draws counted, without the pre-filled ones left at 0.
inline Rows CountedRows(StatsFixture& f, const std::string& code, bool sorted = false, int offset = 0) {
  Rows rows;
  for (const auto& [text, count] : RowsOf(f, code, sorted, offset))
    if (count > 0) rows[text] = count;
  return rows;
}

inline TStatDrawRec Value(uint16_t k1, uint16_t k2 = 0, uint16_t k3 = 0, uint16_t k4 = 0) {
  TStatDrawRec rec;
  rec.SetKey(MakeStatKey(k1, k2, k3, k4));
  return rec;
}

inline TStatDrawArray Selected(std::initializer_list<int> values) {
  TStatDrawArray selected;
  for (int v : values) selected.push_back(Value(static_cast<uint16_t>(v)));
  return selected;
}

}  // namespace kavrin::test
