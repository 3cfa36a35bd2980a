#pragma once
// The rules of the stake dialogs, apart from their widgets: what they show when they open and
// what OK accepts. The widgets themselves limit the draw number to 1..2147483647, the draws
// count to 1..65535 and the comment to 64 characters.
#include <optional>
#include <string>
#include <vector>

#include "core/config.h"
#include "core/game.h"
#include "stakes/stakerecord.h"

namespace kavrin {

inline constexpr char StakeDialogCaption[] = "Добавление ставки";
inline constexpr char MultiStakeDialogCaption[] = "Добавление мультиставки";
inline constexpr char ConditionDialogCaption[] = "Удаление по условию";
inline constexpr char InvalidStakeNumbersMessage[] = "Введена некорректная комбинация!";
inline constexpr char CommentRequiredMessage[] = "Необходимо ввести комментарий!";
inline constexpr char ManualStakeComment[] = "Ставка \"вручную\"";

// A refused OK: the message to show and the field that gets the focus; the dialog stays open.
enum class TDialogField { Numbers, Comment };
struct TDialogError {
  std::string Message;
  TDialogField Field;
  friend bool operator==(const TDialogError&, const TDialogError&) = default;
};

// The stake dialog and, without the numbers, the multi-stake dialog.
struct TStakeDialogFields {
  int32_t DrawNumber = 1;
  std::string NumbersText;
  std::string Comment;
  int32_t DrawsCount = 1;
};

TStakeDialogFields StakeDialogPrefill(const TStakeData& stake, int drawsCount);
// The read-only "Сумма:" field: every word that is no number counts 0.
int64_t StakeDialogSum(const std::string& numbersText);
// 5 to 11 different numbers 1..50 separated by "," or ";", ascending; nullopt otherwise.
std::optional<TNumberSet> StakeNumbersFromText(const std::string& text);
std::optional<TDialogError> ValidateStakeDialog(const TStakeDialogFields& fields);
std::optional<TDialogError> ValidateMultiStakeDialog(const TStakeDialogFields& fields);
// The accepted stake: the template with the draw number, comment and numbers replaced and the
// price of the new numbers as its profit. `fields` must have passed ValidateStakeDialog.
TStakeData StakeFromDialog(const TStakeData& stake, const TStakeDialogFields& fields, const TConfigData& config);

// The shared delete question for one or several records (caption "Предупреждение", No default).
std::string DeleteRecordsQuestion(int64_t records);

// Splits at any of the separator characters; words are trimmed, empty ones dropped.
std::vector<std::string> SplitWords(const std::string& text, const std::string& separators);

}  // namespace kavrin
