#pragma once
// TFormGraph: the graph window of the rating, draws and analysis graphs. One chart fed through
// AddGraphPoint, the legend below, and the switch of the value marks.
#include <QDialog>
#include <QList>
#include <QRectF>

#include "stakes/graphdata.h"

class QCheckBox;
class QChart;
class QLineSeries;

namespace kavrin::gui {

class GraphWindow : public QDialog {
  Q_OBJECT
 public:
  explicit GraphWindow(QWidget* parent);
  // Adds (x, y) to the series with this title (letter case ignored), creating it as a line of
  // width 2 with the colour, 3x3 markers and value marks as asked.
  void AddGraphPoint(int x, const QString& title, double y, bool markers, bool marks, TColor color);
  // Caption ("График" when empty), the axis titles that are given and every series of the data.
  void ShowData(const TGraphData& graph);
  // Names the axes; an empty title leaves its axis unnamed.
  void SetAxisTitles(const QString& x, const QString& y);
  int SeriesCount() const { return static_cast<int>(series_.size()); }
  QLineSeries* Series(int index) const { return series_.at(index); }

 private:
  void ShowMarks(bool shown);
  // Widens the axes to take the new point.
  void FitAxes(double x, double y);

  QChart* chart_;
  QCheckBox* marksBox_;
  QList<QLineSeries*> series_;
  QList<QLineSeries*> markedSeries_;  // the series created with value marks
  QRectF bounds_;
};

}  // namespace kavrin::gui
