#pragma once
// The tab "Рейтинг": the command buttons over the rating list. A click on a column header sorts
// the rating itself (and so its file) by that column; the list's selection is the application
// object's RatingsSelection.
#include <QList>
#include <QWidget>
#include <array>

#include "gui/tabs/viewpage.h"

class QAction;
class QTableView;
class QToolBar;
class QToolButton;

namespace kavrin::gui {

class ActionRegistry;
class MainWindow;
class RatingsModel;

class RatingsPage : public QWidget, public ViewPage {
  Q_OBJECT
 public:
  // Fills `page` (the tab's container).
  RatingsPage(MainWindow& window, QWidget* page);
  QTableView* List() const { return list_; }

  void ViewChanged(TView view) override;
  void RestoreLayout(const TIniFile& ini) override;
  void StoreLayout(TIniFile& ini) const override;

 private:
  void TakeActions(const ActionRegistry& actions);
  void SortBy(int column);
  void ShowSortIndicator();
  void TakeSelection();
  void ShowSelection();
  void ShowContextMenu(const QPoint& position);

  MainWindow& window_;
  RatingsModel* model_;
  std::array<QToolBar*, 2> buttons_{};
  QToolButton* effModes_;
  QTableView* list_;
  QList<QAction*> menuActions_;  // made once: each list of actions makes its own separators
  bool applyingSelection_ = false;
};

}  // namespace kavrin::gui
