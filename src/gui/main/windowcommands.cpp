#include "gui/main/windowcommands.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <QToolBar>

#include "app/links.h"
#include "gui/archive/archivetab.h"
#include "gui/common/qttext.h"
#include "gui/main/actionregistry.h"
#include "gui/main/mainwindow.h"

namespace kavrin::gui {
namespace {

void AddMenu(QMenuBar* bar, const QString& title, const QString& name, const QList<QAction*>& actions) {
  QMenu* menu = bar->addMenu(title);
  menu->setObjectName(name);
  menu->setToolTipsVisible(true);
  menu->addActions(actions);
}

}  // namespace

void BuildWindowCommands(MainWindow& window) {
  TFormMain& m = window.Main();
  ActionRegistry& r = window.Actions();
  const auto idle = [&m] { return !m.Busy(); };
  auto link = [&](const char* name, const char* caption, TLinkPage page) {
    r.Add({name, caption, "", "", idle, {}, [&m, &window, page] { window.Host().OpenUrl(LinkAddress(m.Network, page)); }});
  };

  // ---- the archive ----
  r.Add({"DrawsDownload", "Загрузка", "Загрузить новые тиражи с сайта лотереи", "F5",
         [&m] { return m.DrawsDownloadUpdate(); }, {}, [&m] { m.DrawsDownloadExecute(); }});
  r.Add({"DrawsAdd", "Добавить", "Добавить тираж вручную", "", [&m] { return m.DrawsAddUpdate(); }, {},
         [&m] { m.DrawsAddExecute(); }});
  r.Add({"DrawsEdit", "Изменить", "Изменить выделенный тираж", "", [&m] { return m.DrawsEditUpdate(); }, {},
         [&m] { m.DrawsEditExecute(); }});
  r.Add({"DrawsDel", "Удалить", "Удалить выделенные тиражи", "", [&m] { return m.DrawsDelUpdate(); }, {},
         [&m] { m.DrawsDelExecute(); }});
  r.Add({"DrawsInfo", "Сведения о тираже", "Подробная информация о выделенном тираже", "",
         [&m] { return m.DrawsInfoUpdate(); }, {}, [&m] { m.DrawsInfoExecute(); }});
  r.Add({"DrawsSorted", "Упорядочить MIN->MAX", "Анализировать числа тиражей в порядке возрастания", "",
         [&m] { return m.DrawsSortedUpdate(); }, [&m] { return m.DrawsSortedChecked(); },
         [&m] { m.DrawsSortedExecute(); }});
  r.Add({"ViewColorDraws", "Выделять каналы в списке тиражей", "Выделять цветом каналы чисел в списке тиражей", "",
         [&m] { return m.ViewColorDrawsUpdate(); }, [&m] { return m.View.ColorDraws; },
         [&m] { m.ViewColorDrawsExecute(); }});
  r.Add({"DrawsImport", "Импорт из CSV-файла", "Добавить тиражи из CSV-файла", "",
         [&m] { return m.DrawsImportUpdate(); }, {}, [&m] { m.DrawsImportExecute(); }});
  r.Add({"DrawsExport", "Экспорт в CSV-файл", "Сохранить архив тиражей в CSV-файл", "",
         [&m] { return m.DrawsExportUpdate(); }, {}, [&m] { m.DrawsExportExecute(); }});
  r.Add({"ExitProgram", "Выход", "Завершить работу программы", "", idle, {}, [&window] { window.close(); }});

  // ---- settings ----
  r.Add({"EditConfig", "Параметры", "Параметры системы", "", idle, {}, [&window] { window.EditConfig(); }});
  r.Add({"EditShredding", "Формулы шинковки", "Формулы методов шинковки", "", idle, {},
         [&window] { window.EditShredding(); }});
  r.Add({"EditProxy", "Параметры proxy-сервера", "Параметры proxy-сервера", "",
         [&m] { return m.EditProxyUpdate(); }, {}, [&window] { window.EditProxy(); }});

  // ---- scenario runs ----
  r.Add({"ScriptRun", "Прогноз", "Выполнить сценарий для следующего тиража", "F10",
         [&m] { return m.ScriptRunUpdate(); }, {}, [&m] { m.ScriptRunExecute(); }});
  r.Add({"ScriptTest", "Тест", "Проверить сценарий на прошедших тиражах", "Ctrl+F10",
         [&m] { return m.ScriptTestUpdate(); }, {}, [&m] { m.ScriptTestExecute(); }});
  r.Add({"ScriptStop", "Стоп", "Остановить выполнение сценария", "Ctrl+X", [&m] { return m.ScriptStopUpdate(); }, {},
         [&m] { m.ScriptStopExecute(); }});

  // ---- systems ----
  r.Add({"SystemsOn", "Системная игра", "Включить или выключить список систем", "Ctrl+J",
         [&m] { return m.SystemsOnUpdate(); }, [&m] { return m.SystemsOnChecked(); },
         [&m, &window] {
           m.SystemsOnExecute();
           window.ApplyTabVisibility();
         }});
  r.Add({"SystemStakeAll", "Cистемная игра по списку системы",
         "Системная игра по всем комбинациям выбранной системы (даже если их нет в списке комбинаций)", "Ctrl+Alt+J",
         [&m] { return m.SystemStakeAllUpdate(); }, {}, [&m] { m.SystemStakeAllExecute(); }});
  r.Add({"SystemStakeFilter", "Cистемная игра по списку комбинаций",
         "Системная игра только по комбинациям, которые есть и в системе и в списке комбинаций", "Alt+J",
         [&m] { return m.SystemStakeFilterUpdate(); }, {}, [&m] { m.SystemStakeFilterExecute(); }});

  // ---- help ----
  r.Add({"GetHelp", "Справка", "Открыть файл справки", "F1", [&window, idle] { return idle() && !window.HelpFile().empty(); },
         {}, [&window] { window.Host().OpenUrl(window.HelpFile()); }});
  link("OpenLotoSite", "Сайт лотереи", TLinkPage::LotterySite);
  link("urlMainSite", "Официальный сайт проекта", TLinkPage::MainSite);
  link("urlAuthSite", "Страница автора", TLinkPage::AuthorSite);
  link("urlAuthText", "Статьи для начинающих", TLinkPage::Articles);
  link("urlTG", "Канал в Telegram", TLinkPage::Telegram);
  link("urlBlog", "Наш блог", TLinkPage::Blog);
  link("urlYT", "Наш видеоблог", TLinkPage::VideoChannel);
  link("urlVK", "Группа ВКонтакте", TLinkPage::GroupVK);
  link("urlOK", "Группа в Одноклассниках", TLinkPage::GroupOK);
  r.Add({"CheckUpdate", "Поиск обновлений", "Искать обновления программы через интернет", "",
         [&m] { return m.CheckUpdateUpdate(); }, {}, [&window] { window.CheckUpdate(); }});
  r.Add({"AutoSelfUpdate", "Автоматическое обновление", "Автоматическое обновление программы при запуске", "",
         [&m] { return m.AutoSelfUpdateUpdate(); }, [&m] { return m.AutoSelfUpdateChecked(); },
         [&m] { m.AutoSelfUpdateExecute(); }});
  r.Add({"About", "О программе", "Сведения о программе", "", idle, {}, [&window] { window.ShowAbout(); }});
  for (int mode = 0; mode <= 2; ++mode) {
    static const char* const captions[] = {"По запросу (по умолчанию)", "Автоматически", "Отключено"};
    r.Add({"AutoDownload" + std::to_string(mode), captions[mode], "Загрузка новых тиражей при запуске программы", "",
           idle, [&m, mode] { return m.View.DownloadDrawsOnStart == mode; },
           [&m, mode] {
             m.View.DownloadDrawsOnStart = mode;
             m.StoreViewSetting("DownloadDrawsOnStart");
           }});
  }

  // ---- menus, tool bar, context menus ----
  QMenuBar* bar = window.menuBar();
  AddMenu(bar, QStringLiteral("Архив тиражей"), QStringLiteral("mnDraws"),
          r.Actions({"DrawsDownload", "", "DrawsAdd", "DrawsEdit", "DrawsDel", "DrawsInfo", "", "DrawsSorted",
                     "ViewColorDraws", "", "DrawsImport", "DrawsExport", ""}));
  QMenu* draws = bar->findChild<QMenu*>(QStringLiteral("mnDraws"));
  QMenu* autoDownload = draws->addMenu(QStringLiteral("Автозагрузка при запуске программы"));
  autoDownload->setObjectName(QStringLiteral("mnAutoDownload"));
  auto* group = new QActionGroup(autoDownload);
  for (QAction* action : r.Actions({"AutoDownload0", "AutoDownload1", "AutoDownload2"})) group->addAction(action);
  autoDownload->addActions(group->actions());
  draws->addSeparator();
  draws->addAction(r.Action("ExitProgram"));
  AddMenu(bar, QStringLiteral("Настройки"), QStringLiteral("mnSettings"),
          r.Actions({"EditConfig", "EditShredding", "EditProxy"}));
  AddMenu(bar, QStringLiteral("Сценарий"), QStringLiteral("mnScript"), r.Actions({"ScriptRun", "ScriptTest", "ScriptStop"}));
  AddMenu(bar, QStringLiteral("Системы"), QStringLiteral("mnSystems"),
          r.Actions({"SystemsOn", "", "SystemStakeAll", "SystemStakeFilter"}));
  AddMenu(bar, QStringLiteral("Справка"), QStringLiteral("mnHelp"),
          r.Actions({"GetHelp", "", "OpenLotoSite", "urlMainSite", "urlAuthSite", "urlAuthText", "urlTG", "urlBlog",
                     "urlYT", "urlVK", "urlOK", "", "CheckUpdate", "AutoSelfUpdate", "", "About"}));

  QToolBar* tools = window.addToolBar(QStringLiteral("Панель инструментов"));
  tools->setObjectName(QStringLiteral("tbMain"));
  tools->setMovable(false);
  tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
  tools->addActions(r.Actions({"DrawsDownload", "", "EditConfig", "", "ScriptRun", "ScriptTest", "ScriptStop"}));

  window.Archive().SetActions(r.Actions({"DrawsDownload", "DrawsAdd", "DrawsEdit", "DrawsDel"}),
                              r.Actions({"DrawsDownload", "", "DrawsAdd", "DrawsEdit", "DrawsDel", "", "DrawsInfo",
                                         "", "DrawsSorted", "ViewColorDraws", "", "DrawsImport", "DrawsExport"}),
                              r.Action("DrawsInfo"));
}

}  // namespace kavrin::gui
