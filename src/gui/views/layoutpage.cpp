#include "gui/views/layoutpage.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/viewsettings.h"
#include "gui/common/qttext.h"
#include "gui/main/mainwindow.h"
#include "gui/views/pagetools.h"
#include "gui/views/viewgrid.h"

namespace kavrin::gui {
namespace {

constexpr char DepthHint[] = "Количество тиражей, использующихся для расчета статистики";

// A list sorted by the column whose header is clicked, each click turning the order round; rows
// stay in their order of creation until then.
QTreeWidget* MakeCompareList(int list, QWidget* parent) {
  auto* tree = new QTreeWidget(parent);
  tree->setObjectName(QStringLiteral("lvLayoutCompare%1").arg(list + 1));
  tree->setRootIsDecorated(false);
  tree->setUniformRowHeights(true);
  tree->setColumnCount(2);
  tree->setHeaderLabels({ToQ(CompareCountCaption), QString()});
  tree->header()->setSectionsClickable(true);
  tree->header()->setStretchLastSection(true);
  tree->setColumnWidth(0, tree->fontMetrics().horizontalAdvance(ToQ(CompareCountCaption)) + 16);
  QObject::connect(tree->header(), &QHeaderView::sectionClicked, tree, [tree](int column) {
    const bool again = tree->header()->isSortIndicatorShown() && tree->header()->sortIndicatorSection() == column;
    const Qt::SortOrder order = again && tree->header()->sortIndicatorOrder() == Qt::AscendingOrder
                                    ? Qt::DescendingOrder
                                    : Qt::AscendingOrder;
    tree->header()->setSortIndicatorShown(true);
    tree->header()->setSortIndicator(column, order);
    tree->sortItems(column, order);
  });
  return tree;
}

}  // namespace

LayoutPage::LayoutPage(MainWindow& window, QWidget* schemaPane, QWidget* comparePane)
    : QObject(schemaPane), window_(window),
      depth_(new DepthField(QStringLiteral("edLayoutLen"), ToQ(DepthHint), schemaPane)) {
  TTemplateMain& main = window.Main();
  TDrawViews& views = main.DrawViews;
  grid_ = new ViewGrid(QStringLiteral("sgLayoutGrid"),
                       {[&views] { return views.Schema().Rows(); }, [&views] { return views.Schema().Columns(); },
                        [&views](int row, int column) { return views.Schema().Cell(row, column); },
                        [&main, &views](int row, int column) {
                          return SchemaCellColor(views.Schema(), row, column, main.View.LayoutGradient, false);
                        }},
                       schemaPane);
  grid_->verticalHeader()->setFixedWidth(SchemaHeaderColumnWidth);
  connect(grid_, &ViewGrid::SelectionChanged, this, [this](const TGridRect& selection) {
    window_.Main().DrawViews.LayoutSelection = selection;
    window_.UpdateCommandStates();
  });
  connect(depth_, &DepthField::Entered, this, [&views](int depth) { views.LayoutLenEnter(depth); });

  QToolBar* tools = PageToolBar(QStringLiteral("tbLayout"), schemaPane);
  tools->addWidget(new QLabel(QStringLiteral("Тиражей: "), schemaPane));
  tools->addWidget(depth_);
  AddWindowActions(window, tools,
                   {"LayoutCalc", "ViewShemaGradient", "", "LayoutFilter_Include", "LayoutFilter_Exclude", "",
                    "LayoutXlsExport"});
  AddWindowActions(window, grid_, {"LayoutFilter_Include", "LayoutFilter_Exclude", "", "LayoutXlsExport"});
  auto* schemaLayout = new QVBoxLayout(schemaPane);
  schemaLayout->setContentsMargins(2, 2, 2, 0);
  schemaLayout->addWidget(tools);
  schemaLayout->addWidget(grid_, 1);

  // The comparison lists share the panel's width equally.
  auto* lists = new QSplitter(Qt::Horizontal, comparePane);
  lists->setObjectName(QStringLiteral("splitLayoutCompare"));
  lists->setChildrenCollapsible(false);
  for (int i = 0; i < CompareListCount; ++i) {
    auto* column = new QWidget(lists);
    compareDepths_[i] = new DepthField(QStringLiteral("edLayoutCompareLen%1").arg(i + 1),
                                       ToQ(std::string(DepthHint) + " в списке " + std::to_string(i + 1)), column);
    connect(compareDepths_[i], &DepthField::Entered, this,
            [&views, i](int depth) { views.LayoutCompareLenEnter(i, depth); });
    lists_[i] = MakeCompareList(i, column);
    auto* columnLayout = new QVBoxLayout(column);
    columnLayout->setContentsMargins(0, 0, 0, 0);
    auto* depthRow = new QHBoxLayout;
    depthRow->addWidget(new QLabel(QStringLiteral("%1:").arg(i + 1), column));
    depthRow->addWidget(compareDepths_[i], 1);
    columnLayout->addLayout(depthRow);
    columnLayout->addWidget(lists_[i], 1);
    lists->addWidget(column);
    lists->setStretchFactor(i, 1);
  }
  QToolBar* compareTools = PageToolBar(QStringLiteral("tbLayoutCompare"), comparePane);
  compareTools->addWidget(new QLabel(QStringLiteral("Списки сравнения, тиражей в каждом "), comparePane));
  AddWindowActions(window, compareTools, {"LayoutCmpCalc"});
  auto* compareLayout = new QVBoxLayout(comparePane);
  compareLayout->setContentsMargins(2, 0, 2, 2);
  compareLayout->setSpacing(0);
  compareLayout->addWidget(compareTools);
  compareLayout->addWidget(lists, 1);
}

void LayoutPage::RestoreLayout(const TIniFile&) {
  const TViewSettings& view = window_.Main().View;
  depth_->setValue(view.LayoutLen);
  for (int i = 0; i < CompareListCount; ++i) compareDepths_[i]->setValue(view.LayoutCompareLen[i]);
}

void LayoutPage::ViewChanged(TView view) {
  if (view == TView::Layout) ShowSchema();
  if (view == TView::LayoutCompare) ShowCompareLists();
}

void LayoutPage::ShowSchema() {
  grid_->Refresh();
  // Columns of at least SchemaColumnWidth, widened to their longest text.
  const TSchemaGrid& schema = window_.Main().DrawViews.Schema();
  const QFontMetrics metrics = grid_->fontMetrics();
  for (int column = 1; column < schema.Columns(); ++column) {
    int width = SchemaColumnWidth;
    for (int row = 0; row < schema.Rows(); ++row)
      width = std::max(width, metrics.horizontalAdvance(ToQ(schema.Cell(row, column))) + SchemaColumnPadding);
    grid_->setColumnWidth(column - 1, width);
  }
}

void LayoutPage::ShowCompareLists() {
  const auto& compare = window_.Main().DrawViews.CompareLists();
  for (int i = 0; i < CompareListCount; ++i) {
    QTreeWidget* tree = lists_[i];
    tree->clear();
    tree->header()->setSortIndicatorShown(false);
    tree->headerItem()->setText(1, ToQ(compare[i].Caption));
    QList<QTreeWidgetItem*> items;
    for (const TCompareRow& row : compare[i].Rows) {
      auto* item = new QTreeWidgetItem;
      item->setData(0, Qt::DisplayRole, row.Count);  // a number, so that sorting is numeric
      item->setText(1, ToQ(row.Numbers));
      items << item;
    }
    tree->addTopLevelItems(items);
  }
}

}  // namespace kavrin::gui
