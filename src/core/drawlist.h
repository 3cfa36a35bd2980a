#pragma once
// What the archive list shows: the cells of a row, their colours, and the draw dialog's rules.
#include <array>
#include <optional>
#include <string>

#include "core/archive.h"
#include "core/xlsxexport.h"

namespace kavrin {

inline constexpr int DrawListColumnCount = 9;
const std::array<std::string, DrawListColumnCount>& DrawListCaptions();
// Number, the five numbers (ascending when sorted), extra, sum, date.
std::array<std::string, DrawListColumnCount> DrawListRow(const TDrawRec& draw, bool sorted);

inline constexpr TColor OffsetRowColor = 0xFFAAAA;
inline constexpr TColor WhiteColor = 0xFFFFFF;
// Background of a cell; nullopt leaves the list's own background.
std::optional<TColor> DrawListCellColor(const TDrawArchive& archive, int position, int column, bool sorted,
                                        bool colorDraws, int channelSize);
// The backgrounds of a row's cells together, for an export of the list.
std::array<TCellColors, DrawListColumnCount> DrawListRowColors(const TDrawArchive& archive, int position, bool sorted,
                                                               bool colorDraws, int channelSize);

// The fields of the draw dialog.
struct TDrawDialogFields {
  int32_t Number = 0;
  std::string NumbersText;  // "a;b;c;d;e;x"
  TDateTime DateTime = 0;
};

inline constexpr char DrawDialogCaption[] = "Введите данные следующего тиража";
inline constexpr char InvalidDrawNumbersMessage[] = "Введена некорректная комбинация!";

// Prefill from a record; the date of a record without one is the current time. Throws
// KavrinError when the record's date text is no valid date.
TDrawDialogFields DrawDialogPrefill(const TDrawRec& draw);
// The record the dialog makes on OK, or nullopt when the numbers are invalid (the dialog then
// shows InvalidDrawNumbersMessage and stays open).
std::optional<TDrawRec> DrawFromDialog(const TDrawDialogFields& fields);

}  // namespace kavrin
