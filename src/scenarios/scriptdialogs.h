#pragma once
// The line dialog "Элемент сценария" and the filter dialog "Фильтр" apart from their widgets:
// what they open with and what their OK gives.
#include <array>
#include <functional>
#include <string>

#include "scenarios/scriptline.h"

namespace kavrin {

inline constexpr char ScriptNewLineCaption[] = "Создание новой строки";
inline constexpr char ScriptEditLineCaption[] = "Редактирование строки";

struct TScriptLineDialogFields {
  std::string Comment;
  TLineOptions Options;
  std::array<std::string, ScriptFilterCount> Filters;  // the filter fields as typed
  // Set by the caller: the "..." button of a filter field, or a double click in it, edits that
  // field's text through the filter dialog; false when the filter dialog was cancelled.
  std::function<bool(std::string& filterText)> EditFilter;
};

// Without a line (empty): every field empty, FULL, EXT and the excluded draws given. With a
// line: its fields, the filters as their trimmed field texts, its own excluded draws.
TScriptLineDialogFields LineDialogFields(const std::string& line, int32_t drawsExclude);
// OK: the line built from the options, the filter fields as typed and the comment. The line
// dialog validates nothing.
std::string LineFromDialog(const TScriptLineDialogFields& fields);

// How the filter dialog opens. An inactive filter: the statistics tab's method and number of
// draws, sort column 1, top down, remove, LNO, SF with 1, no multi-selection, weights off and 0.
// An active one: its fields, the weights being its own when it overrides them, else `current`.
TFilterItem FilterDialogStart(const TFilterItem& filter, const TFilterMethod& kind, int32_t drawsLen,
                              const TStatWeights& current);
// OK: an active filter with no text as written.
TFilterItem FilterFromDialog(const TFilterItem& fields);

}  // namespace kavrin
