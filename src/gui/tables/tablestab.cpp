#include "gui/tables/tablestab.h"

#include <QAction>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

#include "core/viewsettings.h"
#include "gui/common/listview.h"
#include "gui/common/panelayout.h"
#include "gui/common/qttext.h"
#include "gui/main/actionregistry.h"
#include "gui/main/mainwindow.h"
#include "gui/main/viewstate.h"

namespace kavrin::gui {

TablesModel::TablesModel(const TTemplateMain& main, QObject* parent) : QAbstractTableModel(parent), main_(main) {}

int TablesModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(main_.Tables.size());
}

int TablesModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : TablesColumnCount; }

QVariant TablesModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
  return ToQ(TablesRowCells(main_.Tables[index.row()]).at(index.column()));
}

QVariant TablesModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return QAbstractTableModel::headerData(section, orientation, role);
  return ToQ(TablesCaptions().at(section));
}

void TablesModel::Reset() {
  beginResetModel();
  endResetModel();
}

TablesTab::TablesTab(MainWindow& window)
    : QWidget(window.Pages().Tabs->widget(PageTables)), window_(window), main_(window.Main()) {
  setObjectName(QStringLiteral("pnTables"));
  model_ = new TablesModel(main_, this);
  buttons_ = new QToolBar(this);
  buttons_->setObjectName(QStringLiteral("tbTables"));
  buttons_->setToolButtonStyle(Qt::ToolButtonTextOnly);
  list_ = new QTableView(this);
  SetUpList(*list_, QStringLiteral("lvTables"));
  list_->setModel(model_);
  list_->setContextMenuPolicy(Qt::ActionsContextMenu);
  list_->horizontalHeader()->setStretchLastSection(true);
  const std::array<int, TablesColumnCount> widths = {260, 170, 60, 170, 80};
  for (int i = 0; i < TablesColumnCount; ++i) list_->horizontalHeader()->resizeSection(i, widths[i]);
  connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &TablesTab::TakeSelection);

  FillPage(parentWidget(), this);
  auto* own = new QVBoxLayout(this);
  own->setContentsMargins(0, 0, 0, 0);
  own->setSpacing(0);
  own->addWidget(buttons_);
  own->addWidget(list_);

  window.AddPage(*this);
  window.WhenActionsBuilt([this](ActionRegistry&) { TakeActions(); });
}

void TablesTab::TakeActions() {
  const QList<QAction*> actions =
      window_.Actions().Actions({"TablesAdd", "TablesDel", "TablesStakeAdd", "TablesStakeTest"});
  buttons_->addActions(actions);
  list_->addActions(actions);
}

void TablesTab::TakeSelection() {
  if (showingSelection_) return;
  std::vector<int> rows;
  for (const QModelIndex& index : list_->selectionModel()->selectedRows()) rows.push_back(index.row());
  std::sort(rows.begin(), rows.end());
  main_.TablesSelection = rows;
  window_.UpdateCommandStates();
}

void TablesTab::ShowSelection() {
  showingSelection_ = true;
  QItemSelection selection;
  for (int row : main_.TablesSelection)
    selection.select(model_->index(row, 0), model_->index(row, TablesColumnCount - 1));
  list_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
  if (!main_.TablesSelection.empty()) {
    const QModelIndex last = model_->index(main_.TablesSelection.back(), 0);
    list_->selectionModel()->setCurrentIndex(last, QItemSelectionModel::NoUpdate);
    list_->scrollTo(last);
  }
  showingSelection_ = false;
}

void TablesTab::ViewChanged(TView view) {
  if (view != TView::Tables) return;
  // The rows and the selection come from the application object, not from the reset.
  showingSelection_ = true;
  model_->Reset();
  showingSelection_ = false;
  ShowSelection();
}

void TablesTab::RestoreLayout(const TIniFile& ini) {
  RestoreColumns(*list_->horizontalHeader(), ini, MainWindowSection, "lvTables");
}

void TablesTab::StoreLayout(TIniFile& ini) const {
  StoreColumns(*list_->horizontalHeader(), ini, MainWindowSection, "lvTables");
}

}  // namespace kavrin::gui
