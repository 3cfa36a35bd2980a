#pragma once
// The pages of the main tab set and the combination page of the left panel, with their
// splitters. The tabs of the statistics, combinations, scenario, stakes, rating, regular-stake,
// systems and draw views are filled by their own folders; here they are their containers.
#include <QString>

class QTabWidget;
class QWidget;

namespace kavrin {
struct TViewSettings;
}

namespace kavrin::gui {

class PaneSplitter;

// The main tab set's pages, in tab order.
enum MainPage { PageStatistics, PageGraphs, PageCard, PageLayout, PageWeek, PageStakes, PageRatings, PageTables,
                PageScript, PageSystems, MainPageCount };

struct MainPages {
  QTabWidget* Tabs = nullptr;
  QWidget* Combinations = nullptr;       // the left panel's "Комбинации" page
  PaneSplitter* FiltersSplit = nullptr;  // combination list / applied filters
  PaneSplitter* StatSplit = nullptr;     // statistics table / chart
  PaneSplitter* LayoutSplit = nullptr;   // schema / comparison lists
  PaneSplitter* WeekSplit = nullptr;     // weekday grid / chart
  PaneSplitter* ScriptSplit = nullptr;   // scenario lines / catalog panel
};

// Builds the pages and restores their stored panel sizes.
MainPages BuildMainPages(QWidget* parent, const TViewSettings& view);
// Shows or hides the tabs and the catalog panel as the settings say.
void ApplyTabVisibility(const MainPages& pages, const TViewSettings& view);
// Reads the panel sizes back into the settings, for shut-down.
void TakePanelSizes(const MainPages& pages, TViewSettings& view);
QString MainPageCaption(int page);

}  // namespace kavrin::gui
