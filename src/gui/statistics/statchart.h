#pragma once
// The chart below the statistics table: the counts of the values ("Фактические данные") and,
// with the full-set comparison and the total line on, the counts expected from all possible
// combinations ("Все возможные комбинации"), over the values as the x axis.
#include <QChartView>

#include "stats/stattable.h"

namespace kavrin::gui {

class StatChartView : public QChartView {
  Q_OBJECT
 public:
  explicit StatChartView(QWidget* parent = nullptr);
  // Replaces what the chart shows; an empty chart shows its axes only.
  void Show(const TStatChart& chart);
  int SeriesCount() const;
};

}  // namespace kavrin::gui
