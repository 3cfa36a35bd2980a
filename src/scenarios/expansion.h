#pragma once
// Filter variant expansion: a line's filters, each with several numbers of draws and possibly
// several criterion values, become the list of every concrete combination of them.
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "scenarios/scriptline.h"

namespace kavrin {

// The variants of a line in creation order. The engine pops each from the front once taken, so
// the memory of a variant is released as soon as it has run.
using TFilterVariants = std::deque<TFilterRec>;

// More variants than this cannot be held; the expansion refuses them before building any.
inline constexpr int64_t FilterVariantsLimit = 2000000;
// The memory the variants of one line may take: a quarter of the machine's memory, at most 1 GiB.
int64_t FilterVariantsMemoryLimit();
// The memory the variants of the filters would take, from the size of a variant and the texts it
// holds. Saturates at INT64_MAX.
int64_t FilterVariantsMemory(const std::vector<TFilterItem>& filters);

struct TExpansionHooks {
  // Called after every 1000th variant with the number made so far.
  std::function<void(int count)> Progress;
  // Read before every draws and criterion value; true ends the expansion early, keeping the
  // variants made so far.
  std::function<bool()> Stopped;
};

// "Создание всех вариантов фильтров ( %d )...": the status of the progress hook.
std::string FilterVariantsStatusText(int count);

// The number of variants the filters give: the product over the filters of the draws count
// times, for per-value criteria, the values count. Saturates at INT64_MAX. Lists that read as
// empty count as 0.
int64_t FilterVariantsCount(const std::vector<TFilterItem>& filters);

// Every variant of the active filters 1..n (n <= 7, in line order), in lexicographic order of
// (draws of filter 1, value of filter 1, draws of filter 2, ...) with the last varying fastest;
// parts n+1..7 stay inactive. No filters give no variants.
// Throws KavrinError "Некорректное описание фильтра: %s!" (with FilterItemToText) for a draws
// text that gives no integers or only the single 0, or with a criterion other than LNO a level
// text that gives no integers, checking every filter before making any variant; and the
// too-many-variants message ("Вы задали слишком много вариантов фильтров ...\r\r" + reason)
// when the count exceeds `limit`, when they would take more than `memoryLimit` bytes (both
// checked before any variant is made) or when memory runs out.
TFilterVariants ExpandFilterVariants(const std::vector<TFilterItem>& filters, const TExpansionHooks& hooks = {},
                                     int64_t limit = FilterVariantsLimit,
                                     int64_t memoryLimit = FilterVariantsMemoryLimit());

}  // namespace kavrin
