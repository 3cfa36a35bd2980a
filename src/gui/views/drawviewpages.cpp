#include "gui/views/drawviewpages.h"

#include <QTabWidget>

#include "gui/common/panesplitter.h"
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
}

}  // namespace kavrin::gui
