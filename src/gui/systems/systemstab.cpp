#include "gui/systems/systemstab.h"

#include <QAction>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPainter>
#include <QPixmap>
#include <QSortFilterProxyModel>
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
namespace {

// A disc in the owner's colour (own green, someone else's blue, nobody's grey), filled once
// the system is downloaded, a ring while it is not.
QIcon StateIcon(TSystemRowState state) {
  using enum TSystemRowState;
  if (state == None) return {};
  const bool downloaded = state == OwnDownloaded || state == ForeignDownloaded || state == NoOwnerDownloaded;
  const QColor colour = state == OwnDownloaded || state == Own           ? QColor(0x2E, 0x9E, 0x3F)
                        : state == ForeignDownloaded || state == Foreign ? QColor(0x2F, 0x6F, 0xC8)
                                                                         : QColor(0x80, 0x80, 0x80);
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(colour, 2));
  painter.setBrush(downloaded ? QBrush(colour) : QBrush(Qt::white));
  painter.drawEllipse(QRectF(2.5, 2.5, 11, 11));
  return QIcon(pixmap);
}

const QIcon& CachedStateIcon(TSystemRowState state) {
  static const std::array<QIcon, 7> icons = [] {
    std::array<QIcon, 7> made;
    for (int i = 0; i < 7; ++i) made[i] = StateIcon(static_cast<TSystemRowState>(i));
    return made;
  }();
  return icons.at(static_cast<size_t>(state));
}

}  // namespace

SystemsModel::SystemsModel(const TTemplateMain& main, QObject* parent) : QAbstractTableModel(parent), main_(main) {}

int SystemsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(main_.SystemsRows.size());
}

int SystemsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : SystemsColumnCount; }

QVariant SystemsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const TSystemRow& row = main_.SystemsRows[index.row()];
  const tSystemInfo& info = row.Info;
  switch (role) {
    case Qt::DisplayRole: {
      // A description of several lines shows as one.
      QString text = ToQ(SystemRowCells(row).at(index.column()));
      return text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    }
    case Qt::DecorationRole:
      if (index.column() != 0) return {};
      return CachedStateIcon(SystemRowState(row, main_.Network.UserMail));
    case Qt::UserRole:
      switch (index.column()) {
        case 2: return info.Nums;
        case 3: return info.Block;
        case 4: return info.Combinations;
        case 5: return info.Created;
        case 7: return info.Downloads;
        case 8: return info.LastDownload;
        default: return data(index, Qt::DisplayRole);
      }
    default: return {};
  }
}

QVariant SystemsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return QAbstractTableModel::headerData(section, orientation, role);
  return QString::fromUtf8(SystemsColumnHeaders.at(section));
}

void SystemsModel::Reset() {
  beginResetModel();
  endResetModel();
}

SystemsTab::SystemsTab(MainWindow& window)
    : QWidget(window.Pages().Tabs->widget(PageSystems)), window_(window), main_(window.Main()) {
  setObjectName(QStringLiteral("pnSystems"));
  model_ = new SystemsModel(main_, this);
  sorted_ = new QSortFilterProxyModel(this);
  sorted_->setSourceModel(model_);
  sorted_->setSortRole(Qt::UserRole);
  sorted_->setSortLocaleAware(true);
  buttons_ = new QToolBar(this);
  buttons_->setObjectName(QStringLiteral("tbSystems"));
  buttons_->setToolButtonStyle(Qt::ToolButtonTextOnly);
  list_ = new QTableView(this);
  SetUpList(*list_, QStringLiteral("lvSystems"));
  list_->setModel(sorted_);
  list_->setContextMenuPolicy(Qt::ActionsContextMenu);
  list_->horizontalHeader()->setStretchLastSection(true);
  const std::array<int, SystemsColumnCount> widths = {220, 120, 60, 50, 90, 140, 90, 70, 140, 220, 160};
  for (int i = 0; i < SystemsColumnCount; ++i) list_->horizontalHeader()->resizeSection(i, widths[i]);
  list_->setSortingEnabled(true);
  list_->sortByColumn(SystemsSortColumn, Qt::AscendingOrder);
  connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &SystemsTab::TakeSelection);

  FillPage(parentWidget(), this);
  auto* own = new QVBoxLayout(this);
  own->setContentsMargins(0, 0, 0, 0);
  own->setSpacing(0);
  own->addWidget(buttons_);
  own->addWidget(list_);

  window.AddPage(*this);
  window.WhenActionsBuilt([this](ActionRegistry&) { TakeActions(); });
}

void SystemsTab::TakeActions() {
  // The play commands, too long for buttons, are in the list's menu and the systems menu.
  ActionRegistry& registry = window_.Actions();
  buttons_->addActions(registry.Actions({"SystemsRefresh", "SystemsDownload", "SystemsAdd", "SystemsProp", "SystemsDel"}));
  list_->addActions(registry.Actions({"SystemsRefresh", "SystemsDownload", "SystemsAdd", "SystemsProp", "SystemsDel", "",
                                      "SystemStakeAll", "SystemStakeFilter"}));
  // A double click shows the system's properties.
  if (QAction* properties = window_.Actions().Action("SystemsProp"))
    connect(list_, &QTableView::doubleClicked, properties, [properties] {
      if (properties->isEnabled()) properties->trigger();
    });
}

void SystemsTab::TakeSelection() {
  if (showingSelection_) return;
  // The selected rows in the order the view shows them, as rows of the application object.
  std::vector<int> shown;
  for (const QModelIndex& index : list_->selectionModel()->selectedRows()) shown.push_back(index.row());
  std::sort(shown.begin(), shown.end());
  std::vector<int> rows;
  for (int row : shown) rows.push_back(sorted_->mapToSource(sorted_->index(row, 0)).row());
  main_.SystemsSelection = rows;
  window_.UpdateCommandStates();
}

void SystemsTab::ShowSelection() {
  showingSelection_ = true;
  QItemSelection selection;
  for (int row : main_.SystemsSelection) {
    if (row < 0 || row >= model_->rowCount()) continue;
    const QModelIndex shown = sorted_->mapFromSource(model_->index(row, 0));
    selection.select(shown, shown.siblingAtColumn(SystemsColumnCount - 1));
  }
  list_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
  if (!main_.SystemsSelection.empty() && main_.SystemsSelection.front() < model_->rowCount()) {
    const QModelIndex first = sorted_->mapFromSource(model_->index(main_.SystemsSelection.front(), 0));
    list_->selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    list_->scrollTo(first);
  }
  showingSelection_ = false;
}

void SystemsTab::ViewChanged(TView view) {
  if (view != TView::Systems) return;
  // The rows and the selection come from the application object, not from the reset.
  showingSelection_ = true;
  model_->Reset();
  showingSelection_ = false;
  ShowSelection();
  // Switching system play on brings the tab to the front; the tab, the systems menu and the
  // play commands follow the switch once the window has started.
  QTabWidget* tabs = window_.Pages().Tabs;
  if (window_.Started() && tabs->isTabVisible(PageSystems) != main_.View.SystemsEnabled) {
    window_.Host().ApplyTabVisibility(main_.View, true);
    if (main_.View.SystemsEnabled) tabs->setCurrentIndex(PageSystems);
  }
}

void SystemsTab::RestoreLayout(const TIniFile& ini) {
  RestoreColumns(*list_->horizontalHeader(), ini, MainWindowSection, "lvSystems");
  TListSort sort;
  if (LoadListSort(ini, MainWindowSection, "lvSystems", sort) && sort.Column >= 0 && sort.Column < SystemsColumnCount)
    list_->sortByColumn(sort.Column, sort.Direction == 1 ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void SystemsTab::StoreLayout(TIniFile& ini) const {
  StoreColumns(*list_->horizontalHeader(), ini, MainWindowSection, "lvSystems");
  const QHeaderView& header = *list_->horizontalHeader();
  StoreListSort(ini, MainWindowSection, "lvSystems",
                {header.sortIndicatorSection(), header.sortIndicatorOrder() == Qt::DescendingOrder ? 1 : 0});
}

}  // namespace kavrin::gui
