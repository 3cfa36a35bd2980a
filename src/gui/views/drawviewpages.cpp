#include "gui/views/drawviewpages.h"

#include <QAction>
#include <QTabWidget>

#include "gui/common/panesplitter.h"
#include "gui/main/actionregistry.h"
#include "gui/main/mainwindow.h"
#include "gui/views/cardpage.h"
#include "gui/views/graphspage.h"
#include "gui/views/layoutpage.h"
#include "gui/views/weekpage.h"

namespace kavrin::gui {

void AddDrawViewPages(MainWindow& window) {
  const MainPages& pages = window.Pages();
  window.AddPage(*new GraphsPage(window, pages.Tabs->widget(PageGraphs)));
  window.AddPage(*new CardPage(window, pages.Tabs->widget(PageCard)));
  window.AddPage(*new LayoutPage(window, pages.LayoutSplit->widget(0), pages.LayoutSplit->widget(1)));
  window.AddPage(*new WeekPage(window, pages.WeekSplit->widget(0), pages.WeekSplit->widget(1)));

  // A tab switch shows or hides its tab; a tab just shown comes to the front.
  window.WhenActionsBuilt([&window](ActionRegistry& actions) {
    const std::pair<const char*, std::pair<bool TViewSettings::*, int>> switches[] = {
        {"TabGraps", {&TViewSettings::TabGraphs, PageGraphs}},
        {"TabCard", {&TViewSettings::TabCard, PageCard}},
        {"TabLayout", {&TViewSettings::TabLayout, PageLayout}},
        {"TabWeek", {&TViewSettings::TabWeek, PageWeek}}};
    QTabWidget* tabs = window.Pages().Tabs;
    for (const auto& [name, tab] : switches)
      QObject::connect(actions.Action(name), &QAction::triggered, tabs, [&window, tabs, tab = tab] {
        const bool shown = window.Main().View.*tab.first;
        tabs->setTabVisible(tab.second, shown);
        if (shown) tabs->setCurrentIndex(tab.second);
      });
  });
}

}  // namespace kavrin::gui
