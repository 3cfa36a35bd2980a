// The scenario page with the demonstration scenario and a catalog panel of made-up rows, and the
// page's dialogs.
#include <QTabWidget>
#include <QTableView>

#include "app/appidentity.h"
#include "gui/main/mainwindow.h"
#include "gui/script/filterdialog.h"
#include "gui/script/linedialog.h"
#include "gui/script/propertiesdialog.h"
#include "gui/script/scriptpage.h"
#include "online/languages.h"
#include "shots.h"

using namespace kavrin;
using namespace kavrin::gui;

namespace {

tScriptInfo CatalogRow(int id, const char* title, const char* author, bool mine, bool pub, double rating, int count,
                       int yours, int downloads, const char* description) {
  tScriptInfo row;
  row.Id = id;
  row.Title = title;
  row.Author = author;
  row.Mine = row.Replaceable = mine;
  row.Usable = true;
  row.Public = pub;
  row.Universal = id % 2 == 0;
  row.AppName = ProgramFileName;
  row.AppVersion = "1.0.0.12";
  row.LanguageId = RussianLanguageId;
  row.Created = 46000.5 + id;
  row.LastDownload = 46100.25 + id;
  row.Rating = rating;
  row.RatingsCount = count;
  row.YourRating = yours;
  row.Downloads = downloads;
  row.Description = description;
  return row;
}

const kavrin::shots::Shots shots("script", [](MainWindow& window) {
  TFormMain& main = window.Main();
  main.ScriptLoadFile(main.DataPath("demo.lsc"), false);
  main.ScriptSelection = {1};
  main.View.ScriptLibraryOn = true;
  main.ScriptsRows = {
      CatalogRow(11, "Суммы и чётность", "Иван", true, true, 4.5, 12, 5, 140, "Три фильтра по суммам"),
      CatalogRow(12, "Горячие числа", "Мария", false, true, 3.25, 4, 0, 37, "Оставляет числа с глубиной от 10"),
      CatalogRow(15, "Личный тест", "Иван", true, false, 0, 0, 0, 2, ""),
      CatalogRow(18, "Без повторов", "Пётр", false, true, 2.0, 1, -1, 9, "Скрыт пользователем")};
  main.ScriptsSelected = 0;
  main.ViewChanged(TView::ScriptCatalog);
  window.Pages().Tabs->setCurrentIndex(PageScript);
  window.UpdateCommandStates();
  kavrin::shots::Save(window, QStringLiteral("script-tab"));
  window.show();

  TScriptLineDialogFields fields = LineDialogFields(main.ScriptLines[1], 0);
  LineDialog line(&window, QStringLiteral("Редактирование строки"), fields);
  kavrin::shots::Save(line, QStringLiteral("script-line-dialog"));

  const TFilterItem filter = FilterDialogStart(FilterItemFromText(ScriptLineFilter(main.ScriptLines[1], 1), main.Stats),
                                               {}, main.StatPage.WindowLength, main.Stats.Config.Weights);
  FilterDialog filterDialog(&window, filter, main.StatPage.Kinds, main.Stats, {});
  kavrin::shots::Save(filterDialog, QStringLiteral("script-filter-dialog"));

  tScriptData data = NewScriptData("Иван", RussianLanguageId);
  data.Title = "Суммы и чётность";
  data.Description = "Три фильтра по суммам, чётности и разностям.\nСтавки: случайная из оставшихся.";
  ScriptPropertiesDialog properties(&window, data, true, {});
  kavrin::shots::Save(properties, QStringLiteral("script-properties-dialog"));

  ScriptRatesWindow rates(&window, {{"Мария", "5", "2025-12-01 18:20:11", ProgramFileName, "1.0.0.12", "Хороший"},
                                    {"Пётр", "3", "2025-12-03 09:02:45", ProgramFileName, "1.0.0.11", ""}});
  kavrin::shots::Save(rates, QStringLiteral("script-rates-window"));
  main.ScriptsRows.clear();
  main.ScriptsSelected = -1;
  main.View.ScriptLibraryOn = false;
  main.ViewChanged(TView::ScriptCatalog);
});

}  // namespace
