#pragma once
// A chart of the draw views over the core's series (TViewSeries): lines with their colours,
// widths, markers and value marks, or bars; both axes titled.
#include <QChartView>
#include <QString>
#include <vector>

#include "views/viewtypes.h"

namespace kavrin::gui {

class ViewChart : public QChartView {
  Q_OBJECT
 public:
  ViewChart(const QString& name, QWidget* parent);
  // Replaces the chart's series. `byLabel`: the x axis shows the first series' point labels as
  // categories (bars need them); otherwise x is a whole-number value axis.
  void Show(const std::vector<const TViewSeries*>& series, bool byLabel, const QString& xTitle,
            const QString& yTitle);
  int SeriesCount() const;

 private:
  void ClearChart();
};

}  // namespace kavrin::gui
