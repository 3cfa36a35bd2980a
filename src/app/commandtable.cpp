#include "app/commandtable.h"

#include "app/templatemain.h"
#include "core/format.h"
#include "stakes/ratingview.h"

namespace kavrin {
namespace {

using M = TTemplateMain;
using enum TCommandMenu;

// Fills one entry at a time; the hint defaults to the caption.
class TEntry {
 public:
  explicit TEntry(TCommand& command) : c_(command) {}
  TEntry& Key(const char* key, TShortcutScope scope = TShortcutScope::Window) {
    c_.Shortcut = key;
    c_.Scope = scope;
    return *this;
  }
  TEntry& Hint(const std::string& hint) {
    c_.Hint = hint;
    return *this;
  }
  TEntry& Check(std::function<bool()> checked) {
    c_.Checked = std::move(checked);
    return *this;
  }
  TEntry& Context(unsigned menus) {
    c_.ContextMenus = menus;
    return *this;
  }
  TEntry& Submenu(const char* caption) {
    c_.Submenu = caption;
    return *this;
  }
  TEntry& Radio(const char* group) {
    c_.RadioGroup = group;
    return *this;
  }

 private:
  TCommand& c_;
};

class TTableBuilder {
 public:
  TTableBuilder(M& main, std::vector<TCommand>& table) : m_(main), table_(table) {}

  TEntry Add(TCommandMenu menu, std::string name, std::string caption, std::function<bool()> update,
             std::function<void()> execute) {
    TCommand& c = table_.emplace_back();
    c.Name = std::move(name);
    c.Caption = std::move(caption);
    c.Hint = c.Caption;
    c.Menu = menu;
    c.Update = std::move(update);
    c.Execute = std::move(execute);
    return TEntry(c);
  }
  // The usual pair XxxUpdate / XxxExecute; what an Execute returns is for the CLI, not the window.
  template <typename Result>
  TEntry Add(TCommandMenu menu, const char* name, const char* caption, bool (M::*update)() const,
             Result (M::*execute)()) {
    M* m = &m_;
    return Add(menu, name, caption, [m, update] { return (m->*update)(); }, [m, execute] { (m->*execute)(); });
  }
  template <typename Result>
  TEntry Switch(TCommandMenu menu, const char* name, const char* caption, bool (M::*update)() const,
                bool (M::*checked)() const, Result (M::*execute)()) {
    M* m = &m_;
    return Add(menu, name, caption, update, execute).Check([m, checked] { return (m->*checked)(); });
  }
  M& Main() { return m_; }

 private:
  M& m_;
  std::vector<TCommand>& table_;
};

void AddDrawsCommands(TTableBuilder& t) {
  t.Add(Draws, "DrawsDownload", "Загрузка", &M::DrawsDownloadUpdate, &M::DrawsDownloadExecute);
  t.Add(Draws, "DrawsAdd", "Добавить", &M::DrawsAddUpdate, &M::DrawsAddExecute).Context(DrawsListMenu);
  t.Add(Draws, "DrawsEdit", "Изменить", &M::DrawsEditUpdate, &M::DrawsEditExecute).Context(DrawsListMenu);
  t.Add(Draws, "DrawsDel", "Удалить", &M::DrawsDelUpdate, &M::DrawsDelExecute).Context(DrawsListMenu);
  t.Add(Draws, "DrawsInfo", "Сведения о тираже", &M::DrawsInfoUpdate, &M::DrawsInfoExecute).Context(DrawsListMenu);
  t.Switch(Draws, "DrawsSorted", "Упорядочить MIN->MAX", &M::DrawsSortedUpdate, &M::DrawsSortedChecked,
           &M::DrawsSortedExecute);
  t.Switch(Draws, "ViewColorDraws", "Выделять каналы в списке тиражей", &M::ViewColorDrawsUpdate,
           &M::ViewColorDrawsChecked, &M::ViewColorDrawsExecute);
  t.Add(Draws, "DrawsImport", "Импорт из CSV-файла", &M::DrawsImportUpdate, &M::DrawsImportExecute);
  t.Add(Draws, "DrawsExport", "Экспорт в CSV-файл", &M::DrawsExportUpdate, &M::DrawsExportExecute);
  t.Add(Draws, "DrawsXlsExport", "Экспорт в Microsoft Excel", &M::DrawsXlsExportUpdate, &M::DrawsXlsExportExecute)
      .Context(DrawsListMenu);
  M& m = t.Main();
  const char* captions[] = {"По запросу (по умолчанию)", "Автоматически", "Отключено"};
  for (int mode = 0; mode < 3; ++mode)
    t.Add(Draws, Format("AutoDownload%d", {mode}), captions[mode], [&m] { return m.AutoDownloadUpdate(); },
          [&m, mode] { m.AutoDownloadExecute(mode); })
        .Check([&m, mode] { return m.AutoDownloadChecked(mode); })
        .Submenu("Автозагрузка при запуске программы")
        .Radio("AutoDownload");
}

void AddCombsCommands(TTableBuilder& t) {
  using enum TShortcutScope;
  t.Add(Combs, "CombsGen", "Генерировать", &M::CombsGenUpdate, &M::CombsGenExecute).Key("F2");
  t.Add(Combs, "CombsOpen", "Открыть", &M::CombsOpenUpdate, &M::CombsOpenExecute).Key("Ctrl+O");
  t.Add(Combs, "CombsSave", "Сохранить", &M::CombsSaveUpdate, &M::CombsSaveExecute).Key("Ctrl+S");
  t.Add(Combs, "CombsCopy", "Копировать в буфер", &M::CombsCopyUpdate, &M::CombsCopyExecute)
      .Key("Ctrl+C", CombsList)
      .Context(CombsListMenu);
  t.Add(Combs, "CombsPaste", "Вставить из буфера", &M::CombsPasteUpdate, &M::CombsPasteExecute)
      .Key("Ctrl+V", CombsList)
      .Context(CombsListMenu);
  t.Add(Combs, "CombsSelectAll", "Выделить все", &M::CombsSelectAllUpdate, &M::CombsSelectAllExecute)
      .Key("Ctrl+A", CombsList)
      .Context(CombsListMenu);
  t.Add(Combs, "CombsCheckNums", "Количество уникальных номеров", &M::CombsCheckNumsUpdate, &M::CombsCheckNumsExecute)
      .Context(CombsListMenu);
  t.Add(Combs, "CombsFindInDraws", "Проверить по архиву тиражей", &M::CombsFindInDrawsUpdate,
        &M::CombsFindInDrawsExecute)
      .Key("Ctrl+F")
      .Context(CombsListMenu);
  t.Add(Combs, "CombsInfo", "Сведения о комбинации", &M::CombsInfoUpdate, &M::CombsInfoExecute).Context(CombsListMenu);
  t.Switch(Combs, "ViewColorCombs", "Выделять каналы в списке комбинаций", &M::ViewColorCombsUpdate,
           &M::ViewColorCombsChecked, &M::ViewColorCombsExecute);
  t.Add(Combs, "CombsDelExists", "Исключить тиражи", &M::CombsDelExistsUpdate, &M::CombsDelExistsExecute).Key("Ctrl+E");
  t.Add(Combs, "CombsDelSelected", "Удалить выделенные", &M::CombsDelSelectedUpdate, &M::CombsDelSelectedExecute)
      .Key("Ctrl+Del", CombsList)
      .Context(CombsListMenu);
  t.Add(Combs, "CombsUndo", "Отменить", &M::CombsUndoUpdate, &M::CombsUndoExecute).Key("Ctrl+Z");
}

void AddStatisticsCommands(TTableBuilder& t) {
  t.Add(Statistics, "StatRefresh", "Обновить", &M::StatRefreshUpdate, &M::StatRefreshExecute);
  t.Add(Statistics, "StatFilter_Include", "Оставить выделенные", &M::StatFilter_IncludeUpdate,
        &M::StatFilter_IncludeExecute)
      .Key("F7");
  t.Add(Statistics, "StatFilter_Exclude", "Удалить выделенные", &M::StatFilter_ExcludeUpdate,
        &M::StatFilter_ExcludeExecute)
      .Key("Ctrl+F7");
  t.Switch(Statistics, "StatFullSet", "Использовать сравнение с полным набором комбинаций", &M::StatFullSetUpdate,
           &M::StatFullSetChecked, &M::StatFullSetExecute);
  t.Switch(Statistics, "StatTotalLine", "График идеального распределения", &M::StatTotalLineUpdate,
           &M::StatTotalLineChecked, &M::StatTotalLineExecute);
  t.Add(Statistics, "StatDescription", "Описание статистики", &M::StatDescriptionUpdate, &M::StatDescriptionExecute);
  t.Add(Statistics, "StatXlsExport", "Экспорт статистики в Microsoft Excel", &M::StatXlsExportUpdate,
        &M::StatXlsExportExecute);
  t.Add(Statistics, "StatFavorites", "Избранные статистики", &M::StatFavoritesUpdate, &M::StatFavoritesExecute);
  t.Add(Statistics, "StatAllMethods", "Все доступные статистики", &M::StatAllMethodsUpdate, &M::StatAllMethodsExecute);
}

// The tab switches and the two analysis windows in the statistics menu; the rest on the tabs.
void AddDrawViewsCommands(TTableBuilder& t) {
  TDrawViews& v = t.Main().DrawViews;
  using V = TDrawViews;
  auto add = [&](TCommandMenu menu, const char* name, const char* caption, bool (V::*update)() const,
                 void (V::*execute)()) {
    return t.Add(menu, name, caption, [&v, update] { return (v.*update)(); }, [&v, execute] { (v.*execute)(); });
  };
  auto toggle = [&](TCommandMenu menu, const char* name, const char* caption, bool (V::*update)() const,
                    bool (V::*checked)() const, void (V::*execute)()) {
    return add(menu, name, caption, update, execute).Check([&v, checked] { return (v.*checked)(); });
  };
  toggle(Statistics, "TabGraps", "Вкладка \"Графики\"", &V::TabGrapsUpdate, &V::TabGrapsChecked, &V::TabGrapsExecute);
  toggle(Statistics, "TabCard", "Вкладка \"Карта\"", &V::TabCardUpdate, &V::TabCardChecked, &V::TabCardExecute);
  toggle(Statistics, "TabLayout", "Вкладка \"Схема\"", &V::TabLayoutUpdate, &V::TabLayoutChecked,
         &V::TabLayoutExecute);
  toggle(Statistics, "TabWeek", "Вкладка \"Неделя\"", &V::TabWeekUpdate, &V::TabWeekChecked, &V::TabWeekExecute);
  add(Statistics, "TotalSumCombs", "Распределение сумм тиражей и всех возможных комбинаций", &V::TotalSumCombsUpdate,
      &V::TotalSumCombsExecute);
  add(Statistics, "AnalyzeRepeats", "Количество повторов в зависимости от тиража", &V::AnalyzeRepeatsUpdate,
      &V::AnalyzeRepeatsExecute);

  add(NoMenu, "DrawsGraphDraw", "Обновить", &V::DrawsGraphDrawUpdate, &V::DrawsGraphDrawExecute);
  toggle(NoMenu, "ViewColorCard", "Выделять каналы в карте тиражей", &V::ViewColorCardUpdate, &V::ViewColorCardChecked,
         &V::ViewColorCardExecute);
  toggle(NoMenu, "ViewColorCardSequences", "Выделять последовательности в карте тиражей",
         &V::ViewColorCardSequencesUpdate, &V::ViewColorCardSequencesChecked, &V::ViewColorCardSequencesExecute);
  add(NoMenu, "CardFilter_Include", "Оставить выделенные", &V::CardFilter_IncludeUpdate, &V::CardFilter_IncludeExecute);
  add(NoMenu, "CardFilter_Exclude", "Удалить выделенные", &V::CardFilter_ExcludeUpdate, &V::CardFilter_ExcludeExecute);
  add(NoMenu, "CardXlsExport", "Экспорт карты тиражей в Microsoft Excel", &V::CardXlsExportUpdate,
      &V::CardXlsExportExecute);
  toggle(NoMenu, "ViewShemaGradient", "Градиентная раскраска схемы", &V::ViewShemaGradientUpdate,
         &V::ViewShemaGradientChecked, &V::ViewShemaGradientExecute);
  add(NoMenu, "LayoutCalc", "Обновить", &V::LayoutCalcUpdate, &V::LayoutCalcExecute);
  add(NoMenu, "LayoutFilter_Include", "Оставить выделенные", &V::LayoutFilter_IncludeUpdate,
      &V::LayoutFilter_IncludeExecute);
  add(NoMenu, "LayoutFilter_Exclude", "Удалить выделенные", &V::LayoutFilter_ExcludeUpdate,
      &V::LayoutFilter_ExcludeExecute);
  add(NoMenu, "LayoutCmpCalc", "Обновить", &V::LayoutCmpCalcUpdate, &V::LayoutCmpCalcExecute);
  add(NoMenu, "LayoutXlsExport", "Экспорт схемы в Microsoft Excel", &V::LayoutXlsExportUpdate,
      &V::LayoutXlsExportExecute);
  add(NoMenu, "WeekStatCalc", "Обновить", &V::WeekStatCalcUpdate, &V::WeekStatCalcExecute);
  toggle(NoMenu, "ViewWeekChartMode", "График по дням недели", &V::ViewWeekChartModeUpdate,
         &V::ViewWeekChartModeChecked, &V::ViewWeekChartModeExecute);
  toggle(NoMenu, "ViewWeekChartType", "График / диаграмма", &V::ViewWeekChartTypeUpdate, &V::ViewWeekChartTypeChecked,
         &V::ViewWeekChartTypeExecute);
  add(NoMenu, "WeekFilter_Include", "Оставить выделенные", &V::WeekFilter_IncludeUpdate, &V::WeekFilter_IncludeExecute);
  add(NoMenu, "WeekFilter_Exclude", "Удалить выделенные", &V::WeekFilter_ExcludeUpdate, &V::WeekFilter_ExcludeExecute);
  add(NoMenu, "WeekXlsExport", "Экспорт статистики по дням недели в Microsoft Excel", &V::WeekXlsExportUpdate,
      &V::WeekXlsExportExecute);
}

void AddStakesCommands(TTableBuilder& t) {
  using enum TShortcutScope;
  t.Add(Stakes, "StakeAdd", "Сделать ставку", &M::StakeAddUpdate, &M::StakeAddExecute).Key("F4");
  t.Add(Stakes, "StakeAddRandom", "Сделать случайную ставку", &M::StakeAddRandomUpdate, &M::StakeAddRandomExecute)
      .Key("Ctrl+F4");
  // Alt+F4 closes the window and Ctrl+Alt+F4 switches the console on Linux: neither reaches us.
  t.Add(Stakes, "StakeAddSelected", "Сделать ставки для выделенных комбинаций", &M::StakeAddSelectedUpdate,
        &M::StakeAddSelectedExecute)
      .Key("Shift+F4");
  t.Add(Stakes, "StakeAddAll", "Сделать ставки для всех комбинаций", &M::StakeAddAllUpdate, &M::StakeAddAllExecute)
      .Key("Ctrl+Shift+F4");
  t.Add(Stakes, "StakeDel", "Удалить ставку", &M::StakeDelUpdate, &M::StakeDelExecute).Key("Ctrl+Del", StakesGrid);
  t.Add(Stakes, "StakeFilter", "Удалить по условию", &M::StakeFilterUpdate, &M::StakeFilterExecute).Key("Alt+D");
  t.Add(Stakes, "StakeClear", "Удалить все ставки", &M::StakeClearUpdate, &M::StakeClearExecute).Key("Ctrl+Shift+Del");
  t.Add(Stakes, "StakesCheckManual", "Проверить ставки", &M::StakesCheckManualUpdate, &M::StakesCheckManualExecute)
      .Key("Ctrl+F5");
  t.Switch(Stakes, "LogStakes", "Журналы ставок", &M::LogStakesUpdate, &M::LogStakesChecked, &M::LogStakesExecute);
  t.Switch(Stakes, "StakesScroll", "Прокручивать список при добавлении", &M::StakesScrollUpdate,
           &M::StakesScrollChecked, &M::StakesScrollExecute);
  t.Switch(Stakes, "StakesCheckLine", "Проверять ставки после каждой строки сценария", &M::StakesCheckLineUpdate,
           &M::StakesCheckLineChecked, &M::StakesCheckLineExecute);
  t.Add(Stakes, "LogStakesDelete", "Удалить журналы ставок", &M::LogStakesDeleteUpdate, &M::LogStakesDeleteExecute);
  t.Add(Stakes, "StakesXlsExport", "Экспорт ставок в Microsoft Excel", &M::StakesXlsExportUpdate,
        &M::StakesXlsExportExecute);
}

void AddRatingsCommands(TTableBuilder& t) {
  M& m = t.Main();
  t.Add(Ratings, "RatingsRefresh", "Обновить рейтинг", &M::RatingsRefreshUpdate, &M::RatingsRefreshExecute).Key("F5");
  t.Add(Ratings, "RatingsExport", "Экспорт рейтинга в CSV-файл", &M::RatingsExportUpdate, &M::RatingsExportExecute);
  t.Add(Ratings, "RatingsXlsExport", "Экспорт рейтинга в Microsoft Excel", &M::RatingsXlsExportUpdate,
        &M::RatingsXlsExportExecute);
  for (int mode = 0; mode < static_cast<int>(RatingsEffModes().size()); ++mode) {
    const TEffModeCommand& command = RatingsEffModes()[mode];
    t.Add(Ratings, Format("RatingsEffMode%d", {mode}), command.Caption, [&m] { return m.RatingsEffModeUpdate(); },
          [&m, mode] { m.RatingsEffModeExecute(mode); })
        .Hint(command.Hint)
        .Check([&m, mode] { return m.RatingsEffModeChecked(mode); })
        .Radio("RatingsEffMode");
  }
  t.Add(Ratings, "StakesGraphDraws", "Суммарный профит по тиражам", &M::StakesGraphDrawsUpdate,
        &M::StakesGraphDrawsExecute)
      .Key("F6");
  t.Add(Ratings, "StakesGraphOverlap", "График совпадений ставок", &M::StakesGraphOverlapUpdate,
        &M::StakesGraphOverlapExecute)
      .Key("Ctrl+F6");
  // Alt+F6 switches between the windows of one program in common Linux desktops.
  t.Add(Ratings, "StakesGraphProfits", "График профита ставок", &M::StakesGraphProfitsUpdate,
        &M::StakesGraphProfitsExecute)
      .Key("Shift+F6");
  t.Add(Ratings, "RatingsGraphOverlap", "Количество совпадений", &M::RatingsGraphOverlapUpdate,
        &M::RatingsGraphOverlapExecute);
  t.Add(Ratings, "RatingsToScript", "Добавить в сценарий", &M::RatingsToScriptUpdate, &M::RatingsToScriptExecute);
}

void AddTablesCommands(TTableBuilder& t) {
  t.Switch(Tables, "TabTables", "Вкладка \"Регуляры\"", &M::TabTablesUpdate, &M::TabTablesChecked,
           &M::TabTablesExecute)
      .Hint("Скрыть / показать вкладку \"Регулярные ставки\"");
  t.Add(Tables, "TablesAdd", "Добавить регулярную ставку", &M::TablesAddUpdate, &M::TablesAddExecute)
      .Hint("Добавить регулярную табличную ставку");
  t.Add(Tables, "TablesDel", "Удалить регулярную ставку", &M::TablesDelUpdate, &M::TablesDelExecute)
      .Hint("Удалить выделенные регулярные табличные ставки");
  t.Add(Tables, "TablesStakeAdd", "Сделать ставку по регуляру", &M::TablesStakeAddUpdate, &M::TablesStakeAddExecute)
      .Hint("Создать ставку по выделенному регуляру");
  t.Add(Tables, "TablesStakeTest", "Тест регуляров", &M::TablesStakeTestUpdate, &M::TablesStakeTestExecute)
      .Hint("Тестирование регулярных ставок");
}

void AddScriptCommands(TTableBuilder& t) {
  using enum TShortcutScope;
  t.Add(Script, "ScriptOpen", "Открыть", &M::ScriptOpenUpdate, &M::ScriptOpenExecute).Key("Ctrl+J");
  t.Add(Script, "ScriptSave", "Сохранить", &M::ScriptSaveUpdate, &M::ScriptSaveExecute).Key("Ctrl+I");
  // Ctrl+Ins is also the copy key of text fields.
  t.Add(Script, "ScriptAdd", "Добавить фильтры", &M::ScriptAddUpdate, &M::ScriptAddExecute)
      .Key("Ctrl+Ins", ScriptList)
      .Context(ScriptListMenu);
  t.Add(Script, "ScriptEmpty", "Добавить разделитель", &M::ScriptEmptyUpdate, &M::ScriptEmptyExecute)
      .Key("Ctrl+Alt+Ins", ScriptList)
      .Context(ScriptListMenu);
  t.Add(Script, "ScriptLoad", "Добавить сценарий", &M::ScriptLoadUpdate, &M::ScriptLoadExecute);
  t.Add(Script, "ScriptClone", "Клонировать", &M::ScriptCloneUpdate, &M::ScriptCloneExecute)
      .Key("Ctrl+K")
      .Context(ScriptListMenu);
  t.Add(Script, "ScriptEdit", "Изменить", &M::ScriptEditUpdate, &M::ScriptEditExecute)
      .Key("Ctrl+Return", ScriptList)
      .Context(ScriptListMenu);
  t.Add(Script, "ScriptDel", "Удалить", &M::ScriptDelUpdate, &M::ScriptDelExecute)
      .Key("Ctrl+Del", ScriptList)
      .Context(ScriptListMenu);
  t.Add(Script, "ScriptClr", "Удалить все", &M::ScriptClrUpdate, &M::ScriptClrExecute).Context(ScriptListMenu);
  // Ctrl+Up and Ctrl+Down move the current row of any other list.
  t.Add(Script, "ScriptUp", "Переместить вверх", &M::ScriptUpUpdate, &M::ScriptUpExecute)
      .Key("Ctrl+Up", ScriptList)
      .Context(ScriptListMenu);
  t.Add(Script, "ScriptDown", "Переместить вниз", &M::ScriptDownUpdate, &M::ScriptDownExecute)
      .Key("Ctrl+Down", ScriptList)
      .Context(ScriptListMenu);
  t.Add(Script, "ScriptRun", "Прогноз", &M::ScriptRunUpdate, &M::ScriptRunExecute).Key("F10");
  t.Add(Script, "ScriptTest", "Тест", &M::ScriptTestUpdate, &M::ScriptTestExecute).Key("Ctrl+F10");
  // Window-wide so that it works while the run disables the lists; a focused text field keeps its
  // own Ctrl+X.
  t.Add(Script, "ScriptStop", "Стоп", &M::ScriptStopUpdate, &M::ScriptStopExecute).Key("Ctrl+X");
  t.Switch(Script, "LogToggle", "Журнал выполнения сценария", &M::LogToggleUpdate, &M::LogToggleChecked,
           &M::LogToggleExecute);
  t.Add(Script, "LogsDelete", "Удалить журналы выполнения сценариев", &M::LogsDeleteUpdate, &M::LogsDeleteExecute);
}

void AddScriptLibraryCommands(TTableBuilder& t) {
  M& m = t.Main();
  const char* library = "Online каталог сценариев";
  t.Switch(Script, "ScriptLibrary", library, &M::ScriptLibraryUpdate, &M::ScriptLibraryChecked,
           &M::ScriptLibraryExecute)
      .Key("Ctrl+L");
  t.Add(Script, "ScriptLibraryRefresh", "Обновить", &M::ScriptLibraryRefreshUpdate, &M::ScriptLibraryRefreshExecute)
      .Hint("Перезагрузить каталог с сервера")
      .Submenu(library);
  t.Add(Script, "ScriptLibraryDownload", "Скачать из каталога", &M::ScriptLibraryDownloadUpdate,
        &M::ScriptLibraryDownloadExecute)
      .Hint("Скачать выбранный сценарий из online-каталога")
      .Submenu(library);
  t.Add(Script, "ScriptLibraryUpload", "Опубликовать", &M::ScriptLibraryUploadUpdate, &M::ScriptLibraryUploadExecute)
      .Hint("Опубликовать текущий сценарий в online-каталоге")
      .Submenu(library);
  t.Add(Script, "ScriptLibraryReplace", "Изменить", &M::ScriptLibraryReplaceUpdate, &M::ScriptLibraryReplaceExecute)
      .Hint("Заменить выделенный сценарий в online-каталоге текущим")
      .Submenu(library);
  t.Add(Script, "ScriptLibraryDelete", "Удалить", &M::ScriptLibraryDeleteUpdate, &M::ScriptLibraryDeleteExecute)
      .Hint("Удалить выделенный сценарий из online-каталога")
      .Submenu(library);
  t.Add(Script, "ScriptLibraryView", "Свойства сценария", &M::ScriptLibraryViewUpdate, &M::ScriptLibraryViewExecute)
      .Hint("Просмотр сведений о выделенном сценарии")
      .Submenu(library);
  t.Add(Script, "ScriptLibraryRates", "Просмотр оценок", &M::ScriptLibraryRatesUpdate, &M::ScriptLibraryRatesExecute)
      .Hint("Просмотр оценок сценария пользователями")
      .Submenu(library);
  struct TRate {
    const char* Name;
    int Value;
    const char* Caption;
    std::string Hint;
  };
  const TRate rates[] = {
      {"ScriptLibraryRate0", 0, "Удалить оценку", "Удалить Вашу оценку"},
      {"ScriptLibraryRate1", 1, "[ 1 ] - Бесполезно", "Установить оценку \"1\""},
      {"ScriptLibraryRate2", 2, "[ 2 ] - Плохо", "Установить оценку \"2\""},
      {"ScriptLibraryRate3", 3, "[ 3 ] - Удовлетворительно", "Установить оценку \"3\""},
      {"ScriptLibraryRate4", 4, "[ 4 ] - Хорошо", "Установить оценку \"4\""},
      {"ScriptLibraryRate5", 5, "[ 5 ] - Отлично", "Установить оценку \"5\""},
      {"ScriptLibraryHide", -1, "Скрыть сценарий", "Исключить сценарий из Вашего списка"},
  };
  for (const TRate& rate : rates) {
    const int value = rate.Value;
    TEntry entry = t.Add(Script, rate.Name, rate.Caption, [&m, value] { return m.ScriptLibraryRateUpdate(value); },
                         [&m, value] { m.ScriptLibraryRateExecute(value); })
                       .Hint(rate.Hint)
                       .Submenu(library);
    if (value != 0) entry.Check([&m, value] { return m.ScriptLibraryRateChecked(value); });
  }
}

void AddSystemsCommands(TTableBuilder& t) {
  // Ctrl+J opens a scenario.
  t.Switch(Systems, "SystemsOn", "Системная игра", &M::SystemsOnUpdate, &M::SystemsOnChecked, &M::SystemsOnExecute)
      .Hint("Включить или выключить список систем")
      .Key("Ctrl+Shift+J");
  t.Add(Systems, "SystemsRefresh", "Обновить", &M::SystemsRefreshUpdate, &M::SystemsRefreshExecute)
      .Hint("Перезагрузить список с сервера");
  t.Add(Systems, "SystemsDownload", "Загрузить", &M::SystemsDownloadUpdate, &M::SystemsDownloadExecute)
      .Hint("Загрузить выделенные системы");
  t.Add(Systems, "SystemsAdd", "Добавить", &M::SystemsAddUpdate, &M::SystemsAddExecute)
      .Hint("Добавить свою систему в список");
  t.Add(Systems, "SystemsProp", "Свойства", &M::SystemsPropUpdate, &M::SystemsPropExecute);
  t.Add(Systems, "SystemsDel", "Удалить", &M::SystemsDelUpdate, &M::SystemsDelExecute)
      .Hint("Удалить свои системы из списка");
  t.Add(Systems, "SystemStakeAll", "Cистемная игра по списку системы", &M::SystemStakeAllUpdate,
        &M::SystemStakeAllExecute)
      .Key("Ctrl+Alt+J");
  t.Add(Systems, "SystemStakeFilter", "Cистемная игра по списку комбинаций", &M::SystemStakeFilterUpdate,
        &M::SystemStakeFilterExecute)
      .Key("Alt+J");
}

void AddProgramCommands(TTableBuilder& t) {
  t.Add(Program, "EditConfig", "Параметры", &M::EditConfigUpdate, &M::EditConfigExecute);
  t.Add(Program, "EditShredding", "Формулы шинковки", &M::EditShreddingUpdate, &M::EditShreddingExecute);
  t.Add(Program, "EditProxy", "Параметры proxy-сервера", &M::EditProxyUpdate, &M::EditProxyExecute);
  t.Add(Program, "ExitProgram", "Выход", &M::ExitProgramUpdate, &M::ExitProgramExecute);
}

void AddHelpCommands(TTableBuilder& t) {
  M& m = t.Main();
  t.Add(Help, "GetHelp", "Справка", &M::GetHelpUpdate, &M::GetHelpExecute).Key("F1");
  t.Add(Help, "About", "О программе", &M::AboutUpdate, &M::AboutExecute);
  for (const TLinkCommand& link : LinkCommands()) {
    const std::string name = link.Name;
    t.Add(Help, name, link.Caption, [&m] { return m.LinkUpdate(); }, [&m, name] { m.LinkExecute(name); });
  }
  t.Add(Help, "CheckUpdate", "Поиск обновлений", &M::CheckUpdateUpdate, &M::CheckUpdateExecute)
      .Hint("Искать обновления программы через интернет");
  t.Switch(Help, "AutoSelfUpdate", "Автоматическое обновление", &M::AutoSelfUpdateUpdate, &M::AutoSelfUpdateChecked,
           &M::AutoSelfUpdateExecute)
      .Hint("Автоматическое обновление программы при запуске");
}

}  // namespace

const char* CommandMenuCaption(TCommandMenu menu) {
  switch (menu) {
    case NoMenu: return "";
    case Program: return "Программа";
    case Draws: return "Архив тиражей";
    case Combs: return "Комбинации";
    case Statistics: return "Статистика";
    case Stakes: return "Ставки";
    case Ratings: return "Рейтинг";
    case Tables: return "Регуляры";
    case Script: return "Сценарий";
    case Systems: return "Системы";
    case Help: return "Справка";
  }
  return "";
}

std::vector<TCommand> BuildCommandTable(TTemplateMain& main) {
  std::vector<TCommand> table;
  TTableBuilder t(main, table);
  AddProgramCommands(t);
  AddDrawsCommands(t);
  AddCombsCommands(t);
  AddStatisticsCommands(t);
  AddDrawViewsCommands(t);
  AddStakesCommands(t);
  AddRatingsCommands(t);
  AddTablesCommands(t);
  AddScriptCommands(t);
  AddScriptLibraryCommands(t);
  AddSystemsCommands(t);
  AddHelpCommands(t);
  return table;
}

}  // namespace kavrin
