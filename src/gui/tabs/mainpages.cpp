#include "gui/tabs/mainpages.h"

#include <QTabWidget>
#include <QVBoxLayout>
#include <array>

#include "core/viewsettings.h"
#include "gui/common/panesplitter.h"

namespace kavrin::gui {
namespace {

QWidget* Pane(const QString& name) {
  auto* pane = new QWidget;
  pane->setObjectName(name);
  return pane;
}

// A page holding one splitter of two panes, the second of the stored height.
PaneSplitter* SplitPage(QWidget* page, const QString& name, const QString& first, const QString& second, int height) {
  auto* splitter = new PaneSplitter(Qt::Vertical, 1, page);
  splitter->setObjectName(name);
  splitter->addWidget(Pane(first));
  splitter->addWidget(Pane(second));
  splitter->SetPaneSize(height);
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(splitter);
  return splitter;
}

}  // namespace

QString MainPageCaption(int page) {
  static const std::array<QString, MainPageCount> captions = {
      QStringLiteral("Статистика"), QStringLiteral("Графики"),  QStringLiteral("Карта"),
      QStringLiteral("Схема"),      QStringLiteral("Неделя"),   QStringLiteral("Ставки"),
      QStringLiteral("Рейтинг"),    QStringLiteral("Регуляры"), QStringLiteral("Сценарий"),
      QStringLiteral("Системы")};
  return captions.at(page);
}

MainPages BuildMainPages(QWidget* parent, const TViewSettings& view) {
  static const std::array<QString, MainPageCount> names = {
      QStringLiteral("tsStatistics"), QStringLiteral("tsGraphs"),  QStringLiteral("tsCard"),
      QStringLiteral("tsLayout"),     QStringLiteral("tsWeek"),    QStringLiteral("tsStakes"),
      QStringLiteral("tsRatings"),    QStringLiteral("tsTables"),  QStringLiteral("tsScript"),
      QStringLiteral("tsSystems")};
  MainPages pages;
  pages.Tabs = new QTabWidget(parent);
  pages.Tabs->setObjectName(QStringLiteral("pcMain"));
  std::array<QWidget*, MainPageCount> page{};
  for (int i = 0; i < MainPageCount; ++i) {
    page[i] = new QWidget;
    page[i]->setObjectName(names[i]);
    pages.Tabs->addTab(page[i], MainPageCaption(i));
  }
  pages.StatSplit = SplitPage(page[PageStatistics], QStringLiteral("splitStatistics"), QStringLiteral("lvDrawsStat"),
                              QStringLiteral("chartStatistics"), view.DrawsStatHeight);
  pages.LayoutSplit = SplitPage(page[PageLayout], QStringLiteral("splitLayout"), QStringLiteral("sgLayout"),
                                QStringLiteral("pnLayoutCompare"), view.LayoutCompareHeight);
  pages.WeekSplit = SplitPage(page[PageWeek], QStringLiteral("splitWeek"), QStringLiteral("sgWeek"),
                              QStringLiteral("chartWeek"), view.WeekHeight);
  pages.ScriptSplit = SplitPage(page[PageScript], QStringLiteral("splitScript"), QStringLiteral("lvScript"),
                                QStringLiteral("lvOnlineScripts"), view.ScriptLibraryHeight);

  pages.Combinations = new QWidget(parent);
  pages.Combinations->setObjectName(QStringLiteral("tsCombs"));
  pages.FiltersSplit = SplitPage(pages.Combinations, QStringLiteral("splitFilters"), QStringLiteral("lvCombs"),
                                 QStringLiteral("lvFilters"), view.FiltersHeight);
  return pages;
}

void ApplyTabVisibility(const MainPages& pages, const TViewSettings& view) {
  pages.Tabs->setTabVisible(PageGraphs, view.TabGraphs);
  pages.Tabs->setTabVisible(PageCard, view.TabCard);
  pages.Tabs->setTabVisible(PageLayout, view.TabLayout);
  pages.Tabs->setTabVisible(PageWeek, view.TabWeek);
  pages.Tabs->setTabVisible(PageTables, view.TabTables);
  pages.ScriptSplit->widget(1)->setVisible(view.ScriptLibraryOn);
}

void TakePanelSizes(const MainPages& pages, TViewSettings& view) {
  view.DrawsStatHeight = pages.StatSplit->PaneSize();
  view.LayoutCompareHeight = pages.LayoutSplit->PaneSize();
  view.WeekHeight = pages.WeekSplit->PaneSize();
  view.ScriptLibraryHeight = pages.ScriptSplit->PaneSize();
  view.FiltersHeight = pages.FiltersSplit->PaneSize();
}

}  // namespace kavrin::gui
