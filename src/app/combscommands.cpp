// The combination list: generation, list files, clipboard, look-ups, removals and undo.
#include <algorithm>
#include <memory>
#include <optional>
#include <span>

#include "app/templatemain.h"
#include "combs/generate.h"
#include "combs/lastdraws.h"
#include "combs/listfile.h"
#include "core/cp1251.h"

namespace kavrin {
namespace {

constexpr char PleaseWait[] = "Подождите пожалуйста...";

}  // namespace

// ---- operations ----

void TTemplateMain::CombsRefresh() {
  CombsSelection.Limit(Combs.CombsList.Count());
  SetStatus(PanelCombs, Format("Комбинаций: %d", {Combs.CombsList.Count()}));
  ViewChanged(TView::CombsList);
  ViewChanged(TView::Filters);
}

bool TTemplateMain::CombsGenerate(const TGenerateConfig& params, bool progress) {
  std::optional<TOperation> busy;
  if (progress) {
    busy.emplace(*this);
    SetOperationText("Генерация возможных комбинаций...");
  }
  TCombList& list = Combs.CombsList;
  list.Clear();
  bool ok;
  const std::string key = Format("generate|%d|%s", {params.Mode, params.Parameters});
  if (params.Mode == GenerateModeFile) {
    ok = Guarded(Format("Ошибка чтения файла \"%s\"!", {params.Parameters}).c_str(),
                 [&] { CombsComputeOrTake(key, list, [&] { ReadListFile(params.Parameters, list); }); });
  } else {
    ok = Guarded("Ошибка генерации файла комбинаций!", [&] {
      CombsComputeOrTake(key, list, [&] { EnumerateCombs(params.Mode, MyNumbersFromText(params.Parameters), list); });
    });
  }
  if (progress) {
    Combs.History.Clear();
    ok = Guarded("Ошибка генерации файла комбинаций!", [&] { Combs.ForgetUndoAndBuffer(); }) && ok;
    CombsRefresh();
    SetOperationText("");
  }
  return ok;
}

bool TTemplateMain::CombsTakeUndoCopy(bool withStatus) {
  std::optional<TOperation> busy;
  if (withStatus) {
    busy.emplace(*this);
    SetOperationText("Создание файла отката...");
  }
  bool ok = Guarded("", [&] { Combs.TakeUndoCopy(); });
  if (withStatus) SetOperationText("");
  return ok;
}

bool TTemplateMain::CombsTakeUndoForRebuild(bool withStatus) {
  std::optional<TOperation> busy;
  if (withStatus) {
    busy.emplace(*this);
    SetOperationText("Создание файла отката...");
  }
  Combs.TakeUndoForRebuild();
  if (withStatus) SetOperationText("");
  return true;
}

void TTemplateMain::CombsUndo(bool withStatus) {
  std::optional<TOperation> busy;
  if (withStatus) {
    busy.emplace(*this);
    SetOperationText("Отмена изменений...");
  }
  Guarded("", [&] { Combs.Undo(); });
  CombsRefresh();
  if (withStatus) SetOperationText("");
}

void TTemplateMain::CombsRemoveLastDraws(int lastDraws) {
  TOperation busy(*this, Format("Удаление из списка комбинаций %d последних тиражей...", {lastDraws}));
  Guarded("", [&] {
    const TDrawRange range = LastDrawsRange(Archive.Count(), DrawsOffset(), lastDraws);
    const std::span<const TDrawRec> draws(Archive.Draws().data() + range.First, static_cast<size_t>(range.Count));
    RemoveDrawMatches(Combs.CombsUndoList, draws, Combs.CombsList, [&](double percent) {
      SetOperationText(
          Format("Удаление из списка комбинаций %d последних тиражей ( завершено %.0f %% )...", {lastDraws, percent}));
    });
    Combs.History.Append("Последние тиражи", std::to_string(lastDraws), Combs.CombsList.Count(), THistoryIcon::Exclude);
  });
  CombsRefresh();
}

bool TTemplateMain::CombsFilter(TCustomStat& stat, const TStatDrawArray& selected, TFilterMode mode,
                               const std::string& caption, const std::string& valuesText) {
  if (selected.empty()) return true;
  TOperation busy(*this, "Фильтрация комбинаций...");
  const bool ok = Guarded("", [&] {
    const TCombList& source = Combs.CombsUndoList;
    TCombList& list = Combs.CombsList;
    if (source.Empty()) {
      list.Clear();
      return;
    }
    const int last = std::max(0, Archive.Count() - 1 - DrawsOffset());
    const bool exclude = mode == TFilterMode::Exclude;
    std::string key = Format("filter|%s|%d|%d|%d|%d|", {caption, static_cast<int>(mode), last, View.SortedDraws ? 1 : 0,
                                                         source.Count()});
    for (const TStatDrawRec& rec : selected) key += std::to_string(rec.Key()) + ",";
    try {
      CombsComputeOrTake(key, list, [&] {
        stat.LoadDraws(-1, last, View.SortedDraws);
        const std::unique_ptr<TPreparedMatch> test = stat.PrepareMatches(selected, exclude, View.SortedDraws, last);
        // Numbers taken away from every combination of some numbers leave every combination of
        // the others: enumerated, not tested one by one.
        const std::optional<uint64_t> numbers = exclude ? test->NumberSet() : std::nullopt;
        if (numbers && source.Shape()) {
          list.AssignShape(source.Shape()->Without(*numbers));
          return;
        }
        list.Reserve(source.Count());
        list.SetCount(static_cast<int32_t>(test->Filter(source.Combs(), exclude, list.Data())));
      });
    } catch (...) {
      // A failure leaves the list as it was before the undo copy, whichever way that was taken.
      list.CopyFrom(source);
      throw;
    }
    Combs.History.Append(caption, valuesText, list.Count(), HistoryIconOf(mode));
  });
  CombsRefresh();
  return ok;
}

void TTemplateMain::CombsFilterNumbers(TFilterMode mode, const std::string& caption,
                                       const std::function<TSelectedNumbers()>& collect) {
  TSelectedNumbers numbers;
  // Collected before the undo copy: an empty selection must leave the undo state alone too.
  if (!Guarded("", [&] { numbers = collect(); })) return;
  TStatDrawArray selected;
  for (const int32_t number : numbers.Numbers) {
    // A number no combination holds must not wrap into one that some combination does.
    TStatDrawRec rec;
    rec.Key1 = static_cast<uint16_t>(number >= 1 && number <= NumberMax ? number : 0);
    selected.push_back(rec);
  }
  const int entry = Stats.FindCode("NUMS");
  std::unique_ptr<TCustomStat> stat;
  if (!Guarded("", [&] { stat = Stats.CreateStat(entry); })) return;
  if (CombsTakeUndoCopy(true)) CombsFilter(*stat, selected, mode, caption, numbers.ValuesText);
}

void TTemplateMain::StatFilterExecute(TFilterMode mode) {
  const std::vector<TStatTableRow>& rows = StatPage.Table.Rows;
  TStatDrawArray selected;
  std::string values;
  for (const int row : StatSelection) {
    if (row < 0 || static_cast<size_t>(row) >= rows.size()) continue;
    selected.push_back(rows[row].Rec);
    if (!values.empty()) values += "; ";
    values += rows[row].Cells[ColValue];
  }
  if (selected.empty()) return;
  std::unique_ptr<TCustomStat> stat;
  if (!Guarded("", [&] { stat = Stats.CreateSelected(StatPage.Kinds); })) return;
  const TStatKindList& kinds = StatPage.Kinds;
  const std::string caption = kinds.ItemIndex >= 0 ? kinds.Items.at(kinds.ItemIndex).Text : std::string();
  if (CombsTakeUndoCopy(true)) CombsFilter(*stat, selected, mode, caption, values);
}

void TTemplateMain::CombsBufferStore(int drawsOffset, int excluded) {
  const TBufferKey key{drawsOffset, excluded};
  if (key == Combs.BufferKey()) return;
  TOperation busy(*this, "Создание буфера комбинаций...");
  Guarded("Ошибка создания буфера комбинаций!", [&] { Combs.BufferStore(key); });
}

bool TTemplateMain::CombsBufferLoad(int drawsOffset, int excluded) {
  const TBufferKey key{drawsOffset, excluded};
  if (key != Combs.BufferKey() || Combs.CombsBuffer.Empty()) return false;
  TOperation busy(*this, "Загрузка буфера комбинаций...");
  bool loaded = false;
  Guarded("Ошибка загрузки буфера комбинаций!", [&] { loaded = Combs.BufferLoad(key); });
  CombsRefresh();
  return loaded;
}

bool TTemplateMain::CombsOpenFile(const std::string& path) {
  if (!CombsTakeUndoCopy(true)) return false;
  TOperation busy(*this, Format("Загрузка файла \"%s\"...", {path}));
  const bool ok = Guarded(Format("Ошибка чтения файла \"%s\"!", {path}).c_str(),
                          [&] { ReadListFile(path, Combs.CombsList); });
  // The list has room for the copy that was just taken from it.
  if (!ok) Combs.CombsList.CopyFrom(Combs.CombsUndoList);
  Combs.CombsUndoList.Clear();
  Combs.History.Clear();
  CombsRefresh();
  return ok;
}

bool TTemplateMain::CombsSaveFile(const std::string& path) {
  TOperation busy(*this, Format("Сохранение файла \"%s\"...", {path}));
  const bool ok = Guarded(Format("Ошибка записи в файл \"%s\"!", {path}).c_str(),
                          [&] { WriteListFile(path, Combs.CombsList); });
  return ok;
}

// ---- commands ----

void TTemplateMain::CombsGenExecute() {
  TGenerateDialogFields fields{Generate.Mode, Generate.Parameters, false};
  if (!host_.EditGenerate(fields)) return;
  const TGenerateConfig params{fields.Mode, Utf8Prefix(fields.Parameters, GenerateParametersMaxLength)};
  if (fields.SaveAsDefault) {
    Generate = params;
    SaveGenerateConfig();
  }
  // Generation empties the undo copy again; the copy is taken as before every change.
  CombsTakeUndoCopy(true);
  CombsGenerate(params, true);
}

void TTemplateMain::CombsOpenExecute() {
  std::string path;
  if (host_.ChooseOpenFile(ListFileFilter, ListFileExt, path)) CombsOpenFile(path);
}

void TTemplateMain::CombsSaveExecute() {
  std::string path;
  if (host_.ChooseSaveFile(ListFileFilter, ListFileExt, path)) CombsSaveFile(path);
}

void TTemplateMain::CombsCopyExecute() {
  TOperation busy(*this, PleaseWait);
  Guarded("", [&] { host_.SetClipboardText(CombsClipboardText(Combs.CombsList, CombsSelection)); });
}

bool TTemplateMain::CombsPasteUpdate() const {
  std::string text;
  return !Busy() && host_.GetClipboardText(text);
}

void TTemplateMain::CombsPasteExecute() {
  TOperation busy(*this, PleaseWait);
  std::string text;
  if (host_.GetClipboardText(text) && !text.empty() && CombsTakeUndoCopy(false)) {
    if (Guarded("", [&] { PasteCombs(text, Combs.CombsList); }))
      Combs.History.Clear();
    else
      Combs.CombsList.CopyFrom(Combs.CombsUndoList);
    Combs.CombsUndoList.Clear();
    CombsRefresh();
  }
}

void TTemplateMain::CombsSelectAllExecute() {
  TOperation busy(*this, PleaseWait);
  CombsSelection.SelectAll(Combs.CombsList.Count());
}

void TTemplateMain::CombsCheckNumsExecute() {
  int distinct;
  {
    TOperation busy(*this, PleaseWait);
    distinct = DistinctNumbers(Combs.CombsList.Storage(), Combs.CombsList.Count());
  }
  host_.ShowInfo(Format("В текущем списке комбинаций содержится %d уникальных номеров", {distinct}));
}

void TTemplateMain::CombsFindInDrawsExecute() {
  // The scan stops once more than this many draws were found, so the box lists at most 26.
  constexpr size_t MaxLines = 25;
  const int32_t row = CombsSelection.First();
  if (row < 0 || row >= Combs.CombsList.Count()) return;
  const TComb comb = Combs.CombsList[row];
  std::string found;
  {
    TOperation busy(*this, "Поиск по архиву тиражей...");
    size_t lines = 0;
    for (int index = Archive.Count() - 1; index >= 0 && lines <= MaxLines; --index) {
      const TDrawRec& draw = Archive.At(index);
      if (CountMatches(draw, comb) != DrawSize) continue;
      found += '\r';
      found += DrawToText(draw);
      ++lines;
    }
  }
  if (found.empty())
    host_.ShowInfo("Выделенная комбинация не найдена архиве тиражей!");
  else
    host_.ShowInfo("Выделенная комбинация найдена в следующих тиражах:\r" + found);
}

void TTemplateMain::CombsInfoExecute() {
  const int32_t row = CombsSelection.First();
  if (row < 0 || row >= Combs.CombsList.Count()) return;
  TDetailsView view;
  view.Numbers = Combs.CombsList[row];
  view.MatrixCols = Config.MatrixCols;
  view.ChannelSize = Config.ChannelSize;
  AddGraphValues(view, [&](TCustomGraphStat& graph) { return StatCombinationValue(graph, view.Numbers); });
  host_.ShowDetails(view);
}

void TTemplateMain::CombsDelExistsExecute() {
  if (CombsTakeUndoCopy(true)) CombsRemoveLastDraws(View.DrawsExclude);
}

void TTemplateMain::CombsDelSelectedExecute() {
  if (!CombsTakeUndoCopy(true)) return;
  TOperation busy(*this, "Удаление выделенных комбинаций...");
  const int64_t selected = CombsSelection.Count();
  Guarded("", [&] {
    Combs.RemoveSelected(CombsSelection);
    Combs.History.Append("Выделенные комбинации", std::to_string(selected), Combs.CombsList.Count(),
                         THistoryIcon::Exclude);
  });
  CombsSelection.Clear();
  CombsRefresh();
}

void TTemplateMain::CombsUndoExecute() {
  // An empty undo copy would empty the list.
  if (Combs.CombsUndoList.Empty()) return;
  CombsUndo(true);
  Combs.History.DeleteLast();
}

}  // namespace kavrin
