#pragma once
// The left panel's tab "Архив тиражей": the command buttons, the analysis offset field and the
// archive list.
#include <QList>
#include <QWidget>

#include "app/templatemain.h"

class QAction;
class QSpinBox;
class QTableView;
class QToolBar;

namespace kavrin::gui {

class DrawsModel;

class ArchiveTab : public QWidget {
  Q_OBJECT
 public:
  ArchiveTab(TTemplateMain& main, QWidget* parent);
  // The buttons above the list and the list's context menu.
  void SetActions(const QList<QAction*>& buttons, const QList<QAction*>& contextMenu, QAction* info);
  // After the archive, the offset or a display switch changed.
  void Refresh();
  QTableView* List() const { return list_; }
  // The panel width that shows every column of the list.
  int WidthForAllColumns() const;
  QSpinBox* OffsetField() const { return offset_; }

 signals:
  void SelectionChanged();

 private:
  void TakeSelection();

  TTemplateMain& main_;
  DrawsModel* model_;
  QToolBar* buttons_;
  QSpinBox* offset_;
  QTableView* list_;
};

}  // namespace kavrin::gui
