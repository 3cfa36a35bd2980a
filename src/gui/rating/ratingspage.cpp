#include "gui/rating/ratingspage.h"

#include <QAction>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenu>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/inifile.h"
#include "core/viewsettings.h"
#include "gui/common/listview.h"
#include "gui/common/panelayout.h"
#include "gui/main/actionregistry.h"
#include "gui/main/mainwindow.h"
#include "gui/main/viewstate.h"
#include "gui/rating/ratingsmodel.h"

namespace kavrin::gui {
namespace {

constexpr char ListName[] = "lvRatings";

// Two rows of buttons, so that every caption shows beside the archive panel; the efficiency
// modes follow the second. The spreadsheet export is in the menus only.
const std::vector<std::string> ButtonCommands[] = {
    {"StakesGraphDraws", "StakesGraphOverlap", "StakesGraphProfits", "RatingsGraphOverlap"},
    {"RatingsRefresh", "RatingsToScript", "", "RatingsExport"}};
const std::vector<std::string> EffModeCommands = {"RatingsEffMode0", "RatingsEffMode1", "RatingsEffMode2"};
const std::vector<std::string> MenuCommands = {
    "RatingsGraphOverlap", "StakesGraphOverlap", "StakesGraphProfits", "", "RatingsToScript", "",
    "RatingsEffMode0",     "RatingsEffMode1",    "RatingsEffMode2",    "", "RatingsRefresh",  "RatingsExport",
    "RatingsXlsExport"};

}  // namespace

RatingsPage::RatingsPage(MainWindow& window, QWidget* page)
    : QWidget(page),
      window_(window),
      model_(new RatingsModel(window.Main(), this)),
      effModes_(new QToolButton(this)),
      list_(new QTableView(this)) {
  setObjectName(QStringLiteral("pnRatings"));
  for (size_t row = 0; row < buttons_.size(); ++row) {
    buttons_[row] = new QToolBar(this);
    buttons_[row]->setObjectName(QStringLiteral("tbRatings%1").arg(row + 1));
    buttons_[row]->setToolButtonStyle(Qt::ToolButtonTextOnly);
  }
  effModes_->setObjectName(QStringLiteral("btEffModes"));
  effModes_->setText(QStringLiteral("Эффективность"));
  effModes_->setToolTip(QStringLiteral("Что показывают столбцы E0..E5"));
  effModes_->setPopupMode(QToolButton::InstantPopup);

  SetUpList(*list_, QString::fromLatin1(ListName));
  list_->setModel(model_);
  list_->setContextMenuPolicy(Qt::CustomContextMenu);
  QHeaderView* header = list_->horizontalHeader();
  header->setSectionsClickable(true);
  header->setSortIndicatorShown(true);
  const QFontMetrics metrics = list_->fontMetrics();
  list_->setColumnWidth(0, 260);
  // Room for the widest money and the caption with its sort arrow.
  for (int column = 1; column < RatingsColumnCount; ++column) {
    const QString caption = model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    list_->setColumnWidth(column, std::max(metrics.horizontalAdvance(QStringLiteral("-0000.00")) + 12,
                                           header->fontMetrics().horizontalAdvance(caption) + 24));
  }
  connect(header, &QHeaderView::sectionClicked, this, &RatingsPage::SortBy);
  connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &RatingsPage::TakeSelection);
  connect(list_, &QTableView::customContextMenuRequested, this, &RatingsPage::ShowContextMenu);
  connect(list_, &QTableView::doubleClicked, this, [this] {
    QAction* graph = window_.Actions().Action("RatingsGraphOverlap");
    if (graph && window_.Main().RatingsGraphOverlapUpdate()) graph->trigger();
  });
  ShowSortIndicator();

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  for (QToolBar* buttons : buttons_) layout->addWidget(buttons);
  layout->addWidget(list_, 1);
  FillPage(page, this);
  window.WhenActionsBuilt([this](ActionRegistry& actions) { TakeActions(actions); });
}

void RatingsPage::TakeActions(const ActionRegistry& actions) {
  for (size_t row = 0; row < buttons_.size(); ++row) buttons_[row]->addActions(actions.Actions(ButtonCommands[row]));
  auto* modes = new QMenu(effModes_);
  modes->setToolTipsVisible(true);
  modes->addActions(actions.Actions(EffModeCommands));
  effModes_->setMenu(modes);
  buttons_.back()->addSeparator();
  buttons_.back()->addWidget(effModes_);
  menuActions_ = actions.Actions(MenuCommands);
}

void RatingsPage::ShowContextMenu(const QPoint& position) {
  QMenu menu(this);
  menu.setToolTipsVisible(true);
  menu.addActions(menuActions_);
  menu.exec(list_->viewport()->mapToGlobal(position));
}

void RatingsPage::SortBy(int column) {
  TTemplateMain& main = window_.Main();
  if (main.Busy()) {
    ShowSortIndicator();
    return;
  }
  // The same column again turns the order round; another column starts ascending.
  const TListSort& sort = main.RatingsSortOrder;
  const int direction = column == sort.Column ? 1 - sort.Direction : 0;
  // The rows move: a selection by row number would name other rows afterwards.
  list_->clearSelection();
  main.RatingsSort(column, direction);
  window_.UpdateCommandStates();
}

void RatingsPage::ShowSortIndicator() {
  const TListSort& sort = window_.Main().RatingsSortOrder;
  list_->horizontalHeader()->setSortIndicator(sort.Column,
                                              sort.Direction == 1 ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void RatingsPage::ViewChanged(TView view) {
  if (view != TView::Ratings) return;
  model_->Refresh();
  ShowSortIndicator();
  ShowSelection();
}

void RatingsPage::TakeSelection() {
  if (applyingSelection_) return;
  std::vector<int> rows;
  for (const QModelIndex& index : list_->selectionModel()->selectedRows()) rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  window_.Main().RatingsSelection = std::move(rows);
  window_.UpdateCommandStates();
}

void RatingsPage::ShowSelection() {
  QItemSelection selection;
  for (int row : window_.Main().RatingsSelection)
    if (row < model_->rowCount()) selection.select(model_->index(row, 0), model_->index(row, RatingsColumnCount - 1));
  applyingSelection_ = true;
  list_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
  applyingSelection_ = false;
}

void RatingsPage::RestoreLayout(const TIniFile& ini) {
  RestoreColumns(*list_->horizontalHeader(), ini, MainWindowSection, ListName);
  ShowSortIndicator();
}

void RatingsPage::StoreLayout(TIniFile& ini) const {
  StoreColumns(*list_->horizontalHeader(), ini, MainWindowSection, ListName);
}

}  // namespace kavrin::gui
