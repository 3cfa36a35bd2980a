#pragma once
// The page "Системы": the catalog of the maker's systems service with its command buttons and
// context menu, sortable on any column. The rows are the application object's; the selection
// goes back to it, in the order the view shows the rows.
#include <QAbstractTableModel>
#include <QWidget>

#include "app/templatemain.h"
#include "gui/tabs/viewpage.h"

class QSortFilterProxyModel;
class QTableView;
class QToolBar;

namespace kavrin::gui {

class MainWindow;

// One row per catalog row, cells made by the core; Qt::UserRole gives the value a column sorts
// by (numbers and times as numbers).
class SystemsModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit SystemsModel(const TTemplateMain& main, QObject* parent = nullptr);
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  void Reset();

 private:
  const TTemplateMain& main_;
};

class SystemsTab : public QWidget, public ViewPage {
  Q_OBJECT
 public:
  // Fills the page "tsSystems" of the window and registers it with the window.
  explicit SystemsTab(MainWindow& window);
  QTableView* List() const { return list_; }

  void ViewChanged(TView view) override;
  void RestoreLayout(const TIniFile& ini) override;
  void StoreLayout(TIniFile& ini) const override;

 private:
  void TakeActions();
  void TakeSelection();
  void ShowSelection();

  MainWindow& window_;
  TTemplateMain& main_;
  SystemsModel* model_;
  QSortFilterProxyModel* sorted_;
  QToolBar* buttons_;
  QTableView* list_;
  bool showingSelection_ = false;
};

}  // namespace kavrin::gui
