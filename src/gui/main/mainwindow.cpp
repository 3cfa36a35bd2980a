#include "gui/main/mainwindow.h"

#include <QApplication>
#include <algorithm>
#include <QCloseEvent>
#include <QHeaderView>
#include <QIcon>
#include <QMenuBar>
#include <QTabWidget>
#include <QTableView>

#include "app/appidentity.h"
#include "core/viewsettings.h"
#include "gui/archive/archivetab.h"
#include "gui/common/panesplitter.h"
#include "gui/common/qttext.h"
#include "gui/main/actionregistry.h"
#include "gui/main/viewstate.h"

// The resources of the static GUI library are registered by the program that links it.
static void InitResources() { Q_INIT_RESOURCE(resources); }

namespace kavrin::gui {

MainWindow::MainWindow(const std::string& dataDir, const std::vector<std::string>& arguments)
    : host_(*this), main_(std::make_unique<TFormMain>(host_, dataDir)) {
  InitResources();
  setObjectName(QStringLiteral("TFormMain"));
  setWindowTitle(QStringLiteral("Kavrin 5x50"));
  setWindowIcon(QIcon(QStringLiteral(":/kavrin_5x50.svg")));
  resize(1200, 760);
  host_.OnIdle = [this] { UpdateCommandStates(); };
  host_.OnShowTab = [this](const QString& caption) { ShowTab(caption); };

  main_->LoadViewSettings();
  BuildLayout();
  actions_ = std::make_unique<ActionRegistry>(*this);
  BuildMenus();
  try {
    TIniFile ini(main_->DataPath(ViewSettingsFileName));
    RestorePlacement(*this, ini, MainWindowSection);
    // Until the user sets the panel's width, it shows the whole archive list.
    if (!ini.ValueExists(MainWindowSection, "LeftPanelWidth"))
      leftSplit_->SetPaneSize(std::max(main_->View.LeftPanelWidth, archive_->WidthForAllColumns()));
    RestoreColumns(*archive_->List()->horizontalHeader(), ini, MainWindowSection, "lvDraws");
  } catch (const std::exception& e) {
    host_.ShowError(std::string("Ошибка загрузки параметров программы!\r\r") + e.what());
  }
  main_->LoadConfig();
  main_->InitStatistics();

  startTimer_.setSingleShot(true);
  startTimer_.setInterval(100);
  connect(&startTimer_, &QTimer::timeout, this, &MainWindow::Phase2);
  startTimer_.start();
  // Command states follow the program between events too: a download or a scenario step
  // changes them without a user action.
  idleTimer_.setInterval(200);
  connect(&idleTimer_, &QTimer::timeout, this, &MainWindow::UpdateCommandStates);
  idleTimer_.start();
}

MainWindow::~MainWindow() { StoreViewState(); }

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
  leftSplit_->SetPaneSize(main_->View.LeftPanelWidth);
  setCentralWidget(leftSplit_);
  ApplyTabVisibility(pages_, main_->View);
  // The systems tab appears with phase 2, as the systems are set up.
  pages_.Tabs->setTabVisible(PageSystems, false);
  connect(pages_.Tabs, &QTabWidget::currentChanged, this, [this] {
    main_->RefreshViews(false);
    RefreshViews();
  });
  connect(archive_, &ArchiveTab::SelectionChanged, this, &MainWindow::UpdateCommandStates);
}

void MainWindow::BuildMenus() { actions_->BuildMenus(); }

void MainWindow::Phase2() {
  main_->SetStatus(PanelOperation, "Инициализация...");
  setWindowTitle(windowTitle() + ToQ(" версия " + ApplicationVersion()));
  if (main_->StakesOpenAtStart()) {
    main_->LoadArchive();
    main_->SetDrawsOffset(0);
    main_->CombsGenerate(main_->Generate, true);
    main_->RefreshViews(true);
    main_->RatingsLoad();
    main_->TablesLoad();
    main_->ScriptAutoLoad();
    pages_.Tabs->setTabVisible(PageSystems, main_->View.SystemsEnabled);
    main_->SetStatus(PanelOperation, "");
  } else {
    close();
  }
  RefreshViews();
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

void MainWindow::RefreshViews() { archive_->Refresh(); }

void MainWindow::closeEvent(QCloseEvent* event) {
  if (main_->ScriptRunState.Running && !main_->ScriptRunState.StopRequested) {
    event->ignore();
    return;
  }
  StoreViewState();
  event->accept();
}

void MainWindow::StoreViewState() {
  if (stored_ || !started_) return;
  stored_ = true;
  TViewSettings& view = main_->View;
  view.LeftPanelWidth = leftSplit_->PaneSize();
  TakePanelSizes(pages_, view);
  main_->SaveViewSettingsAtExit();
  try {
    TIniFile ini(main_->DataPath(ViewSettingsFileName));
    StorePlacement(*this, ini, MainWindowSection);
    StoreColumns(*archive_->List()->horizontalHeader(), ini, MainWindowSection, "lvDraws");
    ini.UpdateFile();
  } catch (const std::exception& e) {
    host_.ShowError(std::string("Ошибка сохранения параметров программы!\r\r") + e.what());
  }
}

void MainWindow::ShowTab(const QString& caption) {
  for (int i = 0; i < pages_.Tabs->count(); ++i)
    if (pages_.Tabs->tabText(i) == caption) pages_.Tabs->setCurrentIndex(i);
}

}  // namespace kavrin::gui
