#include "gui/common/listview.h"

#include <QHeaderView>
#include <QTableView>

namespace kavrin::gui {

void SetUpList(QTableView& view, const QString& name, QAbstractItemView::SelectionMode mode) {
  view.setObjectName(name);
  view.setSelectionBehavior(QAbstractItemView::SelectRows);
  view.setSelectionMode(mode);
  view.setEditTriggers(QAbstractItemView::NoEditTriggers);
  view.setWordWrap(false);
  view.verticalHeader()->hide();
  view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view.verticalHeader()->setDefaultSectionSize(view.fontMetrics().height() + 4);
  view.horizontalHeader()->setHighlightSections(false);
}

}  // namespace kavrin::gui
