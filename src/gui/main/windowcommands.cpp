#include "gui/main/windowcommands.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QTableView>
#include <QToolBar>
#include <map>

#include "app/commandtable.h"
#include "gui/archive/archivetab.h"
#include "gui/common/panesplitter.h"
#include "gui/common/qttext.h"
#include "gui/main/actionregistry.h"
#include "gui/main/mainwindow.h"

namespace kavrin::gui {
namespace {

using enum TCommandMenu;

// The widget whose focus a list-scoped shortcut needs.
QWidget* ScopeWidget(MainWindow& window, TShortcutScope scope) {
  const MainPages& pages = window.Pages();
  switch (scope) {
    case TShortcutScope::DrawsList: return window.Archive().List();
    case TShortcutScope::CombsList: return pages.FiltersSplit->widget(0);
    case TShortcutScope::ScriptList: return pages.ScriptSplit->widget(0);
    case TShortcutScope::StakesGrid: return pages.Tabs->widget(PageStakes);
    case TShortcutScope::Window: return nullptr;
  }
  return nullptr;
}

}  // namespace

void BuildWindowCommands(MainWindow& window) {
  ActionRegistry& registry = window.Actions();
  for (const TCommand& c : BuildCommandTable(window.Main())) registry.Add(c, ScopeWidget(window, c.Scope));

  // Menus in the table's menu order, submenus where the entries name one, radio groups exclusive.
  QMenuBar* bar = window.menuBar();
  std::map<TCommandMenu, QMenu*> menus;
  std::map<std::pair<QMenu*, std::string>, QMenu*> submenus;
  std::map<std::string, QActionGroup*> groups;
  for (TCommandMenu menu : {Program, Draws, Combs, Statistics, Stakes, Ratings, Tables, Script, Systems, Help}) {
    QMenu* m = bar->addMenu(ToQ(CommandMenuCaption(menu)));
    m->setObjectName(QStringLiteral("mn%1").arg(static_cast<int>(menu)));
    m->setToolTipsVisible(true);
    menus[menu] = m;
  }
  for (const TCommand& c : registry.Commands()) {
    if (c.Menu == NoMenu) continue;
    QMenu* menu = menus.at(c.Menu);
    if (!c.Submenu.empty()) {
      QMenu*& sub = submenus[{menu, c.Submenu}];
      if (sub == nullptr) sub = menu->addMenu(ToQ(c.Submenu));
      menu = sub;
    }
    QAction* action = registry.Action(c.Name);
    if (!c.RadioGroup.empty()) {
      QActionGroup*& group = groups[c.RadioGroup];
      if (group == nullptr) group = new QActionGroup(&window);
      group->addAction(action);
    }
    menu->addAction(action);
  }
  for (auto& [menu, m] : menus)
    if (m->isEmpty()) m->menuAction()->setVisible(false);
  window.SetSystemsMenu(menus.at(Systems));

  QToolBar* tools = window.addToolBar(QStringLiteral("Панель инструментов"));
  tools->setObjectName(QStringLiteral("tbMain"));
  tools->setMovable(false);
  tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
  tools->addActions(registry.Actions({"DrawsDownload", "", "EditConfig", "", "CombsGen", "CombsUndo", "", "ScriptRun",
                                      "ScriptTest", "ScriptStop"}));

  QList<QAction*> drawsMenu;
  for (const TCommand& c : registry.Commands())
    if (c.ContextMenus & DrawsListMenu) drawsMenu << registry.Action(c.Name);
  window.Archive().SetActions(registry.Actions({"DrawsDownload", "DrawsAdd", "DrawsEdit", "DrawsDel"}), drawsMenu,
                              registry.Action("DrawsInfo"));
}

}  // namespace kavrin::gui
