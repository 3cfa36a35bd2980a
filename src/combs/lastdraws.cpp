#include "combs/lastdraws.h"

#include <algorithm>
#include <array>
#include <bit>
#include <optional>
#include <vector>

namespace kavrin {
namespace {

// CountMatches(draw, comb) is the sum over the combination's five numbers of how often each
// occurs in the draw. Twelve draws share one 64-bit word, five bits each: table[n] holds, per
// draw, how often n occurs in it, so adding the five table words of a combination gives twelve
// CountMatches at once (at most 25, so no lane overflows), and a lane equal to 5 is found with
// one zero-lane test. This is exact for every byte value and for draws that repeat a number.
constexpr int LaneBits = 5;
constexpr int LanesPerWord = 64 / LaneBits;

constexpr uint64_t EveryLane(uint64_t value) {
  uint64_t word = 0;
  for (int lane = 0; lane < LanesPerWord; ++lane) word |= value << (lane * LaneBits);
  return word;
}
constexpr uint64_t LaneOnes = EveryLane(1);
constexpr uint64_t LaneHighs = EveryLane(uint64_t{1} << (LaneBits - 1));
constexpr uint64_t LaneFives = EveryLane(DrawSize);

// True when some lane of the word is zero (exact: borrows only start at a zero lane).
inline bool HasZeroLane(uint64_t word) { return ((word - LaneOnes) & ~word & LaneHighs) != 0; }

using TLaneTable = std::array<uint64_t, 256>;

std::vector<TLaneTable> LaneTables(std::span<const TDrawRec> draws) {
  std::vector<TLaneTable> tables((draws.size() + LanesPerWord - 1) / LanesPerWord, TLaneTable{});
  for (size_t d = 0; d < draws.size(); ++d)
    for (uint8_t n : draws[d].Numbers) tables[d / LanesPerWord][n] += uint64_t{1} << (d % LanesPerWord * LaneBits);
  return tables;
}

inline bool MatchesDraws(const TComb& comb, const TLaneTable& t) {
  const uint64_t sums = t[comb[0]] + t[comb[1]] + t[comb[2]] + t[comb[3]] + t[comb[4]];
  return HasZeroLane(sums ^ LaneFives);
}

// What the result of removing `draws` from a list of shape `shape` is: each draw of five
// different numbers 1..50 removes exactly the combination of its numbers. A draw of another kind
// may remove others, so then the shape is not known.
std::optional<TCombsShape> ShapeWithout(const TCombsShape& shape, std::span<const TDrawRec> draws) {
  TCombsShape result = shape;
  for (const TDrawRec& draw : draws) {
    uint64_t mask = 0;
    for (const uint8_t n : draw.Numbers) {
      if (n < 1 || n > NumberMax) return std::nullopt;
      mask |= uint64_t{1} << n;
    }
    if (std::popcount(mask) != DrawSize) return std::nullopt;
    if ((mask & shape.Numbers) != mask) continue;
    TComb comb = draw.Numbers;
    std::sort(comb.begin(), comb.end());
    result.Missing.push_back(comb);
  }
  std::sort(result.Missing.begin(), result.Missing.end());
  result.Missing.erase(std::unique(result.Missing.begin(), result.Missing.end()), result.Missing.end());
  return result;
}

}  // namespace

TDrawRange LastDrawsRange(int drawCount, int offset, int lastDraws) {
  const int newest = drawCount - 1 - std::max(offset, 0);
  if (lastDraws <= 0 || newest < 0) return {};
  const int first = std::max(0, newest - lastDraws + 1);
  return {first, newest - first + 1};
}

void RemoveDrawMatches(const TCombList& source, std::span<const TDrawRec> draws, TCombList& target,
                       const TPercentProgress& progress) {
  const int32_t total = source.Count();
  const int32_t step = std::max(1, total / 100);
  // A list of known shape loses known combinations: nothing to look at, the same reports made.
  if (source.Shape())
    if (std::optional<TCombsShape> shape = ShapeWithout(*source.Shape(), draws)) {
      target.Clear();
      target.Reserve(total);
      target.AssignShape(std::move(*shape));
      if (progress)
        for (int64_t i = 0; i < total; i += step) progress((i + 1) * 100.0 / total);
      return;
    }
  const std::vector<TLaneTable> tables = LaneTables(draws);
  const std::span<const TComb> combs = source.Combs();
  target.Clear();
  target.Reserve(total);
  TComb* out = target.Data();
  int32_t kept = 0;
  // Runs between two progress reports go through a loop with nothing else in it; up to twelve
  // draws, the usual case, need one table and no inner loop.
  auto keepRun = [&](int32_t from, int32_t to, auto&& matches) {
    for (int32_t i = from; i < to; ++i) {
      const TComb& comb = combs[i];
      if (!matches(comb)) out[kept++] = comb;
    }
  };
  for (int64_t i = 0; i < total; i += step) {
    const auto from = static_cast<int32_t>(i);
    const auto end = static_cast<int32_t>(std::min<int64_t>(i + step, total));
    if (tables.size() == 1)
      keepRun(from, end, [&t = tables.front()](const TComb& comb) { return MatchesDraws(comb, t); });
    else
      keepRun(from, end, [&](const TComb& comb) {
        return std::any_of(tables.begin(), tables.end(), [&](const TLaneTable& t) { return MatchesDraws(comb, t); });
      });
    if (progress) progress((i + 1) * 100.0 / total);
  }
  target.SetCount(kept);
}

}  // namespace kavrin
