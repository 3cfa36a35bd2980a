#include "stakes/ratingview.h"

#include <algorithm>

#include "core/errors.h"
#include "core/format.h"
#include "core/textcase.h"

namespace kavrin {
namespace {

constexpr TColor Green = 0x008000, Blue = 0x0000FF, Red = 0xFF0000, Grey = 0x808080;

std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (char c : text) out += c == '"' ? std::string("\"\"") : std::string(1, c);
  return out + "\"";
}

std::string Efficiency(const TRatingData& row, int i, int mode) {
  const long double s = row.Stakes, h = row.Counts[i], p = MatchTable()[i].Probability;
  switch (mode) {
    case 0: return Format("%d", {static_cast<long long>(RoundHalfEven(s * p))});
    case 1: return Format("%.3f%%", {h * 100 / s - p * 100});
    default: return Format("%.3f%%", {h * 100 / (s * p)});
  }
}

}  // namespace

const std::array<std::string, RatingsColumnCount>& RatingsCaptions() {
  static const std::array<std::string, RatingsColumnCount> captions = {
      "Комментарий", "Ставок", "Угадано", "Среднее", "Профит", "Ср. профит", "0",  "1",  "2",
      "3",           "4",      "5",       "E0",      "E1",     "E2",         "E3", "E4", "E5"};
  return captions;
}

const std::array<TEffModeCommand, 3>& RatingsEffModes() {
  static const std::array<TEffModeCommand, 3> modes = {{
      {"Ожидаемые значения совпадений", "Показывать расчетные значения количества совпадений"},
      {"Абсолютные значения эффективности", "Показывать абсолютные изменения эффективности ставок"},
      {"Относительные значения эффективности", "Показывать относительные изменения эффективности ставок"},
  }};
  return modes;
}

std::array<std::string, RatingsColumnCount> RatingsRowCells(const TRatingData& row, int effMode) {
  std::array<std::string, RatingsColumnCount> cells;
  cells[0] = row.Key;
  if (row.Stakes == 0) return cells;
  const long double stakes = row.Stakes;
  cells[1] = std::to_string(row.Stakes);
  cells[2] = std::to_string(row.Overlaps);
  cells[3] = Format("%.3f", {row.Overlaps / stakes});
  cells[4] = Format("%.2f", {row.Profit});
  cells[5] = Format("%.2f", {TCurrency::FromRaw(RoundHalfEven(row.Profit.Raw() / stakes))});
  for (int i = 0; i <= DrawSize; ++i) {
    cells[6 + i] = std::to_string(row.Counts[i]);
    cells[12 + i] = Efficiency(row, i, effMode);
  }
  return cells;
}

std::string RatingsCsvText(const TRatingsArray& rows) {
  std::string text;
  for (int c = 0; c < RatingsColumnCount; ++c) text += (c ? ";" : "") + Quoted(RatingsCaptions()[c]);
  text += "\r\n";
  for (const TRatingData& row : rows) {
    auto cells = RatingsRowCells(row, 0);
    text += Quoted(row.Key);
    for (int c = 1; c < 12; ++c) text += ";" + cells[c];
    text += "\r\n";
  }
  return text;
}

TGraphData ProfitByDrawsGraph(const TProfitDrawArray& draws) {
  if (draws.Items().empty()) throw KavrinError(GraphTooFewDrawsMessage);
  TCurrency total;
  for (const TProfitDraw& draw : draws.Items()) total += draw.Profit;
  const long double mean = total.Amount() / static_cast<long double>(draws.Items().size());
  TGraphData graph{StakesGraphDrawsCaption, {}};
  TCurrency running;
  for (const TProfitDraw& draw : draws.Items()) {
    running += draw.Profit;
    graph.AddGraphPoint(draw.DrawNumber, "Суммарный профит ставок по тиражу", draw.Profit.Amount(), true, true, Green);
    graph.AddGraphPoint(draw.DrawNumber, "Среднее значение", mean, false, false, Blue);
    graph.AddGraphPoint(draw.DrawNumber, "Накопленное значение", running.Amount(), true, true, Red);
  }
  return graph;
}

void AddStakeGraphPoint(TGraphData& graph, const TStakeData& stake, const std::vector<std::string>& keys,
                        bool profit) {
  if (stake.DrawNumber <= 0 || !stake.Checked || stake.OverlapCount() < 0) return;
  if (std::none_of(keys.begin(), keys.end(), [&](const std::string& key) { return LocaleSameText(key, stake.Comment); }))
    return;
  const long double y = profit ? stake.Profit.Amount() : static_cast<long double>(stake.OverlapCount());
  graph.AddGraphPoint(stake.DrawNumber, stake.Comment, y, true, true, AutoColor);
}

TGraphData RatingsOverlapGraph(const std::vector<TRatingData>& rows) {
  TGraphData graph{RatingsGraphOverlapCaption, {}};
  int32_t most = 0;
  for (const TRatingData& row : rows) most = std::max(most, row.Stakes);
  for (int i = 0; i <= DrawSize; ++i)
    graph.AddGraphPoint(i, "Нормальные значения",
                        static_cast<long double>(MatchTable()[i].Count) * most / static_cast<long double>(FullSetSize),
                        true, false, Grey);
  for (const TRatingData& row : rows)
    for (int i = 0; i <= DrawSize; ++i) graph.AddGraphPoint(i, row.Key, row.Counts[i], true, false, AutoColor);
  return graph;
}

}  // namespace kavrin
