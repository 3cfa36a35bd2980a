#include "gui/combs/combspage.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QSpinBox>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>
#include <limits>

#include "app/commandtable.h"
#include "combs/comblistview.h"
#include "core/viewsettings.h"
#include "gui/combs/celldelegate.h"
#include "gui/combs/combsmodel.h"
#include "gui/combs/historyicons.h"
#include "gui/common/listview.h"
#include "gui/common/panelayout.h"
#include "gui/common/panesplitter.h"
#include "gui/main/actionregistry.h"
#include "gui/main/mainwindow.h"
#include "gui/main/viewstate.h"

namespace kavrin::gui {

CombsPage::CombsPage(MainWindow& window)
    : QObject(window.Pages().Combinations), window_(window), main_(window.Main()),
      model_(new CombsModel(main_, this)), filtersModel_(new FiltersModel(main_.Combs.History, this)),
      buttons_(new QToolBar), excludeButtons_(new QToolBar), exclude_(new QSpinBox), list_(new QTableView),
      filters_(new QTableView) {
  const MainPages& pages = window.Pages();
  buttons_->setObjectName(QStringLiteral("tbCombs"));
  buttons_->setToolButtonStyle(Qt::ToolButtonTextOnly);
  excludeButtons_->setToolButtonStyle(Qt::ToolButtonTextOnly);

  exclude_->setObjectName(QStringLiteral("edDrawsExclude"));
  exclude_->setToolTip(QStringLiteral("Количество последних тиражей, комбинации которых исключаются из списка"));
  exclude_->setRange(0, std::numeric_limits<int>::max());
  exclude_->setValue(main_.View.DrawsExclude);
  connect(exclude_, &QSpinBox::valueChanged, this, [this](int value) {
    main_.View.DrawsExclude = value;
    window_.UpdateCommandStates();
  });
  exclude_->installEventFilter(this);
  auto* excludeRow = new QHBoxLayout;
  excludeRow->setContentsMargins(0, 0, 0, 0);
  excludeRow->addWidget(excludeButtons_);
  excludeRow->addWidget(exclude_, 1);

  SetUpList(*list_, QStringLiteral("lvCombs"));
  list_->horizontalHeader()->setStretchLastSection(true);
  list_->setModel(model_);
  list_->setItemDelegate(new CombCellDelegate(list_));
  list_->setContextMenuPolicy(Qt::ActionsContextMenu);
  const QFontMetrics metrics = list_->fontMetrics();
  list_->setColumnWidth(0, metrics.horizontalAdvance(QStringLiteral("0000000")) + 14);
  for (int column = 1; column < CombListColumnCount - 1; ++column)
    list_->setColumnWidth(column, metrics.horizontalAdvance(QStringLiteral("00")) + 16);
  list_->setColumnWidth(CombListColumnCount - 1, metrics.horizontalAdvance(QStringLiteral("000")) + 16);
  connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &CombsPage::TakeSelection);
  connect(model_, &QAbstractItemModel::modelReset, this, &CombsPage::TakeSelection);

  SetUpList(*filters_, QStringLiteral("lvFilters"), QAbstractItemView::SingleSelection);
  filters_->horizontalHeader()->setStretchLastSection(true);
  filters_->setModel(filtersModel_);
  // Wide enough for the captions, so that "Комбинаций" fits beside them in the panel's width.
  filters_->setColumnWidth(0, metrics.horizontalAdvance(QStringLiteral("Примененные фильтры")) + 30);
  filters_->setColumnWidth(1, metrics.horizontalAdvance(QStringLiteral("00; 00; 00; 00")) + 12);

  QVBoxLayout* listLayout = PaneLayout(pages.FiltersSplit->widget(0));
  listLayout->addWidget(buttons_);
  listLayout->addLayout(excludeRow);
  listLayout->addWidget(list_, 1);
  PaneLayout(pages.FiltersSplit->widget(1))->addWidget(filters_);

  window.AddPage(*this);
  window.WhenActionsBuilt([this](ActionRegistry&) { SetActions(); });
}

QAction* CombsPage::Button(const char* command, const QString& caption) {
  QAction* target = window_.Actions().Action(command);
  auto* button = new QAction(caption, this);
  button->setToolTip(target->toolTip());
  button->setEnabled(target->isEnabled());
  connect(target, &QAction::changed, button, [button, target] { button->setEnabled(target->isEnabled()); });
  connect(button, &QAction::triggered, target, &QAction::trigger);
  connect(button, &QAction::hovered, target, &QAction::hover);
  return button;
}

void CombsPage::SetActions() {
  ActionRegistry& actions = window_.Actions();
  buttons_->addAction(Button("CombsGen", QStringLiteral("Новый")));
  buttons_->addActions(actions.Actions({"CombsOpen", "CombsSave", "", "CombsUndo"}));
  excludeButtons_->addAction(Button("CombsDelExists", QStringLiteral("[-] Тиражи")));

  QList<QAction*> menu;
  for (const TCommand& c : actions.Commands())
    if (c.ContextMenus & CombsListMenu) menu << actions.Action(c.Name);
  menu << actions.Actions({"", "ViewColorCombs"});
  list_->addActions(menu);

  actions.Action("CombsDelSelected")->setIcon(HistoryIcon(THistoryIcon::Exclude));
  actions.Action("CombsUndo")->setIcon(HistoryIcon(THistoryIcon::Undo));
  // Selecting every row is the application object's; the view then shows it.
  connect(actions.Action("CombsSelectAll"), &QAction::triggered, this, &CombsPage::ShowSelection);
  QAction* stake = actions.Action("StakeAdd");
  connect(list_, &QTableView::doubleClicked, this, [stake] {
    if (stake && stake->isEnabled()) stake->trigger();
  });
}

void CombsPage::ViewChanged(TView view) {
  if (view == TView::CombsList) {
    model_->Refresh();
  } else if (view == TView::Filters) {
    filtersModel_->Refresh();
    filters_->scrollToBottom();
  }
}

void CombsPage::RestoreLayout(const TIniFile& ini) {
  RestoreColumns(*list_->horizontalHeader(), ini, MainWindowSection, "lvCombs");
  RestoreColumns(*filters_->horizontalHeader(), ini, MainWindowSection, "lvFilters");
  const QSignalBlocker block(exclude_);
  exclude_->setValue(main_.View.DrawsExclude);
}

void CombsPage::StoreLayout(TIniFile& ini) const {
  StoreColumns(*list_->horizontalHeader(), ini, MainWindowSection, "lvCombs");
  StoreColumns(*filters_->horizontalHeader(), ini, MainWindowSection, "lvFilters");
}

bool CombsPage::eventFilter(QObject* watched, QEvent* event) {
  // Enter in the excluded-draws field removes the combinations of that many last draws.
  if (watched == exclude_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      exclude_->interpretText();
      if (QAction* run = window_.Actions().Action("CombsDelExists"); run && run->isEnabled()) run->trigger();
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

void CombsPage::TakeSelection() {
  TRowSelection selection;
  for (const QItemSelectionRange& range : list_->selectionModel()->selection())
    selection.Select(range.top(), range.bottom());
  main_.CombsSelection = std::move(selection);
  window_.UpdateCommandStates();
}

void CombsPage::ShowSelection() {
  QItemSelection selection;
  for (const TRowSelection::Range& range : main_.CombsSelection.Ranges())
    selection.select(model_->index(range.First, 0), model_->index(range.Last, CombListColumnCount - 1));
  list_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

}  // namespace kavrin::gui
