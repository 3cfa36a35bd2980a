#include "gui/main/mainwindow.h"

#include <QApplication>
#include <algorithm>
#include <QCloseEvent>
#include <QHeaderView>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QLabel>
#include <QTabWidget>
#include <QTableView>

#include "app/appidentity.h"
#include "core/viewsettings.h"
#include "gui/archive/archivetab.h"
#include "gui/common/panesplitter.h"
#include "gui/common/qttext.h"
#include "gui/main/actionregistry.h"
#include "gui/main/viewstate.h"
#include "gui/main/windowcommands.h"
#include "gui/common/modal.h"
#include "gui/help/aboutdialog.h"
#include "gui/help/firstrundialog.h"
#include "gui/settings/configdialog.h"
#include "gui/settings/proxydialog.h"
#include "gui/settings/shreddingdialog.h"
#include "app/links.h"

// The resources of the static GUI library are registered by the program that links it.
static void InitResources() { Q_INIT_RESOURCE(resources); }

namespace kavrin::gui {

MainWindow::MainWindow(const std::string& dataDir, const std::vector<std::string>& arguments)
    : host_(*this), main_(std::make_unique<TFormMain>(host_, dataDir)), switches_(arguments) {
  InitResources();
  setObjectName(QStringLiteral("TFormMain"));
  setWindowTitle(QStringLiteral("Kavrin 5x50"));
  setWindowIcon(QIcon(QStringLiteral(":/kavrin_5x50.svg")));
  resize(1200, 760);
  host_.OnIdle = [this] { UpdateCommandStates(); };
  host_.OnShowTab = [this](const QString& caption) { ShowTab(caption); };
  host_.OnViewChanged = [this](TView view) { ViewChanged(view); };

  main_->LoadViewSettings();
  BuildLayout();
  actions_ = std::make_unique<ActionRegistry>(
      this,
      [this](const QString& hint) {
        // Hints go to the operation panel only while no operation shows its text there.
        if (!main_->Busy()) host_.Panel(PanelOperation)->setText(hint);
      },
      [this] { UpdateCommandStates(); });
  BuildWindowCommands(*this);
  ApplyTabVisibility();
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

MainWindow::~MainWindow() {
  StoreViewState();
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
  leftSplit_->SetPaneSize(main_->View.LeftPanelWidth);
  setCentralWidget(leftSplit_);
  connect(pages_.Tabs, &QTabWidget::currentChanged, this, [this] {
    main_->RefreshViews(false);
    RefreshViews();
  });
  connect(archive_, &ArchiveTab::SelectionChanged, this, &MainWindow::UpdateCommandStates);
}

void MainWindow::Phase2() {
  main_->SetStatus(PanelOperation, "Инициализация...");
  setWindowTitle(windowTitle() + ToQ(" версия " + ApplicationVersion()));
  main_->SetDrawsOffset(0);
  if (!main_->StakesOpenAtStart()) {
    // A second copy on the same folder: nothing is loaded, nothing is stored.
    started_ = true;
    close();
    emit StartupFinished();
    return;
  }
  main_->LoadArchive();
  main_->CombsGenerate(main_->Generate, true);
  main_->RefreshViews(true);
  main_->RatingsLoad();
  main_->TablesLoad();
  main_->ScriptAutoLoad();
  main_->SystemsSetUp();
  main_->ScriptLibraryLoad();
  systemsSetUp_ = true;
  ApplyTabVisibility();
  main_->SetStatus(PanelOperation, "");
  RefreshViews();
  started_ = true;
  UpdateCommandStates();
  if (main_->View.AutoUpdates && main_->SelfUpdateAtStart() == 1 && Restart()) {
    emit StartupFinished();
    return;
  }
  main_->FullSetEnsure(false, {});
  DownloadAtStart();
  if (main_->View.FirstRun) ShowFirstRun();
  RefreshViews();
  UpdateCommandStates();
  emit StartupFinished();
}

void MainWindow::DownloadAtStart() {
  switch (main_->View.DownloadDrawsOnStart) {
    case 0:
      if (!host_.Ask("Обновить список тиражей?\r\rДля выполнения обновления необходимо действующее подключение к сети "
                     "Интернет.",
                     "", true))
        return;
      break;
    case 1:
      break;
    default:
      return;
  }
  main_->DrawsDownloadExecute();
}

void MainWindow::ShowFirstRun() {
  FirstRunDialog dialog(this, helpFile_, FirstRunLinks(main_->Network), [this](const std::string& url) { host_.OpenUrl(url); });
  RunModal(dialog);
  if (dialog.DoNotShowAgain()) {
    main_->View.FirstRun = false;
    main_->StoreViewSetting("FirstRun");
  }
}

bool MainWindow::Restart() {
  if (!QProcess::startDetached(QCoreApplication::applicationFilePath(), {QStringLiteral("restart")},
                               ToQ(ProgramDir()))) {
    host_.ShowError("Ошибка инициализации программы!\r\rНе удалось запустить программу заново.");
    return false;
  }
  close();
  return true;
}

void MainWindow::ApplyTabVisibility() {
  gui::ApplyTabVisibility(pages_, main_->View);
  // The systems tab, menu and play commands appear with phase 2, as the systems are set up.
  const bool systems = systemsSetUp_ && main_->View.SystemsEnabled;
  pages_.Tabs->setTabVisible(PageSystems, systems);
  if (systemsMenu_) systemsMenu_->menuAction()->setVisible(systemsSetUp_);
  for (const char* name : {"SystemStakeAll", "SystemStakeFilter"})
    if (QAction* action = actions_->Action(name)) action->setVisible(systems);
}

void MainWindow::EditConfig() {
  TConfigData config = main_->Config;
  if (EditConfigDialog(this, config)) main_->ConfigConfirm(config);
}

void MainWindow::EditShredding() {
  TShreddingConfig shredding = main_->Shredding;
  if (EditShreddingDialog(this, shredding)) main_->ShreddingConfirm(shredding);
}

void MainWindow::EditProxy() {
  TProxyDialogFields fields = ProxyDialogPrefill(main_->Proxy);
  if (EditProxyDialog(this, fields)) main_->EditProxyApply(fields);
}

void MainWindow::CheckUpdate() {
  if (main_->CheckUpdateExecute() == 1) Restart();
}

void MainWindow::ShowAbout() {
  AboutDialog dialog(this, main_->DataDir());
  RunModal(dialog);
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
  // The views of the other tabs are reset by their own widgets as those tabs are built.
  if (view == TView::DrawsList && archive_) archive_->Refresh();
}

void MainWindow::RefreshViews() { archive_->Refresh(); }

void MainWindow::closeEvent(QCloseEvent* event) {
  if (main_->ScriptRunState.Running && !main_->ScriptRunState.StopRequested) {
    if (!host_.Ask("Остановить выполнение сценария?", "", false)) {
      event->ignore();
      return;
    }
    main_->ScriptStopExecute();
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
