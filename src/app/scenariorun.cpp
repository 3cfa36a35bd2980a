// The scenario engine: prediction and test runs over the scenario's lines, each line's filter
// variants applied to a start list as a user would apply them on the statistics tab, and the
// stakes made from what remains.
#include <algorithm>
#include <atomic>
#include <filesystem>
#include <optional>
#include <random>

#include "app/scenarioahead.h"
#include "app/templatemain.h"
#include "core/errors.h"
#include "scenarios/expansion.h"
#include "scenarios/selection.h"

namespace kavrin {
namespace {

const std::string Rule(94, '-');
const std::string DoubleRule(94, '=');
constexpr char RunningText[] = "Выполнение сценария...";
constexpr char OffsetLine[] =
    "=== Выполнение сценария для смещения %.6d ==================================================";
constexpr char MethodNotFound[] =
    "Метод расчета статистики \"%s\" на найден!\r%s\r\rВозможно, Вы отключили данных метод расчета либо "
    "использовали сценарий от другой модификации программы.";

// One run, prediction or test: owns the engine's statistics page, which sorts, walks and selects
// exactly as the statistics tab does, so the window's own table is left to the user.
//
// With `cancel` the runner computes a backtest pass ahead on a copy of the application object
// (see scenarioahead.h): it walks the same steps for the lists alone, makes no stakes and only
// notes the stop that the stake mode STOP would request; `cancel` set stops it.
class TScenarioRunner {
 public:
  explicit TScenarioRunner(TTemplateMain& main, const std::atomic<bool>* cancel = nullptr)
      : main_(main), state_(main.ScriptRunState), page_(main.Stats), cancel_(cancel) {
    if (main.View.ScriptLogEnabled) state_.Stakes.Log = [this](const std::string& text) { Log(text); };
    state_.Stakes.Status = [this](const std::string& text) { state_.Status.Stakes = text; };
  }
  ~TScenarioRunner() {
    state_.Stakes.Log = nullptr;
    state_.Stakes.Status = nullptr;
  }

  void Log(const std::string& text) {
    if (main_.View.ScriptLogEnabled) main_.ScriptLogWrite(text, true);
  }
  void LogOffset() {
    Log(DoubleRule);
    Log(Format(OffsetLine, {main_.DrawsOffset()}));
    Log(DoubleRule);
  }
  // The stop check of every loop: the window gets its events first, so that the stop command can
  // be given.
  bool Stopped() {
    main_.Host().ProcessEvents();
    if (cancel_ && cancel_->load(std::memory_order_relaxed)) state_.StopRequested = true;
    return state_.StopRequested;
  }
  void Fail(const std::string& text) {
    state_.StopRequested = true;
    main_.Host().ShowError(text);
  }

  void Pass();

 private:
  void Line(int number, const std::string& text);
  void Variant(int number, int count, const TFilterRec& rec, const TLineOptions& options,
               const std::string& comment);
  void StartList(const TLineOptions& options);
  void LogCount() { Log(Format("Количество комбинаций в списке: %d", {main_.Combs.CombsList.Count()})); }
  void ApplyPart(const TFilterPart& part);
  // The filter by values of the selected rows; false once the run must stop.
  bool FilterRows(TCustomStat& stat, const TFilterPart& part, const std::vector<TSelectedRow>& rows);
  void CheckStakes() {
    if (cancel_) return;
    main_.StakesCheckAndCommit();
    main_.StakesRefreshView(true, false);
  }
  void MakeStakes(TResultCombsMode mode, int line, int variant, const std::string& comment, const std::string& text,
                  bool newOnly);
  bool AddStake(const TNumberSet& numbers, bool batch);
  void SystemPlay(bool wholeSystem);

  TTemplateMain& main_;
  TTemplateMain::TScriptRunState& state_;
  TStatPage page_;
  const std::atomic<bool>* cancel_;
  int line_ = 0;
  std::mt19937 random_{main_.ScriptRandomSeed ? *main_.ScriptRandomSeed : std::random_device{}()};
};

void TScenarioRunner::Pass() {
  if (!cancel_) main_.StakesStartBatch();
  main_.CombsBufferInvalidate();
  main_.Stats.SaveWeights();
  struct TRestore {
    TTemplateMain& main;
    ~TRestore() {
      main.Stats.RestoreWeights();
      main.CombsBufferInvalidate();
    }
  } restore{main_};
  const TScenarioLines lines = main_.ScriptLines;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (Stopped()) break;
    if (IsScriptSeparator(lines[i])) continue;
    const int number = static_cast<int>(i) + 1;
    Log(Rule);
    Log(Format("Выполнение строки %.3d: \"%s\"", {number, lines[i]}));
    Log(Rule);
    main_.ScriptSelection = {static_cast<int>(i)};
    Line(number, lines[i]);
    main_.ScriptSelection.clear();
    if (Stopped()) break;
  }
  if (!main_.View.StakesCheckOnLine) CheckStakes();
}

void TScenarioRunner::Line(int number, const std::string& text) {
  line_ = number;
  TCombsStore& combs = main_.Combs;
  combs.CombsUndoList.Clear();
  bool inVariants = false;
  try {
    const TLineOptions options = LineOptionsFromText(ScriptLineOptions(text));
    const std::string comment = ScriptLineComment(text);
    if (Stopped()) return;
    std::vector<TFilterItem> items;
    for (int k = 1; k <= ScriptFilterCount; ++k) {
      if (Stopped()) return;
      const std::string filter = ScriptLineFilter(text, k);
      if (!filter.empty()) items.push_back(FilterItemFromText(filter, main_.Stats));
    }
    if (Stopped()) return;
    constexpr char Creating[] = "Создание всех вариантов фильтров...";
    Log(Creating);
    main_.ScriptStatus(number, Creating);
    TExpansionHooks hooks;
    hooks.Progress = [&](int count) { main_.ScriptStatus(number, FilterVariantsStatusText(count)); };
    hooks.Stopped = [this] { return Stopped(); };
    TFilterVariants variants = ExpandFilterVariants(items, hooks);
    const int count = static_cast<int>(variants.size());
    Log(Format("Создано %d вариантов фильтров.", {count}));
    if (Stopped()) return;
    if (count > 0) {
      inVariants = true;
      for (int v = 1; !variants.empty(); ++v) {
        if (Stopped()) break;
        const TFilterRec rec = std::move(variants.front());
        variants.pop_front();
        Variant(v, count, rec, options, comment);
      }
    } else {
      Log("{ERROR} Фильтры не применялись!");
      Log("");
      main_.ScriptStatus(number, LineOptionsShortText(options));
      Log("Создание начального списка комбинаций...");
      StartList(options);
      LogCount();
      if (!Stopped())
        MakeStakes(options.ResultCombsMode, number, 0, comment, LineOptionsShortText(options), options.NewOnly);
      if (main_.View.StakesCheckOnLine) CheckStakes();
    }
  } catch (const std::exception& e) {
    Fail(e.what());
  }
  if (inVariants && state_.StopRequested && main_.View.StakesCheckOnLine) CheckStakes();
  combs.CombsUndoList.Clear();
}

void TScenarioRunner::Variant(int number, int count, const TFilterRec& rec, const TLineOptions& options,
                              const std::string& comment) {
  const std::string text = FilterRecToText(rec);
  Log("");
  Log(Rule);
  Log(Format("Применение набора фильтров %.3d: \"%s\"", {number, text}));
  Log(Rule);
  main_.ScriptStatus(line_, Format("Фильтр %d из %d: %s", {number, count, text}));
  Log("Создание начального списка комбинаций...");
  StartList(options);
  LogCount();
  if (Stopped()) return;
  for (const TFilterPart& part : rec) {
    if (part.Active && main_.Combs.CombsList.Count() > 1) ApplyPart(part);
    if (state_.StopRequested) return;
  }
  if (Stopped()) return;
  MakeStakes(options.ResultCombsMode, line_, number, comment, LineOptionsShortText(options) + " + " + text,
             options.NewOnly);
  if (Stopped()) return;
  Log(Rule);
  if (main_.View.StakesCheckOnLine) CheckStakes();
}

void TScenarioRunner::StartList(const TLineOptions& options) {
  const TStartCombsType type = options.StartCombsType;
  if (type == TStartCombsType::FULL || type == TStartCombsType::EXCL) {
    if (!main_.CombsGenerate(main_.Generate, true)) state_.StopRequested = true;
    if (Stopped()) return;
    const int excluded = options.ExcludeCount;
    if (type == TStartCombsType::EXCL && excluded > 0) {
      const int offset = main_.DrawsOffset();
      if (!main_.CombsBufferLoad(offset, excluded)) {
        main_.CombsTakeUndoForRebuild(true);
        main_.CombsRemoveLastDraws(excluded);
        main_.CombsBufferStore(offset, excluded);
      }
      if (Stopped()) return;
    }
  }
  if (options.ClearStakes && !cancel_) {
    main_.Stakes.Truncate();
    main_.StakesReopen();
    main_.StakesRefreshView(true, false);
    state_.FirstRecord = 0;
  }
}

void TScenarioRunner::ApplyPart(const TFilterPart& part) {
  TStatList& stats = main_.Stats;
  page_.Kinds = main_.StatPage.Kinds;
  if (!part.Method.IsSet() || !page_.Kinds.SelectEntry(part.Method.Entry)) {
    const std::string caption = part.Method.IsSet() ? stats.Items(part.Method.Entry).CaptionWithFormula() : "";
    throw KavrinError(Format(MethodNotFound, {part.Method.Code, caption}));
  }
  const std::string kindText = page_.Kinds.Items.at(page_.Kinds.ItemIndex).Text;
  page_.Table.SortColumn = part.SortColumn;
  page_.Table.SortDescending = true;
  page_.WindowLength = part.DrawsLen;
  Log(Format("Анализ тиражей и расчет статистики \"%s\" для выборки в %d тиражей...", {kindText, part.DrawsLen}));
  stats.ApplyWeights(part.CDLOverride, part.Weights);
  TStatEnvironment env;
  env.Offset = main_.DrawsOffset();
  env.Sorted = main_.View.SortedDraws;
  env.FullSetEnabled = main_.View.PrefetchsEnabled;
  env.ShowTotalLine = main_.View.ShowTotalLine;
  env.DataDir = main_.DataDir();
  page_.Progress = &main_.Progress();
  page_.Calculate(true, env);
  if (Stopped()) return;
  const TStatTable& table = page_.Table;
  if (main_.View.ScriptLogEnabled)
    for (size_t row = 0; row < table.Rows.size(); ++row) Log(RowLogText(table.RowText(row)));
  if (Stopped()) return;

  const std::unique_ptr<TCustomStat> stat = stats.CreateStat(part.Method.Entry);
  auto logStep = [&](const TSelectedRow& selected) {
    Log(Format("Шаг %.3d. Выделение строки: %s", {selected.Step, RowLogText(table.RowText(selected.Row))}));
  };
  if (part.MultiSelect) {
    const TMultiSelection selection = SelectRows(table, *stat, part, [this] { return Stopped(); });
    for (const TSelectedRow& selected : selection.Rows) logStep(selected);
    if (!selection.Stopped) FilterRows(*stat, part, selection.Rows);
    return;
  }
  TSingleWalkHooks hooks;
  hooks.Stopped = [this] { return Stopped(); };
  hooks.ListCount = [this] { return main_.Combs.CombsList.Count(); };
  hooks.AtMostDistinctNumbers = [this](int limit) {
    const TCombList& list = main_.Combs.CombsList;
    return list.Shape() ? list.Shape()->DistinctNumbersAtMost(limit)
                        : DistinctNumbersAtMost(list.Storage(), list.Count(), limit);
  };
  hooks.Filter = [&](const TSelectedRow& selected) {
    logStep(selected);
    return FilterRows(*stat, part, {selected}) || state_.StopRequested;
  };
  WalkSingle(table, *stat, part, stats.Config.MaxStake, hooks);
}

bool TScenarioRunner::FilterRows(TCustomStat& stat, const TFilterPart& part, const std::vector<TSelectedRow>& rows) {
  const std::vector<TStatTableRow>& table = page_.Table.Rows;
  TStatDrawArray selected;
  std::string values;
  for (const TSelectedRow& row : rows) {
    selected.push_back(table[row.Row].Rec);
    if (!values.empty()) values += "; ";
    values += table[row.Row].Cells[ColValue];
  }
  Log(part.KeepSelected ? "Оставляем выделенные значения..." : "Удаляем выделенные значения...");
  const TFilterMode mode = part.KeepSelected ? TFilterMode::Include : TFilterMode::Exclude;
  const TStatKindList& kinds = page_.Kinds;
  // Without a selected value the filter leaves the list alone, which must then be whole.
  const bool undoTaken = selected.empty() ? main_.CombsTakeUndoCopy(true) : main_.CombsTakeUndoForRebuild(true);
  if (!undoTaken ||
      !main_.CombsFilter(stat, selected, mode, kinds.Items.at(kinds.ItemIndex).Text, values)) {
    state_.StopRequested = true;
    return false;
  }
  LogCount();
  if (!main_.Combs.CombsList.Empty()) return true;
  Log("{UNDO} Откат изменений...");
  main_.CombsUndo(true);
  main_.Combs.History.AppendUndo(main_.Combs.CombsList.Count());
  return false;
}

void TScenarioRunner::MakeStakes(TResultCombsMode mode, int line, int variant, const std::string& comment,
                                 const std::string& text, bool newOnly) {
  Log(Format("{*} Добавление ставки, режим: \"%s\"", {ResultCombsCaption(mode)}));
  const TCombList& list = main_.Combs.CombsList;
  const int32_t count = list.Count();
  if (count == 0 || mode == TResultCombsMode::NONE) return;
  const std::string description = StakeDescription(line, variant, comment, text);
  if (count > 1 && mode == TResultCombsMode::STOP) {
    state_.StopRequested = true;
    if (cancel_) return;
    Log("{!} Сценарий остановлен!");
    main_.Host().ShowWarning(Format("Выполнение сценария прервано, т.к. после применения всех фильтров в списке "
                                    "комбинаций их осталось более одной: %d!\r\rФильтры: %s",
                                    {count, description}),
                             "Внимание!");
    return;
  }
  if (count > 1 && mode == TResultCombsMode::SKIP) {
    Log("{-} Ставка игнорирована!");
    return;
  }
  if (cancel_) return;
  if (Stopped()) return;
  state_.Stakes.Comment = description;
  state_.Stakes.NewOnly = newOnly;
  if (count == 1) {
    AddStake(CombToNumberSet(list[0]), false);
  } else {
    switch (mode) {
      case TResultCombsMode::EXT:
        AddStake(RandomNumberSet(list.Storage(), count, main_.Config.MaxStake), false);
        break;
      case TResultCombsMode::RAND:
        AddStake(CombToNumberSet(list[std::uniform_int_distribution<int32_t>(0, count - 1)(random_)]), false);
        break;
      case TResultCombsMode::FIRST: AddStake(CombToNumberSet(list[0]), false); break;
      case TResultCombsMode::LAST: AddStake(CombToNumberSet(list[count - 1]), false); break;
      case TResultCombsMode::ALL:
        for (const TComb& comb : list.Combs())
          if (Stopped() || !AddStake(CombToNumberSet(comb), true)) break;
        break;
      case TResultCombsMode::SYSA:
      case TResultCombsMode::SYSC: SystemPlay(mode == TResultCombsMode::SYSA); break;
      default: break;
    }
  }
  main_.StakesRefreshView(true, true);
}

// False when the stake was not added: a stake already made with NewOnly, or a failure, which was
// shown and stops the run.
bool TScenarioRunner::AddStake(const TNumberSet& numbers, bool batch) {
  if (main_.StakesAddFromScenario(numbers, batch, state_.Stakes)) return true;
  TNumberSet sorted = numbers;
  SortNumberSet(sorted);
  const bool skipped =
      state_.Stakes.NewOnly && main_.StakesFind(main_.Archive.NextDrawNumber(main_.DrawsOffset()), sorted);
  if (!skipped) state_.StopRequested = true;
  return skipped;
}

void TScenarioRunner::SystemPlay(bool wholeSystem) {
  const TCombList& list = main_.Combs.CombsList;
  const TByteArray numbers = DistinctNumberList(list.Storage(), list.Count());
  const int count = static_cast<int>(numbers.size());
  TCombsArray system;
  std::string path, failure;
  if (!main_.SystemLoadForNumbers(numbers, system, path, failure)) {
    if (failure.empty()) failure = "Ошибка загрузки комбинаций системы!";
    Log(Format("{#} Системная игра для %d чисел [ОШИБКА]: \"%s\"", {count, failure}));
    return;
  }
  Log(Format(wholeSystem ? "{#} Системная игра для %d чисел [все система]: загружен файл \"%s\""
                         : "{#} Системная игра для %d чисел [система * комбинации]: загружен файл \"%s\"",
             {count, std::filesystem::path(path).stem().string()}));
  for (TComb comb : system) {
    SortComb(comb);
    if (!wholeSystem && !list.Contains(comb)) continue;
    if (!AddStake(CombToNumberSet(comb), true)) break;
  }
}

// Steps shared by both runs: the start before the passes and the end after them, also after a
// failure.
template <typename Passes>
void RunScenario(TTemplateMain& main, int cycle, Passes&& passes) {
  TTemplateMain::TOperation busy(main);
  TTemplateMain::TScriptRunState& state = main.ScriptRunState;
  main.SetOperationText(RunningText);
  main.ScriptLogStart();
  {
    TScenarioRunner runner(main);
    runner.Log("### ЗАПУСК СЦЕНАРИЯ ##########################################################################");
    state.Running = true;
    state.StopRequested = false;
    state.Cycle = cycle;
    state.Stakes.Made = 0;
    state.Stakes.LastShown = {};
    state.FirstRecord = main.Stakes.IsOpen() ? main.Stakes.Count() : 0;
    main.ScriptStatus(0, RunningText);
    try {
      passes(runner);
    } catch (const std::exception& e) {
      runner.Fail(e.what());
    }
    state.Cycle = 0;
    state.Running = false;
    state.StopRequested = false;
    runner.Log("### ЗАВЕРШЕНИЕ СЦЕНАРИЯ ######################################################################");
  }
  main.ScriptLogFinish();
  main.SetOperationText("");
}

}  // namespace

bool TTemplateMain::ScriptRunUpdate() const {
  return !Busy() && !ScriptRunState.Running && !ScriptLines.empty() && Archive.Count() > 0;
}

void TTemplateMain::ScriptRunExecute() {
  RunScenario(*this, 1, [&](TScenarioRunner& runner) {
    runner.LogOffset();
    runner.Pass();
    if (!ScriptRunState.StopRequested) ScriptStatus(0, "Сценарий завершен!");
  });
}

void TTemplateMain::ScriptTestExecute() {
  int tests = 10;
  if (!host_.InputNumber("Количество тестов", "Укажите количество тестов:", 1, Archive.Count() - 1, tests)) return;
  ScriptTestRun(tests);
}

void TTemplateMain::ScriptTestRun(int tests) {
  tests = std::min(tests, Archive.Count() - 1);
  if (tests <= 0) return;
  RunScenario(*this, 0, [&](TScenarioRunner& runner) {
    const int offset = DrawsOffset();
    std::optional<TScenarioAhead> ahead;
    if (ScriptTestAhead && tests > 1 && TScenarioAhead::Applies(*this))
      ahead.emplace(
          *this, tests,
          [](TTemplateMain& copy, const std::atomic<bool>& cancel) { TScenarioRunner(copy, &cancel).Pass(); },
          [this] {
            ScriptRunState.WaitingAhead = true;
            host_.ProcessEvents();
            ScriptRunState.WaitingAhead = false;
            return ScriptRunState.StopRequested;
          });
    for (int i = 1; i <= tests; ++i) {
      ScriptRunState.Cycle = i;
      ScriptStatus(0, RunningText);
      if (runner.Stopped()) break;
      SetDrawsOffset(tests - i + 1);
      if (runner.Stopped()) break;
      runner.LogOffset();
      if (runner.Stopped()) break;
      struct TFeedScope {
        TTemplateMain& main;
        std::optional<TScenarioAhead>& ahead;
        int cycle;
        ~TFeedScope() {
          main.CombsFeed = nullptr;
          if (ahead) ahead->EndPass(cycle);
        }
      } scope{*this, ahead, i};
      CombsFeed = ahead ? ahead->BeginPass(i) : nullptr;
      runner.Pass();
    }
    // A stopped test stays at the offset of the interrupted pass, for the user to look at.
    if (!ScriptRunState.StopRequested) SetDrawsOffset(offset);
    ScriptRunState.Cycle = 0;
    ScriptRunState.Running = false;
    ScriptRunState.StopRequested = false;
    ScriptStatus(0, "Сценарий завершен!");
  });
}

void TTemplateMain::ScriptStopExecute() {
  if (!host_.Ask("Остановить выполнение сценария?", "Подтверждение", true)) return;
  ScriptLogWrite("### ВЫПОЛНЕНИЕ СЦЕНАРИЯ ПРЕРВАНО #############################################################", true);
  ScriptRunState.StopRequested = true;
}

void TTemplateMain::ScriptStatus(int line, const std::string& text) {
  TScriptStatusBar& bar = ScriptRunState.Status;
  bar.Cycle = Format("Цикл: %d", {ScriptRunState.Cycle});
  bar.Line = Format("Строка: %d", {line});
  bar.Stakes = Format("Ставок: %d", {ScriptRunState.Stakes.Made});
  bar.Text = text;
  host_.ProcessEvents();
}

}  // namespace kavrin
