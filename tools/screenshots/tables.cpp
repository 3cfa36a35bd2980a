// Shots of the regular stakes page, the systems page and their dialogs, over a few rows made
// for the picture (the systems catalog stands in for the service's answer).
#include <QTabWidget>
#include <QTableView>

#include "core/format.h"
#include "gui/main/mainwindow.h"
#include "gui/systems/systemdialog.h"
#include "gui/tables/regulardialog.h"
#include "shots.h"

using namespace kavrin;
using namespace kavrin::gui;

namespace {

tSystemInfo System(int id, int nums, int block, int combinations, const char* title, const char* author,
                   const char* owner, const char* description, TDateTime created, int downloads) {
  tSystemInfo info;
  info.Id = id;
  info.Nums = nums;
  info.Block = block;
  info.Combinations = combinations;
  info.Title = title;
  info.Author = author;
  info.Owner = owner;
  info.Description = description;
  info.Created = created;
  info.Downloads = downloads;
  info.LastDownload = downloads > 0 ? created + 30.5 : 0;
  return info;
}

void TakeTables(MainWindow& window) {
  TTemplateMain& main = window.Main();
  main.Tables = {{"Сдвиг на 10", 0, {1, 2, 3, 4, 5}, {31, 32, 33, 34, 35}, 10, 3},
                 {"Прошлый тираж минус один", 1, {1, 2, 3, 4, 5}, {6, 9, 17, 28, 41}, -1, 12},
                 {"Регулярная ставка (4)", 0, {1, 2, 3, 4, 9}, {1, 2, 3, 4, 9}, 7, 0}};
  main.TablesSelection = {1};
  main.TablesSave();
  QTabWidget* tabs = window.Pages().Tabs;
  tabs->setCurrentIndex(PageTables);
  shots::Save(window, QStringLiteral("tables-tab"));
  window.show();

  TTableStakeData rule = RegularTemplate({{5, {1, 2, 3, 4, 9}}});
  RegularDialog regular(&window, RegularDialogPrefill(rule, 1), 1, main.Tables);
  shots::Save(regular, QStringLiteral("regular-dialog"));

  const std::string mail = "ivan@example.org";
  main.Network.UserMail = mail;
  main.View.SystemsEnabled = true;
  const TDateTime created = EncodeDateTime(2024, 2, 1, 1, 30);
  main.SystemsRows = {
      {System(42, 12, 3, 22, "Колесо на 12 чисел", "Пётр", "petr@example.org", "Гарантия 3 из 3", created, 118), true},
      {System(43, 9, 0, 12, "Девятка", "Иван", mail.c_str(), "Своя система на девять чисел", created + 40, 7), false},
      {System(44, 15, 2, 40, "Большое колесо", "", "", "Без владельца", created - 200, 0), false}};
  main.SystemsSelection = {1};
  main.Host().ApplyTabVisibility(main.View, true);
  main.Host().ViewChanged(TView::Systems);
  tabs->setCurrentIndex(PageSystems);
  shots::Save(window, QStringLiteral("systems-tab"));
  window.show();

  tSystemData data{main.SystemsRows[1].Info,
                   "01 02 03 04 05\r\n01 02 03 06 07\r\n01 04 05 08 09\r\n02 03 06 08 09\r\n04 05 06 07 08"};
  data.Info.Combinations = 5;
  SystemDialog editable(&window, SystemDialogPrefill(data), true, {});
  shots::Save(editable, QStringLiteral("system-dialog"));
  SystemDialog readOnly(&window, SystemDialogPrefill({main.SystemsRows[0].Info, "01 02 03 04 05\r\n01 02 06 07 08"}),
                        false, {});
  shots::Save(readOnly, QStringLiteral("system-dialog-readonly"));
}

const shots::Shots registered("tables", TakeTables);

}  // namespace
