#include "gui/stakes/stakespage.h"

#include <QAction>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenu>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

#include "core/inifile.h"
#include "core/viewsettings.h"
#include "gui/common/listview.h"
#include "gui/common/panelayout.h"
#include "gui/main/actionregistry.h"
#include "gui/main/mainwindow.h"
#include "gui/main/viewstate.h"
#include "gui/stakes/stakesdelegate.h"
#include "gui/stakes/stakesmodel.h"

namespace kavrin::gui {
namespace {

constexpr char GridName[] = "sgStakes";

// Two rows of buttons, so that every caption shows beside the archive panel.
const std::vector<std::string> ButtonCommands[] = {
    {"StakeAdd", "StakeAddRandom", "", "StakesCheckManual", "", "StakesXlsExport"},
    {"StakeDel", "StakeFilter", "StakeClear"}};
// clang-format off
const std::vector<std::string> MenuCommands = {
    "StakeAdd", "StakeAddRandom", "StakeAddSelected", "StakeAddAll", "",
    "StakeDel", "StakeFilter", "StakeClear", "",
    "StakesCheckManual", "StakesGraphDraws", "",
    "LogStakes", "StakesScroll", "StakesCheckLine", "LogStakesDelete", "",
    "StakesXlsExport"};
// clang-format on

}  // namespace

StakesPage::StakesPage(MainWindow& window, QWidget* page)
    : QWidget(page), window_(window), model_(new StakesModel(window.Main(), this)), grid_(new QTableView(this)) {
  setObjectName(QStringLiteral("pnStakes"));
  for (size_t row = 0; row < buttons_.size(); ++row) {
    buttons_[row] = new QToolBar(this);
    buttons_[row]->setObjectName(QStringLiteral("tbStakes%1").arg(row + 1));
    buttons_[row]->setToolButtonStyle(Qt::ToolButtonTextOnly);
  }

  SetUpList(*grid_, QString::fromLatin1(GridName));
  grid_->setModel(model_);
  grid_->setItemDelegate(new StakesDelegate(grid_));
  grid_->setContextMenuPolicy(Qt::CustomContextMenu);
  for (int column = 0; column < StakesColumnCount; ++column) grid_->setColumnWidth(column, StakesColumnWidths[column]);
  // The default widths are those of the program's first version; the header captions must fit.
  const QFontMetrics header = grid_->horizontalHeader()->fontMetrics();
  for (int column = 0; column < StakesColumnCount - 1; ++column) {
    const QString caption = model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    grid_->setColumnWidth(column, std::max(grid_->columnWidth(column), header.horizontalAdvance(caption) + 16));
  }
  connect(grid_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &StakesPage::TakeSelection);
  connect(grid_, &QTableView::customContextMenuRequested, this, &StakesPage::ShowContextMenu);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  for (QToolBar* buttons : buttons_) layout->addWidget(buttons);
  layout->addWidget(grid_, 1);
  FillPage(page, this);
  window.WhenActionsBuilt([this](ActionRegistry& actions) { TakeActions(actions); });
}

void StakesPage::TakeActions(const ActionRegistry& actions) {
  for (size_t row = 0; row < buttons_.size(); ++row) buttons_[row]->addActions(actions.Actions(ButtonCommands[row]));
  menuActions_ = actions.Actions(MenuCommands);
}

void StakesPage::ShowContextMenu(const QPoint& position) {
  QMenu menu(this);
  menu.setToolTipsVisible(true);
  menu.addActions(menuActions_);
  menu.exec(grid_->viewport()->mapToGlobal(position));
}

void StakesPage::ViewChanged(TView view) {
  if (view != TView::Stakes) return;
  model_->Refresh();
  ShowSelection();
}

void StakesPage::TakeSelection() {
  if (applyingSelection_) return;
  std::vector<int64_t> records;
  for (const QItemSelectionRange& range : grid_->selectionModel()->selection())
    for (int row = range.top(); row <= range.bottom(); ++row) records.push_back(row);
  std::sort(records.begin(), records.end());
  records.erase(std::unique(records.begin(), records.end()), records.end());
  window_.Main().StakesSelection = std::move(records);
  window_.UpdateCommandStates();
}

void StakesPage::ShowSelection() {
  const std::vector<int64_t>& records = window_.Main().StakesSelection;
  QItemSelection selection;
  // Runs of adjacent records become one range each.
  for (size_t start = 0; start < records.size();) {
    size_t end = start;
    while (end + 1 < records.size() && records[end + 1] == records[end] + 1) ++end;
    if (records[end] < model_->rowCount())
      selection.select(model_->index(static_cast<int>(records[start]), 0),
                       model_->index(static_cast<int>(records[end]), StakesColumnCount - 1));
    start = end + 1;
  }
  applyingSelection_ = true;
  grid_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
  applyingSelection_ = false;
  if (!records.empty() && records.back() < model_->rowCount()) {
    const QModelIndex last = model_->index(static_cast<int>(records.back()), 0);
    grid_->selectionModel()->setCurrentIndex(last, QItemSelectionModel::NoUpdate);
    grid_->scrollTo(last);
  }
}

void StakesPage::RestoreLayout(const TIniFile& ini) {
  RestoreColumns(*grid_->horizontalHeader(), ini, MainWindowSection, GridName);
}

void StakesPage::StoreLayout(TIniFile& ini) const {
  StoreColumns(*grid_->horizontalHeader(), ini, MainWindowSection, GridName);
}

}  // namespace kavrin::gui
