#include "gui/script/scriptpage.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/commandtable.h"
#include "core/viewsettings.h"
#include "gui/archive/archivetab.h"
#include "gui/common/listview.h"
#include "gui/common/panelayout.h"
#include "gui/common/panesplitter.h"
#include "gui/common/qttext.h"
#include "gui/main/actionregistry.h"
#include "gui/main/mainwindow.h"
#include "gui/main/viewstate.h"
#include "gui/script/scriptmodels.h"
#include "online/scriptview.h"

namespace kavrin::gui {
namespace {

QTableView* ListView(QWidget* parent, const QString& name, QAbstractItemView::SelectionMode mode) {
  auto* view = new QTableView(parent);
  SetUpList(*view, name, mode);
  view->setContextMenuPolicy(Qt::ActionsContextMenu);
  view->horizontalHeader()->setStretchLastSection(true);
  return view;
}

QToolBar* Buttons(QWidget* parent, const QString& name) {
  auto* bar = new QToolBar(parent);
  bar->setObjectName(name);
  bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
  return bar;
}

// A button with a shorter text than its command's menu item: it follows the command's state,
// shows its hint and runs it.
QAction* ShortButton(QAction* command, const QString& text, QObject* owner) {
  auto* button = new QAction(text, owner);
  button->setObjectName(command->objectName() + QStringLiteral("Button"));
  button->setToolTip(command->text());
  button->setEnabled(command->isEnabled());
  QObject::connect(command, &QAction::changed, button, [button, command] { button->setEnabled(command->isEnabled()); });
  QObject::connect(button, &QAction::triggered, command, &QAction::trigger);
  QObject::connect(button, &QAction::hovered, command, &QAction::hover);  // the command's hint
  return button;
}

// Selecting one of the window's lists during a run would change what the run reads.
void SetRunLocked(MainWindow& window, bool locked) {
  window.Archive().setEnabled(!locked);
  window.Pages().Combinations->setEnabled(!locked);
  window.Pages().Tabs->widget(PageStatistics)->setEnabled(!locked);
}

}  // namespace

ScriptPage::ScriptPage(MainWindow& window)
    : QObject(&window), window_(window), main_(window.Main()) {
  const MainPages& pages = window.Pages();
  QWidget* linesPane = pages.ScriptSplit->widget(0);
  catalogPane_ = pages.ScriptSplit->widget(1);

  lineButtons_ = Buttons(linesPane, QStringLiteral("tbScript"));
  lines_ = ListView(linesPane, QStringLiteral("lvScriptLines"), QAbstractItemView::ExtendedSelection);
  linesModel_ = new ScriptLinesModel(main_, this);
  lines_->setModel(linesModel_);
  const QFontMetrics metrics = lines_->fontMetrics();
  lines_->setColumnWidth(0, metrics.horizontalAdvance(QStringLiteral("Комментарии к строке сценария")));
  lines_->setColumnWidth(1, metrics.horizontalAdvance(QStringLiteral("Исходный список; Случайно; Все создаваемые ставки")));
  for (int column = 2; column < ScriptViewColumnCount; ++column)
    lines_->setColumnWidth(column, metrics.horizontalAdvance(QStringLiteral("TMD1#NUMS:30,60#LMV:10#SF:1")));
  connect(lines_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &ScriptPage::TakeLinesSelection);

  auto* statusRow = new QHBoxLayout;
  statusRow->setSpacing(2);
  for (size_t panel = 0; panel < status_.size(); ++panel) {
    auto* label = new QLabel(linesPane);
    label->setObjectName(QStringLiteral("sbScript%1").arg(panel));
    label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    label->setContentsMargins(4, 0, 4, 0);
    if (panel + 1 < status_.size()) label->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("Ставок: 00000")) + 12);
    statusRow->addWidget(label, panel + 1 == status_.size() ? 1 : 0);
    status_[panel] = label;
  }
  QVBoxLayout* linesLayout = PaneLayout(linesPane);
  linesLayout->addWidget(lineButtons_);
  linesLayout->addWidget(lines_, 1);
  linesLayout->addLayout(statusRow);

  catalogButtons_ = Buttons(catalogPane_, QStringLiteral("tbOnlineScripts"));
  filter_ = new QComboBox(catalogPane_);
  filter_->setObjectName(QStringLiteral("cbScriptLibraryFilter"));
  filter_->setToolTip(ToQ(ScriptFilterHint));
  for (const char* item : ScriptFilterItems) filter_->addItem(ToQ(item));
  filter_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  connect(filter_, &QComboBox::activated, this, [this](int index) {
    if (index == main_.View.ScriptLibraryFilter) return;
    if (main_.Busy()) {
      filter_->setCurrentIndex(main_.View.ScriptLibraryFilter);
      return;
    }
    main_.ScriptLibraryFilterChange(index);
    window_.UpdateCommandStates();
  });
  catalog_ = ListView(catalogPane_, QStringLiteral("lvOnlineScriptsView"), QAbstractItemView::SingleSelection);
  catalogModel_ = new ScriptCatalogModel(main_, this);
  catalogSorted_ = new QSortFilterProxyModel(this);
  catalogSorted_->setSourceModel(catalogModel_);
  catalogSorted_->setSortRole(ScriptCatalogModel::SortRole);
  catalogSorted_->setSortCaseSensitivity(Qt::CaseInsensitive);
  catalog_->setModel(catalogSorted_);
  catalog_->setSortingEnabled(true);
  catalog_->sortByColumn(-1, Qt::AscendingOrder);  // the service's order until the user sorts
  const std::array<int, ScriptsColumnCount> widths = {90, 200, 120, 110, 70, 50, 150, 70, 60, 90, 70, 150, 200};
  for (int column = 0; column < ScriptsColumnCount; ++column) catalog_->setColumnWidth(column, widths[column]);
  connect(catalog_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &ScriptPage::TakeCatalogSelection);

  auto* catalogTop = new QHBoxLayout;
  catalogTop->addWidget(filter_);
  catalogTop->addWidget(catalogButtons_, 1);
  QVBoxLayout* catalogLayout = PaneLayout(catalogPane_);
  catalogLayout->addLayout(catalogTop);
  catalogLayout->addWidget(catalog_, 1);

  // The run's status bar and running line follow the run whenever it lets the window process
  // its events.
  WindowHost& host = window.Host();
  host.OnIdle = [this, idle = std::move(host.OnIdle)] {
    if (idle) idle();
    Sync();
  };
  window.WhenActionsBuilt([this](ActionRegistry&) { AttachActions(); });
  Sync();
}

void ScriptPage::AttachActions() {
  ActionRegistry& registry = window_.Actions();
  // After every command: a run that ended, a line appended and selected.
  for (const auto& [name, action] : registry.All()) connect(action, &QAction::triggered, this, &ScriptPage::Sync);
  lineButtons_->addActions(registry.Actions({"ScriptOpen", "ScriptSave", "ScriptLoad", ""}));
  lineButtons_->addAction(ShortButton(registry.Action("ScriptAdd"), QStringLiteral("Добавить"), this));
  lineButtons_->addActions(registry.Actions({"ScriptClone", "ScriptEdit", "ScriptDel"}));
  lineButtons_->addAction(ShortButton(registry.Action("ScriptUp"), QStringLiteral("▲"), this));
  lineButtons_->addAction(ShortButton(registry.Action("ScriptDown"), QStringLiteral("▼"), this));
  QList<QAction*> linesMenu;
  for (const TCommand& c : registry.Commands())
    if (c.ContextMenus & ScriptListMenu) linesMenu << registry.Action(c.Name);
  lines_->addActions(linesMenu);
  QAction* edit = registry.Action("ScriptEdit");
  connect(lines_, &QTableView::doubleClicked, edit, [edit] {
    if (edit->isEnabled()) edit->trigger();
  });

  // The rest of the catalog's commands are in the list's context menu and the menu.
  catalogButtons_->addActions(registry.Actions(
      {"ScriptLibraryRefresh", "", "ScriptLibraryDownload", "ScriptLibraryUpload", "", "ScriptLibraryView"}));
  const std::vector<std::string> rates = {"ScriptLibraryRate1", "ScriptLibraryRate2", "ScriptLibraryRate3",
                                          "ScriptLibraryRate4", "ScriptLibraryRate5", "", "ScriptLibraryRate0",
                                          "ScriptLibraryHide"};
  auto* rateMenu = new QMenu(QStringLiteral("Оценка"), catalog_);
  rateMenu->addActions(registry.Actions(rates));
  auto* rateButton = new QToolButton(catalogButtons_);
  rateButton->setObjectName(QStringLiteral("btScriptRate"));
  rateButton->setText(QStringLiteral("Оценка"));
  rateButton->setToolTip(QStringLiteral("Оценить выделенный сценарий"));
  rateButton->setMenu(rateMenu);
  rateButton->setPopupMode(QToolButton::InstantPopup);
  catalogButtons_->addWidget(rateButton);
  catalog_->addActions(registry.Actions({"ScriptLibraryView", "ScriptLibraryRates", "", "ScriptLibraryDownload",
                                         "ScriptLibraryUpload", "ScriptLibraryReplace", "ScriptLibraryDelete", ""}));
  catalog_->addActions(registry.Actions(rates));
  catalog_->addActions(registry.Actions({"", "ScriptLibraryRefresh"}));
  QAction* view = registry.Action("ScriptLibraryView");
  connect(catalog_, &QTableView::doubleClicked, view, [view] {
    if (view->isEnabled()) view->trigger();
  });
}

void ScriptPage::ViewChanged(TView view) {
  if (view == TView::ScriptLines) {
    linesModel_->Refresh();
    ShowLinesSelection();
    Sync();
  } else if (view == TView::ScriptCatalog) {
    catalogPane_->setVisible(main_.View.ScriptLibraryOn);
    catalogModel_->Refresh();
    ShowCatalogSelection();
  }
}

void ScriptPage::RestoreLayout(const TIniFile& ini) {
  RestoreColumns(*lines_->horizontalHeader(), ini, MainWindowSection, "lvScript");
  RestoreColumns(*catalog_->horizontalHeader(), ini, MainWindowSection, "lvOnlineScripts");
  // Direction 0 ascending, 1 descending; a column outside the list keeps the service's order.
  TListSort sort;
  if (LoadListSort(ini, MainWindowSection, "lvOnlineScripts", sort) && sort.Column >= 0 &&
      sort.Column < ScriptsColumnCount)
    catalog_->sortByColumn(sort.Column, sort.Direction == 1 ? Qt::DescendingOrder : Qt::AscendingOrder);
  const int filter = main_.View.ScriptLibraryFilter;
  filter_->setCurrentIndex(filter >= 0 && filter < filter_->count() ? filter : TViewSettings{}.ScriptLibraryFilter);
}

void ScriptPage::StoreLayout(TIniFile& ini) const {
  StoreColumns(*lines_->horizontalHeader(), ini, MainWindowSection, "lvScript");
  StoreColumns(*catalog_->horizontalHeader(), ini, MainWindowSection, "lvOnlineScripts");
  const QHeaderView& header = *catalog_->horizontalHeader();
  StoreListSort(ini, MainWindowSection, "lvOnlineScripts",
                {header.sortIndicatorSection(), header.sortIndicatorOrder() == Qt::DescendingOrder ? 1 : 0});
}

void ScriptPage::Sync() {
  const TTemplateMain::TScriptStatusBar& bar = main_.ScriptRunState.Status;
  const std::array<const std::string*, 5> texts = {&main_.ScriptLinesStatus, &bar.Cycle, &bar.Line, &bar.Stakes,
                                                   &bar.Text};
  for (size_t panel = 0; panel < status_.size(); ++panel) {
    const QString text = ToQ(*texts[panel]);
    if (status_[panel]->text() != text) status_[panel]->setText(text);
  }
  const bool running = main_.ScriptRunState.Running;
  if (running != running_) {
    running_ = running;
    lines_->setEnabled(!running);
    SetRunLocked(window_, running);
  }
  if (main_.ScriptSelection != shownSelection_) ShowLinesSelection();
  filter_->setEnabled(!main_.Busy());
}

void ScriptPage::TakeLinesSelection() {
  if (showingSelection_) return;
  std::vector<int> rows;
  for (const QModelIndex& row : lines_->selectionModel()->selectedRows()) rows.push_back(row.row());
  std::sort(rows.begin(), rows.end());
  main_.ScriptSelection = rows;
  shownSelection_ = std::move(rows);
  window_.UpdateCommandStates();
}

void ScriptPage::ShowLinesSelection() {
  showingSelection_ = true;
  QItemSelection selection;
  for (int row : main_.ScriptSelection)
    if (row >= 0 && row < linesModel_->rowCount())
      selection.select(linesModel_->index(row, 0), linesModel_->index(row, ScriptViewColumnCount - 1));
  lines_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
  if (!main_.ScriptSelection.empty()) {
    const QModelIndex first = linesModel_->index(main_.ScriptSelection.front(), 0);
    lines_->selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    lines_->scrollTo(first);
  }
  shownSelection_ = main_.ScriptSelection;
  showingSelection_ = false;
}

void ScriptPage::TakeCatalogSelection() {
  if (showingSelection_) return;
  const QModelIndexList rows = catalog_->selectionModel()->selectedRows();
  main_.ScriptsSelected = rows.isEmpty() ? -1 : catalogSorted_->mapToSource(rows.front()).row();
  window_.UpdateCommandStates();
}

void ScriptPage::ShowCatalogSelection() {
  showingSelection_ = true;
  catalog_->clearSelection();
  if (main_.SelectedScript()) {
    const QModelIndex row = catalogSorted_->mapFromSource(catalogModel_->index(main_.ScriptsSelected, 0));
    catalog_->selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    catalog_->scrollTo(row);
  }
  showingSelection_ = false;
}

}  // namespace kavrin::gui
