#pragma once
// The tab "Графики": the graph type, the depth, the marks switch and the draws graph.
#include <QWidget>

#include "gui/tabs/viewpage.h"

class QCheckBox;
class QComboBox;

namespace kavrin::gui {

class DepthField;
class MainWindow;
class ViewChart;

class GraphsPage : public QWidget, public ViewPage {
  Q_OBJECT
 public:
  GraphsPage(MainWindow& window, QWidget* page);
  void ViewChanged(TView view) override;
  void RestoreLayout(const TIniFile& ini) override;
  void StoreLayout(TIniFile& ini) const override {}
  ViewChart* Chart() const { return chart_; }
  QComboBox* Kinds() const { return kinds_; }

 private:
  // The type list shows the graph kinds of the application object.
  void FillKinds();
  void ShowGraph();

  MainWindow& window_;
  QComboBox* kinds_;
  DepthField* depth_;
  QCheckBox* marks_;
  ViewChart* chart_;
};

}  // namespace kavrin::gui
