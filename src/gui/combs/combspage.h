#pragma once
// The left panel's page "Комбинации": the list's buttons and the excluded-draws field, the
// combination list, and the applied-filters list below it.
#include <QObject>

#include "gui/tabs/viewpage.h"

class QAction;
class QSpinBox;
class QTableView;
class QToolBar;

namespace kavrin {
class TTemplateMain;
}

namespace kavrin::gui {

class CombsModel;
class FiltersModel;
class MainWindow;

class CombsPage : public QObject, public ViewPage {
  Q_OBJECT
 public:
  // Fills the window's combination page and registers with the window.
  explicit CombsPage(MainWindow& window);

  QTableView* List() const { return list_; }
  QTableView* Filters() const { return filters_; }
  QSpinBox* ExcludeField() const { return exclude_; }

  void ViewChanged(TView view) override;
  void RestoreLayout(const TIniFile& ini) override;
  void StoreLayout(TIniFile& ini) const override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The window creates its actions after its layout, so the buttons and menus come later.
  void SetActions();
  // A button with its own caption for a command (the caption of the command stays in the menu).
  QAction* Button(const char* command, const QString& caption);
  // The view's selection into the application object's, and back.
  void TakeSelection();
  void ShowSelection();

  MainWindow& window_;
  TTemplateMain& main_;
  CombsModel* model_;
  FiltersModel* filtersModel_;
  QToolBar* buttons_;
  QToolBar* excludeButtons_;
  QSpinBox* exclude_;
  QTableView* list_;
  QTableView* filters_;
};

}  // namespace kavrin::gui
