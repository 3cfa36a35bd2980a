#include "gui/archive/archivetab.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/archive/drawsmodel.h"
#include "gui/common/listview.h"

namespace kavrin::gui {

ArchiveTab::ArchiveTab(TTemplateMain& main, QWidget* parent)
    : QWidget(parent), main_(main), model_(new DrawsModel(main, this)), buttons_(new QToolBar(this)),
      offset_(new QSpinBox(this)), list_(new QTableView(this)) {
  setObjectName(QStringLiteral("tsDraws"));
  buttons_->setObjectName(QStringLiteral("tbDraws"));
  buttons_->setToolButtonStyle(Qt::ToolButtonTextOnly);

  auto* offsetLabel = new QLabel(QStringLiteral("Смещение назад:"), this);
  offsetLabel->setBuddy(offset_);
  offset_->setObjectName(QStringLiteral("edDrawsOffset"));
  offset_->setToolTip(QStringLiteral("Смещение относительно последнего загруженного номера тиража"));
  offset_->setRange(0, main.Archive.MaxOffset());
  connect(offset_, &QSpinBox::valueChanged, this, [this](int value) { main_.SetDrawsOffset(value); });
  auto* offsetRow = new QHBoxLayout;
  offsetRow->addWidget(offsetLabel);
  offsetRow->addWidget(offset_, 1);

  SetUpList(*list_, QStringLiteral("lvDraws"));
  list_->setModel(model_);
  list_->setContextMenuPolicy(Qt::ActionsContextMenu);
  list_->horizontalHeader()->setStretchLastSection(true);
  const QFontMetrics metrics = list_->fontMetrics();
  list_->setColumnWidth(0, metrics.horizontalAdvance(QStringLiteral("00000")) + 12);
  for (int column = 1; column < DrawListColumnCount - 2; ++column)
    list_->setColumnWidth(column, metrics.horizontalAdvance(QStringLiteral("00")) + 12);
  list_->setColumnWidth(DrawListColumnCount - 2, metrics.horizontalAdvance(QStringLiteral("000")) + 12);
  list_->setColumnWidth(DrawListColumnCount - 1, metrics.horizontalAdvance(QStringLiteral("00.00.0000 00:00")) + 16);
  connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &ArchiveTab::TakeSelection);
  connect(model_, &QAbstractItemModel::modelReset, this, &ArchiveTab::TakeSelection);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addWidget(buttons_);
  layout->addLayout(offsetRow);
  layout->addWidget(list_, 1);
}

void ArchiveTab::SetActions(const QList<QAction*>& buttons, const QList<QAction*>& contextMenu, QAction* info) {
  buttons_->addActions(buttons);
  list_->addActions(contextMenu);
  connect(list_, &QTableView::doubleClicked, info, [info] {
    if (info->isEnabled()) info->trigger();
  });
}

int ArchiveTab::WidthForAllColumns() const {
  int width = 0;
  for (int column = 0; column < DrawListColumnCount; ++column) width += list_->columnWidth(column);
  const QMargins margins = layout()->contentsMargins();
  return width + list_->verticalScrollBar()->sizeHint().width() + 2 * list_->frameWidth() + margins.left() +
         margins.right() + 8;
}

void ArchiveTab::Refresh() {
  model_->Refresh();
  const QSignalBlocker block(offset_);
  offset_->setRange(0, main_.Archive.MaxOffset());
  offset_->setValue(main_.DrawsOffset());
}

void ArchiveTab::TakeSelection() {
  std::vector<int> positions;
  for (const QModelIndex& row : list_->selectionModel()->selectedRows()) positions.push_back(row.row());
  std::sort(positions.begin(), positions.end());
  main_.DrawsSelection = std::move(positions);
  emit SelectionChanged();
}

}  // namespace kavrin::gui
