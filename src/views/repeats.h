#pragma once
// The repeats analysis "Количество повторов в зависимости от тиража": for each recent draw of
// the whole archive, how many earlier draws share exactly k numbers with it.
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "core/game.h"
#include "views/viewtypes.h"

namespace kavrin {

inline constexpr char RepeatsCaption[] = "Количество повторов в зависимости от тиража";
inline constexpr char RepeatsSection[] = "TFormRepeats";

struct TRepeatsRow {
  int32_t DrawNumber = 0;
  int32_t Matches = 0;       // "Совпадений"
  int32_t Repeats = 0;       // "Кол-во повторов": earlier draws with that many matches
  std::string Draws;         // "Список тиражей": their numbers, newest first, joined by " "
  friend bool operator==(const TRepeatsRow&, const TRepeatsRow&) = default;
};
struct TRepeatsAnalysis {
  std::vector<TRepeatsRow> Rows;  // newest draw first; a draw's rows in order of creation
  int MaxMatches = 0;             // the largest match count seen, 0 when none
};
// The newest `length` draws of the archive, each against up to `deep` draws before it. `step`,
// when given, is called after each analysed draw with the number analysed so far.
TRepeatsAnalysis AnalyzeRepeats(const TDrawsArray& draws, int length, int deep,
                                const std::function<void(int)>& step = {});
// The list's cells of a row: "Тираж", "Совпадений", "Кол-во повторов", "Список тиражей".
std::vector<std::string> RepeatsCaptions();
std::vector<std::string> RepeatsRowCells(const TRepeatsRow& row);

// One series "Совпадений: k" for every k = 1 .. MaxMatches, in a random colour with a random
// marker outline, holding (draw number, repeats) of the rows with k matches, the rows taken
// from the last to the first.
std::vector<TViewSeries> RepeatsChart(const TRepeatsAnalysis& analysis, std::mt19937& random);

// The dialog's state: its parameters and what was computed from them. `Calculate` (the button
// "Рассчитать" and Enter in a field) recomputes with the current parameters.
struct TRepeatsDialog {
  int Length = 100;        // DrawsLength
  int Deep = 100;          // DrawsDeep
  int GraphHeight = 200;   // the chart's height in pixels
  TRepeatsAnalysis Analysis;
  std::vector<TViewSeries> Chart;
  std::function<void()> Calculate;
};

}  // namespace kavrin
