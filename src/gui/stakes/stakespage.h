#pragma once
// The tab "Ставки": the command buttons over the stakes grid. The grid reads the stakes file
// row by row as it scrolls; its selection is the application object's StakesSelection.
#include <QList>
#include <QWidget>
#include <array>

#include "gui/tabs/viewpage.h"

class QAction;
class QTableView;
class QToolBar;

namespace kavrin::gui {

class ActionRegistry;
class MainWindow;
class StakesModel;

class StakesPage : public QWidget, public ViewPage {
  Q_OBJECT
 public:
  // Fills `page` (the tab's container).
  StakesPage(MainWindow& window, QWidget* page);
  QTableView* Grid() const { return grid_; }

  void ViewChanged(TView view) override;
  void RestoreLayout(const TIniFile& ini) override;
  void StoreLayout(TIniFile& ini) const override;

 private:
  void TakeActions(const ActionRegistry& actions);
  void TakeSelection();
  // Selects the records the application object holds as selected and shows the last of them.
  void ShowSelection();
  void ShowContextMenu(const QPoint& position);

  MainWindow& window_;
  StakesModel* model_;
  std::array<QToolBar*, 2> buttons_{};
  QTableView* grid_;
  QList<QAction*> menuActions_;  // made once: each list of actions makes its own separators
  bool applyingSelection_ = false;
};

}  // namespace kavrin::gui
