#pragma once
// The tab "Схема": the number schema with its depth above, the five comparison lists below, each
// with its own depth; the selected numbers of the schema keep or remove combinations.
#include <QObject>
#include <array>

#include "gui/tabs/viewpage.h"
#include "views/schema.h"

class QTreeWidget;
class QWidget;

namespace kavrin::gui {

class DepthField;
class MainWindow;
class ViewGrid;

class LayoutPage : public QObject, public ViewPage {
  Q_OBJECT
 public:
  // Fills the schema pane and the comparison pane of the page's splitter.
  LayoutPage(MainWindow& window, QWidget* schemaPane, QWidget* comparePane);
  void ViewChanged(TView view) override;
  void RestoreLayout(const TIniFile& ini) override;
  void StoreLayout(TIniFile& ini) const override {}
  ViewGrid* Grid() const { return grid_; }
  QTreeWidget* CompareList(int list) const { return lists_.at(list); }

 private:
  void ShowSchema();
  void ShowCompareLists();

  MainWindow& window_;
  DepthField* depth_;
  ViewGrid* grid_;
  std::array<DepthField*, CompareListCount> compareDepths_{};
  std::array<QTreeWidget*, CompareListCount> lists_{};
};

}  // namespace kavrin::gui
