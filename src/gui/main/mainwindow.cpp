#include "gui/main/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTableView>
#include <algorithm>

#include "core/viewsettings.h"
#include "gui/archive/archivetab.h"
#include "gui/combs/combspage.h"
#include "gui/common/panesplitter.h"
#include "gui/common/qttext.h"
#include "gui/main/actionregistry.h"
#include "gui/main/viewstate.h"
#include "gui/main/windowcommands.h"
#include "gui/systems/systemstab.h"
#include "gui/tables/tablestab.h"
#include "gui/rating/ratingspage.h"
#include "gui/stakes/stakespage.h"
#include "gui/script/scriptpage.h"
#include "gui/views/drawviewpages.h"
#include "gui/statistics/statisticspage.h"

// The resources of the static GUI library are registered by the program that links it.
static void InitResources() { Q_INIT_RESOURCE(resources); }

namespace kavrin::gui {

MainWindow::MainWindow(const std::string& dataDir, const std::vector<std::string>& arguments)
    : host_(*this), main_(std::make_unique<TFormMain>(host_, dataDir)) {
  InitResources();
  setObjectName(QStringLiteral("TFormMain"));
  setWindowIcon(QIcon(QStringLiteral(":/kavrin_5x50.svg")));
  resize(1200, 760);
  host_.OnIdle = [this] { UpdateCommandStates(); };
  host_.OnShowTab = [this](const QString& caption) { ShowTab(caption); };
  host_.OnViewChanged = [this](TView view) { ViewChanged(view); };
  host_.OnApplyTabVisibility = [this](const TViewSettings& view, bool menu) { ApplyTabVisibility(view, menu); };
  host_.OnRestoreLayout = [this](const TIniFile& ini) { RestoreLayout(ini); };
  host_.OnStoreLayout = [this](TIniFile& ini) { StoreLayout(ini); };
  // Deferred, so that a quit asked for during start-up or inside a command closes the window
  // once that work has returned.
  host_.OnQuit = [this] { QTimer::singleShot(0, this, [this] { close(); }); };
  host_.ViewSettingsPath = main_->DataPath(ViewSettingsFileName);
  host_.DataDir = main_->DataDir();

  BuildLayout();
  actions_ = std::make_unique<ActionRegistry>(
      this,
      [this](const QString& hint) {
        // Hints go to the operation panel only while no operation shows its text there.
        if (!main_->Busy()) host_.Panel(PanelOperation)->setText(hint);
      },
      [this] { UpdateCommandStates(); });
  BuildWindowCommands(*this);
  for (const auto& take : actionTakers_) take(*actions_);
  actionTakers_.clear();

  main_->Switches = ParseStartSwitches(arguments);
  if (main_->StartPhase1()) {
    startTimer_.setSingleShot(true);
    startTimer_.setInterval(100);
    connect(&startTimer_, &QTimer::timeout, this, &MainWindow::Phase2);
    startTimer_.start();
  } else {
    started_ = true;
  }
  // Command states follow the program between events too: a download or a scenario step
  // changes them without a user action.
  idleTimer_.setInterval(200);
  connect(&idleTimer_, &QTimer::timeout, this, &MainWindow::UpdateCommandStates);
  idleTimer_.start();
}

MainWindow::~MainWindow() {
  ShutDown();
  if (busyCursor_) QApplication::restoreOverrideCursor();
}

void MainWindow::BuildLayout() {
  pages_ = BuildMainPages(this, main_->View);
  left_ = new QTabWidget(this);
  left_->setObjectName(QStringLiteral("pcLeft"));
  archive_ = new ArchiveTab(*main_, left_);
  left_->addTab(archive_, QStringLiteral("Архив тиражей"));
  left_->addTab(pages_.Combinations, QStringLiteral("Комбинации"));
  leftSplit_ = new PaneSplitter(Qt::Horizontal, 0, this);
  leftSplit_->setObjectName(QStringLiteral("splitLeft"));
  leftSplit_->addWidget(left_);
  leftSplit_->addWidget(pages_.Tabs);
  setCentralWidget(leftSplit_);
  connect(pages_.Tabs, &QTabWidget::currentChanged, this, [this] { main_->RefreshViews(false); });
  connect(archive_, &ArchiveTab::SelectionChanged, this, &MainWindow::UpdateCommandStates);
  // The pages of the main tab set and the combination page, each filled by its own folder.
  new TablesTab(*this);
  new SystemsTab(*this);
  AddPage(*new StakesPage(*this, pages_.Tabs->widget(PageStakes)));
  AddPage(*new RatingsPage(*this, pages_.Tabs->widget(PageRatings)));
  AddPage(*new ScriptPage(*this));
  AddDrawViewPages(*this);
  new CombsPage(*this);
  AddPage(*new StatisticsPage(*this, pages_.Tabs->widget(PageStatistics), pages_.StatSplit));
}

void MainWindow::RestoreLayout(const TIniFile& ini) {
  RestorePlacement(*this, ini, MainWindowSection);
  const TViewSettings& view = main_->View;
  // Until the user sets the panel's width, it shows the whole archive list.
  leftSplit_->SetPaneSize(ini.ValueExists(MainWindowSection, "LeftPanelWidth")
                              ? view.LeftPanelWidth
                              : std::max(view.LeftPanelWidth, archive_->WidthForAllColumns()));
  pages_.StatSplit->SetPaneSize(view.DrawsStatHeight);
  pages_.LayoutSplit->SetPaneSize(view.LayoutCompareHeight);
  pages_.WeekSplit->SetPaneSize(view.WeekHeight);
  pages_.ScriptSplit->SetPaneSize(view.ScriptLibraryHeight);
  pages_.FiltersSplit->SetPaneSize(view.FiltersHeight);
  RestoreColumns(*archive_->List()->horizontalHeader(), ini, MainWindowSection, "lvDraws");
  for (ViewPage* page : viewPages_) page->RestoreLayout(ini);
}

void MainWindow::StoreLayout(TIniFile& ini) {
  StorePlacement(*this, ini, MainWindowSection);
  StoreColumns(*archive_->List()->horizontalHeader(), ini, MainWindowSection, "lvDraws");
  for (const ViewPage* page : viewPages_) page->StoreLayout(ini);
}

void MainWindow::ApplyTabVisibility(const TViewSettings& view, bool systemsMenuShown) {
  gui::ApplyTabVisibility(pages_, view);
  const bool systems = systemsMenuShown && view.SystemsEnabled;
  pages_.Tabs->setTabVisible(PageSystems, systems);
  if (systemsMenu_) systemsMenu_->menuAction()->setVisible(systemsMenuShown);
  for (const char* name : {"SystemStakeAll", "SystemStakeFilter"})
    if (QAction* action = actions_ ? actions_->Action(name) : nullptr) action->setVisible(systems);
}

void MainWindow::Phase2() {
  main_->StartPhase2();
  started_ = true;
  UpdateCommandStates();
  emit StartupFinished();
}

void MainWindow::UpdateCommandStates() {
  actions_->UpdateStates();
  const bool busy = main_->Busy();
  if (busy != busyCursor_) {
    if (busy) QApplication::setOverrideCursor(Qt::WaitCursor);
    else QApplication::restoreOverrideCursor();
    busyCursor_ = busy;
  }
}

void MainWindow::ViewChanged(TView view) {
  if (view == TView::DrawsList && archive_) archive_->Refresh();
  for (ViewPage* page : viewPages_) page->ViewChanged(view);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!main_->QuitRequested() && !main_->CloseQuery()) {
    event->ignore();
    return;
  }
  ShutDown();
  event->accept();
}

void MainWindow::ShutDown() {
  if (shutDown_) return;
  shutDown_ = true;
  TViewSettings& view = main_->View;
  view.LeftPanelWidth = leftSplit_->PaneSize();
  TakePanelSizes(pages_, view);
  main_->ShutDown();
}

void MainWindow::ShowTab(const QString& caption) {
  for (int i = 0; i < pages_.Tabs->count(); ++i)
    if (pages_.Tabs->tabText(i) == caption) pages_.Tabs->setCurrentIndex(i);
}

}  // namespace kavrin::gui
