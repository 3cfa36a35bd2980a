#pragma once
// The window's lists and tables look and behave alike: whole rows selected, nothing edited in
// place, no row numbers, one line per cell and one fixed row height, so that a view never
// measures its rows however many there are (the combination list holds up to 2,118,760, the
// stakes grid a file of a million records).
#include <QAbstractItemView>
#include <QString>

class QTableView;

namespace kavrin::gui {

void SetUpList(QTableView& view, const QString& name,
               QAbstractItemView::SelectionMode mode = QAbstractItemView::ExtendedSelection);

}  // namespace kavrin::gui
