#include "gui/statistics/statisticspage.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QSpinBox>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <climits>

#include "app/templatemain.h"
#include "core/viewsettings.h"
#include "gui/common/listview.h"
#include "gui/common/panelayout.h"
#include "gui/common/panesplitter.h"
#include "gui/common/qttext.h"
#include "gui/main/actionregistry.h"
#include "gui/main/mainwindow.h"
#include "gui/main/viewstate.h"
#include "gui/statistics/statchart.h"
#include "gui/statistics/statmodel.h"

namespace kavrin::gui {
namespace {

constexpr int ComparisonColumnWidth = 80;

// A check box that shows and triggers a switch command.
void BindSwitch(QCheckBox* box, QAction* action) {
  box->setText(action->text());
  box->setToolTip(action->toolTip());
  const auto show = [box, action] {
    box->setChecked(action->isChecked());
    box->setEnabled(action->isEnabled());
  };
  QObject::connect(box, &QCheckBox::clicked, action, [box, action, show] {
    action->trigger();
    show();  // a refused command leaves the box as the setting is
  });
  QObject::connect(action, &QAction::changed, box, show);
  show();
}

}  // namespace

StatisticsPage::StatisticsPage(MainWindow& window, QWidget* page, PaneSplitter* split)
    : QObject(page),
      window_(window),
      main_(window.Main()),
      model_(new StatModel(main_.StatPage.Table, this)),
      kinds_(new QComboBox(page)),
      length_(new QSpinBox(page)),
      buttons_(new QToolBar(page)),
      sorted_(new QCheckBox(page)),
      fullSet_(new QCheckBox(page)),
      totalLine_(new QCheckBox(page)),
      table_(new QTableView(page)),
      chart_(new StatChartView(page)) {
  kinds_->setObjectName(QStringLiteral("cbStatKind"));
  kinds_->setMaxVisibleItems(30);
  kinds_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  kinds_->setMinimumContentsLength(30);
  auto* kindLabel = new QLabel(QStringLiteral("Вид расчета статистики:"), page);
  kindLabel->setBuddy(kinds_);
  connect(kinds_, &QComboBox::currentIndexChanged, this, [this](int position) {
    main_.StatKindChange(position);
    window_.UpdateCommandStates();
  });

  length_->setObjectName(QStringLiteral("edDrawsStatLen"));
  length_->setRange(1, INT_MAX);
  length_->setValue(main_.StatPage.WindowLength);
  length_->setToolTip(QStringLiteral("Нажмите Enter, чтобы пересчитать статистику"));
  length_->installEventFilter(this);
  auto* lengthLabel = new QLabel(QStringLiteral("Количество тиражей, использующихся для расчета статистики:"), page);
  lengthLabel->setBuddy(length_);

  buttons_->setObjectName(QStringLiteral("tbStatistics"));
  buttons_->setToolButtonStyle(Qt::ToolButtonTextOnly);
  sorted_->setObjectName(QStringLiteral("cbSortedDraws"));
  fullSet_->setObjectName(QStringLiteral("cbFullSet"));
  totalLine_->setObjectName(QStringLiteral("cbTotalLine"));

  auto* kindRow = new QHBoxLayout;
  kindRow->addWidget(kindLabel);
  kindRow->addWidget(kinds_, 1);
  auto* lengthRow = new QHBoxLayout;
  lengthRow->addWidget(lengthLabel);
  lengthRow->addWidget(length_);
  lengthRow->addStretch(1);
  auto* controls = new QVBoxLayout;
  controls->setContentsMargins(4, 4, 4, 0);
  controls->addLayout(kindRow);
  controls->addLayout(lengthRow);
  controls->addWidget(buttons_);
  static_cast<QVBoxLayout*>(page->layout())->insertLayout(0, controls);

  SetUpList(*table_, QStringLiteral("tvDrawsStat"));
  table_->setModel(model_);
  table_->setContextMenuPolicy(Qt::ActionsContextMenu);
  QHeaderView* header = table_->horizontalHeader();
  header->setSectionsClickable(true);
  header->setSortIndicatorShown(true);
  // Every caption whole, with room for the sort mark.
  const QFontMetrics metrics = header->fontMetrics();
  for (int column = 0; column < StatColumnCount; ++column) {
    int width = metrics.horizontalAdvance(ToQ(StatTableCaptions()[column])) + 28;
    if (column >= ColNorm && column <= ColDeviationPercent) width = std::max(width, ComparisonColumnWidth);
    if (column == ColValue) width = std::max(width, metrics.horizontalAdvance(QStringLiteral("00000 (000)")) + 16);
    table_->setColumnWidth(column, width);
  }
  connect(header, &QHeaderView::sectionClicked, this, &StatisticsPage::SortBy);
  connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &StatisticsPage::TakeSelection);
  connect(model_, &QAbstractItemModel::modelReset, this, &StatisticsPage::TakeSelection);
  // The switches the table depends on stay under it, so that the chart keeps the whole height
  // of its pane. In a narrow window they give up width rather than widen the window's tabs.
  auto* switches = new QHBoxLayout;
  switches->setContentsMargins(4, 0, 4, 0);
  for (QCheckBox* box : {sorted_, fullSet_, totalLine_}) box->setMinimumWidth(1);
  switches->addWidget(sorted_);
  switches->addWidget(fullSet_);
  switches->addWidget(totalLine_);
  switches->addStretch(1);
  QVBoxLayout* tablePane = PaneLayout(split->widget(0), 0);
  tablePane->addWidget(table_, 1);
  tablePane->addLayout(switches);
  chart_->setObjectName(QStringLiteral("cvStatistics"));
  PaneLayout(split->widget(1))->addWidget(chart_);

  window.WhenActionsBuilt([this](ActionRegistry&) { TakeActions(); });
}

void StatisticsPage::TakeActions() {
  actionsTaken_ = true;
  const ActionRegistry& actions = window_.Actions();
  buttons_->addActions(actions.Actions(
      {"StatRefresh", "", "StatFilter_Include", "StatFilter_Exclude", "", "StatDescription", "", "StatXlsExport"}));
  table_->addActions(actions.Actions({"StatFilter_Include", "StatFilter_Exclude", "", "StatXlsExport"}));
  // The analysis order of the numbers is the archive's switch; the table follows it too.
  BindSwitch(sorted_, actions.Action("DrawsSorted"));
  BindSwitch(fullSet_, actions.Action("StatFullSet"));
  BindSwitch(totalLine_, actions.Action("StatTotalLine"));
  // The switch changes which columns the table shows even when nothing is recalculated.
  connect(actions.Action("StatFullSet"), &QAction::changed, this, &StatisticsPage::ShowColumns);
  // The favourites command is enabled exactly while nothing runs: the page's own choices wait
  // for a running operation as the commands do.
  connect(actions.Action("StatFavorites"), &QAction::changed, this, &StatisticsPage::FollowBusy);
  FollowBusy();
  Refresh();
}

void StatisticsPage::FollowBusy() {
  const bool idle = !main_.Busy();
  kinds_->setEnabled(idle);
  length_->setEnabled(idle);
  table_->horizontalHeader()->setSectionsClickable(idle);
}

void StatisticsPage::ViewChanged(TView view) {
  if (view == TView::Statistics) Refresh();
}

void StatisticsPage::Refresh() {
  ShowKinds();
  model_->Reset();
  ShowColumns();
  const TStatTable& table = main_.StatPage.Table;
  table_->horizontalHeader()->setSortIndicator(table.SortColumn,
                                               table.SortDescending ? Qt::DescendingOrder : Qt::AscendingOrder);
  chart_->Show(main_.StatPage.Chart);
  const QSignalBlocker block(length_);
  length_->setValue(main_.StatPage.WindowLength);
}

void StatisticsPage::ShowKinds() {
  const TStatKindList& list = main_.StatPage.Kinds;
  const QSignalBlocker block(kinds_);
  bool same = kinds_->count() == static_cast<int>(list.Items.size());
  for (int i = 0; same && i < kinds_->count(); ++i) same = kinds_->itemText(i) == ToQ(list.Items[i].Text);
  if (!same) {
    kinds_->clear();
    for (const TStatKindItem& item : list.Items) kinds_->addItem(ToQ(item.Text));
  }
  kinds_->setCurrentIndex(list.ItemIndex);
}

void StatisticsPage::ShowColumns() {
  const bool fullSet = main_.View.PrefetchsEnabled;
  for (int column = 0; column < StatColumnCount; ++column) {
    const bool shown = StatColumnShown(column, fullSet);
    if (table_->isColumnHidden(column) != !shown) table_->setColumnHidden(column, !shown);
  }
}

void StatisticsPage::SortBy(int column) {
  if (main_.Busy()) return;
  model_->BeginReorder();
  main_.StatPage.Table.ClickColumn(column);
  model_->EndReorder();
  const TStatTable& table = main_.StatPage.Table;
  table_->horizontalHeader()->setSortIndicator(table.SortColumn,
                                               table.SortDescending ? Qt::DescendingOrder : Qt::AscendingOrder);
  TakeSelection();
}

void StatisticsPage::TakeSelection() {
  std::vector<int> rows;
  for (const QModelIndex& row : table_->selectionModel()->selectedRows()) rows.push_back(row.row());
  std::sort(rows.begin(), rows.end());
  main_.StatSelection = std::move(rows);
  if (actionsTaken_) window_.UpdateCommandStates();
}

bool StatisticsPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == length_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      length_->interpretText();
      main_.StatWindowLengthChange(length_->value());
      window_.UpdateCommandStates();
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

void StatisticsPage::RestoreLayout(const TIniFile& ini) {
  RestoreColumns(*table_->horizontalHeader(), ini, MainWindowSection, "lvDrawsStat");
  ShowColumns();
}

void StatisticsPage::StoreLayout(TIniFile& ini) const {
  StoreColumns(*table_->horizontalHeader(), ini, MainWindowSection, "lvDrawsStat");
}

}  // namespace kavrin::gui
