#pragma once
// The main tab "Статистика": the kind list, the window length, the statistics table of the
// application object's statistics page and the chart below it, with the page's commands. It
// shows the core's table and forwards the user's choices; the core calculates, sorts and filters.
#include <QObject>

#include "gui/tabs/viewpage.h"

class QCheckBox;
class QComboBox;
class QSpinBox;
class QTableView;
class QToolBar;
class QWidget;

namespace kavrin {
class TTemplateMain;
}

namespace kavrin::gui {

class MainWindow;
class PaneSplitter;
class StatChartView;
class StatModel;

class StatisticsPage : public QObject, public ViewPage {
  Q_OBJECT
 public:
  // Fills `page`, whose splitter `split` holds the table's pane and the chart's pane.
  StatisticsPage(MainWindow& window, QWidget* page, PaneSplitter* split);

  void ViewChanged(TView view) override;
  void RestoreLayout(const TIniFile& ini) override;
  void StoreLayout(TIniFile& ini) const override;

  QComboBox* Kinds() const { return kinds_; }
  QSpinBox* WindowLength() const { return length_; }
  QTableView* Table() const { return table_; }
  StatChartView* Chart() const { return chart_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The window builds its actions after its pages: the page takes them once they exist.
  void TakeActions();
  void Refresh();
  void ShowKinds();
  void ShowColumns();
  void SortBy(int column);
  void TakeSelection();
  void FollowBusy();

  MainWindow& window_;
  TTemplateMain& main_;
  StatModel* model_;
  QComboBox* kinds_;
  QSpinBox* length_;
  QToolBar* buttons_;
  bool actionsTaken_ = false;
  QCheckBox* sorted_;
  QCheckBox* fullSet_;
  QCheckBox* totalLine_;
  QTableView* table_;
  StatChartView* chart_;
};

}  // namespace kavrin::gui
