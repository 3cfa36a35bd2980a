#pragma once
// Removal of the combinations that came out in the last N draws.
#include <functional>
#include <span>

#include "combs/comblist.h"
#include "core/game.h"

namespace kavrin {

// The archive indexes of the last N draws seen from the analysis offset: from the newest
// visible draw (index count - 1 - offset) back over N draws, never below index 0. Empty when N
// is 0 or no draw is visible.
struct TDrawRange {
  int First = 0;  // the oldest index of the range
  int Count = 0;
};
TDrawRange LastDrawsRange(int drawCount, int offset, int lastDraws);

// Called with the share done, in percent, about a hundred times per run.
using TPercentProgress = std::function<void(double percent)>;

// Rebuilds `target` from `source`, in order, keeping every combination whose CountMatches with
// each draw of `draws` is below 5. progress((i + 1) * 100 / count) is called, in order, for
// every i that is a multiple of max(1, count / 100), once combination i has been looked at.
// `source` and `target` are different lists.
void RemoveDrawMatches(const TCombList& source, std::span<const TDrawRec> draws, TCombList& target,
                       const TPercentProgress& progress);

}  // namespace kavrin
