#pragma once
// Regular stakes: named rules that each make one five-number stake per draw by shifting numbers
// around the ring 1..50. Kept whole in memory and rewritten whole in "Kavrin_5x50.ltb".
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/archive.h"
#include "core/game.h"
#include "stakes/stakedialogs.h"

namespace kavrin {

inline constexpr char TablesFileName[] = "Kavrin_5x50.ltb";
inline constexpr size_t TableStakeRecordSize = 276;

struct TTableStakeData {
  std::string Comment;  // the rule's name; at most 255 Windows-1251 characters once stored
  uint8_t Source = 0;   // 0 its own current combination, 1 the previous draw's numbers
  TComb Start{};        // ascending
  TComb Current{};      // the last stake made (the start combination after creation), ascending
  int32_t Step = 1;     // -50..50
  int32_t Stakes = 0;   // stakes made since the rule was created
  friend bool operator==(const TTableStakeData&, const TTableStakeData&) = default;
};
using TTableStakesArray = std::vector<TTableStakeData>;

void EncodeTableStakeRecord(const TTableStakeData& rule, uint8_t* out);
TTableStakeData DecodeTableStakeRecord(const uint8_t* in);
// Appends the file's records; the records read before a failure stay; a missing file adds
// nothing. Throws KavrinError, also for a file that ends inside a record or a record no rule
// can hold (a source other than 0 or 1, a step outside -50..50, a negative count, with source 0
// a current combination that is no five different numbers 1..50).
void ReadTablesFile(const std::string& path, TTableStakesArray& rules);
// Rewrites the file atomically. Throws KavrinError.
void WriteTablesFile(const std::string& path, const TTableStakesArray& rules);

// Advances the rule by one stake: its base (its current combination, or with source 1 the numbers
// of the draw at the analysis position, in stored order) shifted by the step, ascending, becomes
// the current combination, and the count of stakes grows. Throws KavrinError when source 1 finds
// no draw at that position.
void TableStakeNext(TTableStakeData& rule, const TDrawArchive& archive, int position);

// ---- the view ----
inline constexpr int TablesColumnCount = 5;
const std::array<std::string, TablesColumnCount>& TablesCaptions();
std::array<std::string, TablesColumnCount> TablesRowCells(const TTableStakeData& rule);

// ---- the dialog "Добавление регулярной ставки" ----
inline constexpr char RegularDialogCaption[] = "Добавление регулярной ставки";
inline constexpr char RegularDefaultComment[] = "Регулярная ставка";
inline constexpr char SelectedCombinationsText[] = "{...Выделенные комбинации...}";
inline constexpr char DuplicateRegularMessage[] =
    "Запись с таким комментарией уже присутствует в списке!\rВыберите другой комментарий.";

// A combination selected in the working list.
struct TSelectedComb {
  int64_t Position = 0;  // 1-based, in the working list
  TComb Comb{};
};

struct TRegularDialogFields {
  std::string Comment;
  int Source = 0;
  std::string StartText;  // editable only with source 0 and exactly one selected combination
  int Step = 1;
};

// The template of the add command: when exactly one combination is selected it is the start.
TTableStakeData RegularTemplate(const std::vector<TSelectedComb>& selected);
// `selected` is the number k of combinations selected in the working list.
TRegularDialogFields RegularDialogPrefill(const TTableStakeData& rule, int selected);
std::optional<TDialogError> ValidateRegularDialog(const TRegularDialogFields& fields, int selected,
                                                  const TTableStakesArray& existing);
// The accepted rule; the start combination is parsed only when exactly one combination was
// selected, else the template's is kept. `fields` must have passed the validation.
TTableStakeData RegularFromDialog(const TTableStakeData& rule, const TRegularDialogFields& fields, int selected);

// What adding the accepted rule appends: one rule for source 1 or one selected combination, else
// one rule per selected combination named with its 1-based position in the working list.
TTableStakesArray RegularsToAdd(const TTableStakeData& accepted, const std::vector<TSelectedComb>& selected);

}  // namespace kavrin
