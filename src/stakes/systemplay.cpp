#include "stakes/systemplay.h"

#include <algorithm>
#include <unordered_set>

#include "core/errors.h"
#include "core/format.h"
#include "core/inifile.h"
#include "core/filemask.h"
#include "stakes/stakedialogs.h"

namespace kavrin {

std::string SystemFileName(int nums, int block, int id) {
  return Format("%d-%.2d-%d_%.4d.dat", {DrawSize, nums, block, id});
}

std::optional<std::string> FindSystemFile(const std::string& systemsFolder, int nums) {
  std::vector<std::string> names = FindFiles(systemsFolder, Format("%d-%.2d-*_*.dat", {DrawSize, nums}));
  if (names.empty()) return std::nullopt;
  return systemsFolder + "/" + names.front();
}

TCombsArray MapSystem(const std::string& text, const std::vector<uint8_t>& numbers) {
  const int n = static_cast<int>(numbers.size());
  TCombsArray combs;
  size_t start = 0;
  for (int line = 1; start < text.size(); ++line) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string content = Trim(std::string_view(text).substr(start, end - start));
    start = end + 1;
    if (content.empty()) continue;
    std::vector<std::string> words = SplitWords(content, SystemWordSeparators);
    if (words.size() < static_cast<size_t>(DrawSize))
      throw KavrinError(Format("Строка %d системы \"%s\" содержит меньше %d чисел.", {line, content, DrawSize}));
    TComb comb{};
    for (int j = 0; j < DrawSize; ++j) {
      int32_t position;
      if (!TextToInt(words[j], position) || position < 1 || position > n)
        throw KavrinError(Format("Строка %d системы: позиция \"%s\" вне диапазона от 1 до %d.", {line, words[j], n}));
      comb[j] = numbers[position - 1];
      // A repeated position would stake a combination with a repeated number.
      for (int k = 0; k < j; ++k)
        if (comb[k] == comb[j])
          throw KavrinError(Format("Строка %d системы: позиция \"%s\" повторяется.", {line, words[j]}));
    }
    combs.push_back(comb);
  }
  return combs;
}

namespace {

uint64_t CombKey(TComb comb) {
  SortComb(comb);
  uint64_t key = 0;
  for (uint8_t n : comb) key = key << 8 | n;
  return key;
}

}  // namespace

std::vector<TStakeData> SystemStakes(const TCombsArray& system, std::span<const TComb> working, bool wholeSystem,
                                     int drawNumber, const std::string& comment, const TConfigData& config) {
  std::unordered_set<uint64_t> inList;
  if (!wholeSystem)
    for (const TComb& comb : working) inList.insert(CombKey(comb));
  std::vector<TStakeData> stakes;
  for (TComb comb : system) {
    SortComb(comb);
    if (!wholeSystem && !inList.count(CombKey(comb))) continue;
    TStakeData stake;
    stake.Kind = StakeSystem;
    stake.DrawNumber = drawNumber;
    stake.Comment = comment;
    stake.Selection = static_cast<int32_t>(wholeSystem ? system.size() : working.size());
    stake.Numbers = CombToNumberSet(comb);
    stake.Profit = StakeProfit(config, DrawSize, -1);
    stakes.push_back(stake);
  }
  return stakes;
}

std::string SystemStakeComment(int nums, bool wholeSystem, const std::string& systemPath) {
  std::string name = systemPath.substr(systemPath.find_last_of('/') + 1);
  if (size_t dot = name.find_last_of('.'); dot != std::string::npos) name.resize(dot);
  return Format(wholeSystem ? "Системная игра для %d чисел [вся система]: %s"
                            : "Системная игра для %d чисел [комбинации]: %s",
                {nums, name});
}

}  // namespace kavrin
