// The algorithms over the stakes file: appending with separators, searching, result checking,
// the recent draws of the graphs and the two deletions.
#include "core/archive.h"
#include "core/errors.h"
#include "core/format.h"
#include "stakes/stakesfile.h"

namespace kavrin {

void TStakesFile::Append(const TStakeData& stake, int draws) {
  RequireOpen();
  if (stake.Checked) throw KavrinError("Добавление в конец файла уже проверенной ставки!");
  if (draws <= 1) {
    Write(TSeekOrigin::End, 0, stake);
    return;
  }
  for (int i = 1; i <= draws; ++i) {
    if (Size() > 0 && Read(TSeekOrigin::End, -1).DrawNumber > 0) Write(TSeekOrigin::End, 0, StakesNewSeparator());
    TStakeData copy = stake;
    copy.DrawNumber = stake.DrawNumber + i - 1;
    Write(TSeekOrigin::End, 0, copy);
  }
}

bool TStakesFile::Find(int drawNumber, const TNumberSet& numbers) {
  bool found = false;
  ForEach(0, [&](int64_t, const TStakeData& stake) {
    found = stake.DrawNumber == drawNumber && SameNumberSet(numbers, stake.Numbers);
    return !found;
  });
  return found;
}

bool TStakesFile::Check(const TDrawsArray& draws, const TConfigData& config, const TStakesCheckHooks& hooks,
                        bool& changed) {
  changed = false;
  if (Size() == 0) return false;
  // Progress counts from the first unchecked stake: older stakes are mostly checked already.
  int64_t total = Count();
  int64_t step = std::max<int64_t>(1, total / 100);
  int64_t first = -1;
  ForEach(0, [&](int64_t index, const TStakeData& read) {
    if (!read.Checked && read.DrawNumber > 0 && read.Numbers.Count >= DrawSize) {
      if (first < 0) {
        first = index + 1;
        total = Count() - first;
        step = std::max<int64_t>(1, total / 100);
      }
      int drawIndex = FindDrawByNumber(draws, read.DrawNumber);
      if (drawIndex >= 0) {
        const TDrawRec& draw = draws[drawIndex];
        TStakeData stake = read;
        stake.Checked = true;
        stake.DrawNumbers = draw.Numbers;
        stake.Overlaps = IntersectDrawSet(draw, stake.Numbers);
        stake.Profit = StakeProfit(config, stake.Numbers.Count, stake.OverlapCount());
        Write(TSeekOrigin::Begin, index, stake);
        changed = true;
        if (hooks.Checked) hooks.Checked(stake);
      }
    }
    if (first >= 0 && total > 0 && hooks.Progress) {
      int64_t done = index + 1 - first;
      if (done > 0 && done % step == 0)
        hooks.Progress(Format("Проверка результатов ставок ( завершено %.0f %% )...",
                              {100.0L * static_cast<long double>(done) / static_cast<long double>(total)}));
    }
    return true;
  });
  return changed;
}

TStakesFile::TRecentDraws TStakesFile::SeekRecentDraws(int n) {
  TRecentDraws result;
  int previous = 0;
  for (int64_t index = Count() - 1; index >= 0; --index) {
    TStakeData stake = Read(TSeekOrigin::Begin, index);
    if (stake.DrawNumber <= 0 || !stake.Checked || stake.OverlapCount() < 0 || stake.DrawNumber == previous) continue;
    previous = stake.DrawNumber;
    if (result.Found >= n) {
      result.FirstIndex = index + 1;
      return result;
    }
    ++result.Found;
  }
  result.FirstIndex = 0;
  return result;
}

void TStakesFile::DeleteRows(int64_t first, int64_t last) {
  if (!NotEmpty()) throw KavrinError(StakesNotOpenMessage);
  Rewrite([&](int64_t number, const TStakeData&) { return number < first || number > last; });
}

void TStakesFile::DeleteByCondition(int mode, int threshold) {
  if (!NotEmpty()) throw KavrinError(StakesNotOpenMessage);
  Rewrite([&](int64_t, const TStakeData& stake) {
    return stake.Kind == StakeSeparator || !StakeMeetsCondition(mode, threshold, stake.OverlapCount());
  });
}

const std::array<std::string, 5>& StakeConditionCaptions() {
  static const std::array<std::string, 5> captions = {"Равно [ = ]", "Более [ > ]", "Не менее [ >= ]", "Менее [ < ]",
                                                      "Не более [ <= ]"};
  return captions;
}

bool StakeMeetsCondition(int mode, int threshold, int overlaps) {
  switch (mode) {
    case 0: return overlaps == threshold;
    case 1: return overlaps > threshold;
    case 2: return overlaps >= threshold;
    case 3: return overlaps < threshold;
    case 4: return overlaps <= threshold;
    default: return false;
  }
}

}  // namespace kavrin
