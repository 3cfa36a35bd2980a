#include "stakes/stakedialogs.h"

#include <algorithm>

#include "core/format.h"
#include "core/inifile.h"

namespace kavrin {

std::vector<std::string> SplitWords(const std::string& text, const std::string& separators) {
  std::vector<std::string> words;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find_first_of(separators, start);
    if (end == std::string::npos) end = text.size();
    std::string word = Trim(std::string_view(text).substr(start, end - start));
    if (!word.empty()) words.push_back(word);
    start = end + 1;
  }
  return words;
}

std::string DeleteRecordsQuestion(int64_t records) {
  return records == 1 ? std::string("Удалить выделенную запись?")
                      : Format("Удалить все выделенные записи (всего будет удалено %d записи(ей))?",
                               {static_cast<long long>(records)});
}

TStakeDialogFields StakeDialogPrefill(const TStakeData& stake, int drawsCount) {
  return TStakeDialogFields{stake.DrawNumber, NumberSetToText(stake.Numbers, ";"), stake.Comment, drawsCount};
}

int64_t StakeDialogSum(const std::string& numbersText) {
  int64_t sum = 0;
  for (const std::string& word : SplitWords(numbersText, ",;")) sum += NumberFromText(word);
  return sum;
}

std::optional<TNumberSet> StakeNumbersFromText(const std::string& text) {
  constexpr int MaxStakeNumbers = 11;
  std::vector<std::string> words = SplitWords(text, ",;");
  if (words.size() < static_cast<size_t>(DrawSize) || words.size() > static_cast<size_t>(MaxStakeNumbers))
    return std::nullopt;
  TNumberSet set;
  for (const std::string& word : words) {
    int32_t n;
    if (!TextToInt(word, n) || n < 1 || n > NumberMax) return std::nullopt;
    if (std::find(set.Numbers.begin(), set.Numbers.begin() + set.Count, n) != set.Numbers.begin() + set.Count)
      return std::nullopt;
    set.Numbers[set.Count++] = static_cast<uint8_t>(n);
  }
  SortNumberSet(set);
  return set;
}

std::optional<TDialogError> ValidateStakeDialog(const TStakeDialogFields& fields) {
  if (!StakeNumbersFromText(fields.NumbersText))
    return TDialogError{InvalidStakeNumbersMessage, TDialogField::Numbers};
  return ValidateMultiStakeDialog(fields);
}

std::optional<TDialogError> ValidateMultiStakeDialog(const TStakeDialogFields& fields) {
  if (fields.Comment.empty()) return TDialogError{CommentRequiredMessage, TDialogField::Comment};
  return std::nullopt;
}

TStakeData StakeFromDialog(const TStakeData& stake, const TStakeDialogFields& fields, const TConfigData& config) {
  TStakeData accepted = stake;
  accepted.DrawNumber = fields.DrawNumber;
  accepted.Comment = fields.Comment;
  accepted.Numbers = StakeNumbersFromText(fields.NumbersText).value_or(stake.Numbers);
  accepted.Profit = StakeProfit(config, accepted.Numbers.Count, -1);
  return accepted;
}

}  // namespace kavrin
