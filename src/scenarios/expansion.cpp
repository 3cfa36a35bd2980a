#include "scenarios/expansion.h"

#include <unistd.h>

#include <algorithm>
#include <limits>
#include <new>

#include "core/errors.h"
#include "core/format.h"
#include "core/game.h"

namespace kavrin {

namespace {

const char* const TooManyVariants =
    "Вы задали слишком много вариантов фильтров - программа не сможет обработать их все!\rПожалуйста, "
    "уменьшите в каждом из фильтров количество вариантов длины выборки и глубины, а затем повторите попытку.";

// The lists a filter expands over, checked: a draws text giving no integers or only the single 0
// and, with a criterion, a values text giving no integers cannot be run.
struct TFilterLists {
  TIntArray Draws;
  TIntArray Levels;
};

TFilterLists FilterLists(const TFilterItem& f) {
  TFilterLists lists{TextToIntList(f.DrawsLenText), {}};
  bool valid = !lists.Draws.empty() && !(lists.Draws.size() == 1 && lists.Draws[0] == 0);
  if (f.LevelMode != TLevelMode::LNO) {
    lists.Levels = TextToIntList(f.LevelText);
    valid = valid && !lists.Levels.empty();
  }
  if (!valid) throw KavrinError(Format("Некорректное описание фильтра: %s!", {FilterItemToText(f)}));
  return lists;
}

TFilterPart PartOf(const TFilterItem& f, int32_t drawsLen, const std::string& levelValue, const std::string& levelText) {
  TFilterPart p;
  p.Active = f.Active;
  p.Method = f.Method;
  p.DrawsLen = drawsLen;
  p.SortColumn = f.SortColumn;
  p.BottomUp = f.BottomUp;
  p.MultiSelect = f.MultiSelect;
  p.KeepSelected = f.KeepSelected;
  p.LevelMode = f.LevelMode;
  p.LevelValue = levelValue;
  p.LevelText = levelText;
  p.CDLOverride = f.CDLOverride;
  p.Weights = f.Weights;
  p.StopMode = f.StopMode;
  p.StopValue = f.StopValue;
  return p;
}

int64_t SaturatingProduct(int64_t a, int64_t b) {
  if (a == 0 || b == 0) return 0;
  return a > std::numeric_limits<int64_t>::max() / b ? std::numeric_limits<int64_t>::max() : a * b;
}

// Heap bytes of a string of this length beyond the string object itself.
int64_t StringHeapBytes(size_t length) { return length < sizeof(std::string) ? 0 : static_cast<int64_t>(length) + 1; }

class TExpander {
 public:
  TExpander(const std::vector<TFilterItem>& filters, const TExpansionHooks& hooks)
      : filters_(filters), hooks_(hooks) {
    for (const TFilterItem& f : filters) lists_.push_back(FilterLists(f));
  }

  TFilterVariants Run() {
    if (!filters_.empty()) Expand(0, TFilterRec{});
    return std::move(variants_);
  }

 private:
  bool Stopped() const { return hooks_.Stopped && hooks_.Stopped(); }

  // `rec` is this level's own copy: parts before k are fixed, part k is set here.
  void Expand(size_t k, TFilterRec rec) {
    const TFilterItem& f = filters_[k];
    const TFilterLists& lists = lists_[k];
    for (int32_t d : lists.Draws) {
      if (Stopped()) return;
      if (LevelModePerValue(f.LevelMode)) {
        for (int32_t v : lists.Levels) {
          if (Stopped()) return;
          std::string value = std::to_string(v);
          rec[k] = PartOf(f, d, value, value);
          Descend(k, rec);
        }
      } else {
        std::string value = LevelModeIsList(f.LevelMode) ? IntListToText(lists.Levels, ",") : f.LevelText;
        rec[k] = PartOf(f, d, value, f.LevelText);
        Descend(k, rec);
      }
    }
  }

  void Descend(size_t k, const TFilterRec& rec) {
    if (k + 1 < filters_.size()) {
      Expand(k + 1, rec);
      return;
    }
    variants_.push_back(rec);
    if (variants_.size() % 1000 == 0 && hooks_.Progress) hooks_.Progress(static_cast<int>(variants_.size()));
  }

  const std::vector<TFilterItem>& filters_;
  const TExpansionHooks& hooks_;
  std::vector<TFilterLists> lists_;
  TFilterVariants variants_;
};

}  // namespace

std::string FilterVariantsStatusText(int count) {
  return Format("Создание всех вариантов фильтров ( %d )...", {count});
}

int64_t FilterVariantsCount(const std::vector<TFilterItem>& filters) {
  if (filters.empty()) return 0;
  int64_t count = 1;
  for (const TFilterItem& f : filters) {
    count = SaturatingProduct(count, static_cast<int64_t>(TextToIntList(f.DrawsLenText).size()));
    if (LevelModePerValue(f.LevelMode))
      count = SaturatingProduct(count, static_cast<int64_t>(TextToIntList(f.LevelText).size()));
  }
  return count;
}

int64_t FilterVariantsMemoryLimit() {
  const int64_t gib = int64_t{1} << 30;
  const long pages = ::sysconf(_SC_PHYS_PAGES), pageSize = ::sysconf(_SC_PAGE_SIZE);
  if (pages <= 0 || pageSize <= 0) return gib;
  return std::min(gib, static_cast<int64_t>(pages) / 4 * pageSize);
}

int64_t FilterVariantsMemory(const std::vector<TFilterItem>& filters) {
  // A variant is a TFilterRec in the deque plus the texts of its parts that do not fit inside
  // their string objects; a per-value part holds one short number.
  int64_t perVariant = sizeof(TFilterRec);
  for (const TFilterItem& f : filters) {
    perVariant += StringHeapBytes(f.LevelText.size());
    if (!LevelModePerValue(f.LevelMode))
      perVariant += LevelModeIsList(f.LevelMode) ? StringHeapBytes(IntListToText(TextToIntList(f.LevelText), ",").size())
                                                 : StringHeapBytes(f.LevelText.size());
  }
  return SaturatingProduct(FilterVariantsCount(filters), perVariant);
}

TFilterVariants ExpandFilterVariants(const std::vector<TFilterItem>& filters, const TExpansionHooks& hooks,
                                     int64_t limit, int64_t memoryLimit) {
  TExpander expander(filters, hooks);  // checks every filter first
  int64_t count = FilterVariantsCount(filters);
  if (count > limit)
    throw KavrinError(std::string(TooManyVariants) + "\r\r" +
                      Format("Вариантов фильтров: %d, допустимо не более %d.", {count, limit}));
  const int64_t memory = FilterVariantsMemory(filters);
  if (memory > memoryLimit)
    throw KavrinError(std::string(TooManyVariants) + "\r\r" +
                      Format("Вариантов фильтров: %d, для них нужно %d МБ памяти, допустимо не более %d МБ.",
                             {count, memory >> 20, memoryLimit >> 20}));
  try {
    return expander.Run();
  } catch (const std::bad_alloc& e) {
    throw KavrinError(std::string(TooManyVariants) + "\r\r" + e.what());
  }
}

}  // namespace kavrin
