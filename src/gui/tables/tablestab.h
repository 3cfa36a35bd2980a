#pragma once
// The page "Регуляры": the regular stakes list with its command buttons and context menu. The
// list shows the application object's rules; the selection goes back to it for the commands.
#include <QAbstractTableModel>
#include <QWidget>

#include "app/templatemain.h"
#include "gui/tabs/viewpage.h"

class QTableView;
class QToolBar;

namespace kavrin::gui {

class MainWindow;

// One row per regular stake, cells made by the core when the view asks for them.
class TablesModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit TablesModel(const TTemplateMain& main, QObject* parent = nullptr);
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  void Reset();

 private:
  const TTemplateMain& main_;
};

class TablesTab : public QWidget, public ViewPage {
  Q_OBJECT
 public:
  // Fills the page "tsTables" of the window and registers it with the window.
  explicit TablesTab(MainWindow& window);
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
  TablesModel* model_;
  QToolBar* buttons_;
  QTableView* list_;
  bool showingSelection_ = false;
};

}  // namespace kavrin::gui
