#include "gui/statistics/statchart.h"

#include <QCategoryAxis>
#include <QGraphicsLayout>
#include <QLineSeries>
#include <QSet>
#include <QValueAxis>
#include <algorithm>

#include "gui/common/qttext.h"

namespace kavrin::gui {
namespace {

// The width the x axis gives its captions before they would overlap, for a view not yet laid out.
constexpr int DefaultAxisWidth = 600;

QLineSeries* NewSeries(const QString& name, QColor color, const std::vector<TChartPoint>& points) {
  auto* series = new QLineSeries;
  series->setName(name);
  QPen pen(color);
  pen.setWidth(2);
  series->setPen(pen);
  for (const TChartPoint& p : points) series->append(static_cast<double>(p.X), static_cast<double>(p.Y));
  return series;
}

}  // namespace

StatChartView::StatChartView(QWidget* parent) : QChartView(new QChart, parent) {
  setRenderHint(QPainter::Antialiasing);
  // The pane is low and wide: the legend goes to the side, the plot takes the height.
  chart()->legend()->setAlignment(Qt::AlignRight);
  chart()->setMargins(QMargins(2, 2, 2, 2));
  chart()->layout()->setContentsMargins(0, 0, 0, 0);
  chart()->setBackgroundRoundness(0);
  Show({});
}

int StatChartView::SeriesCount() const { return static_cast<int>(chart()->series().size()); }

void StatChartView::Show(const TStatChart& data) {
  QChart* c = chart();
  c->removeAllSeries();
  for (QAbstractAxis* axis : c->axes()) {
    c->removeAxis(axis);
    delete axis;
  }

  auto* axisX = new QCategoryAxis;
  axisX->setTitleText(QStringLiteral("Значение"));
  axisX->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  auto* axisY = new QValueAxis;
  axisY->setTitleText(QStringLiteral("Количество"));
  axisY->setLabelFormat(QStringLiteral("%.0f"));
  c->addAxis(axisX, Qt::AlignBottom);
  c->addAxis(axisY, Qt::AlignLeft);

  QList<QLineSeries*> series;
  if (!data.Actual.empty()) {
    QLineSeries* actual = NewSeries(QStringLiteral("Фактические данные"), QColor(0, 128, 0), data.Actual);
    // Markers of 2 x 2 in magenta on the green line.
    actual->setPointsVisible(true);
    actual->setMarkerSize(2);
    QHash<int, QHash<QXYSeries::PointConfiguration, QVariant>> markers;
    for (int i = 0; i < actual->count(); ++i) markers[i][QXYSeries::PointConfiguration::Color] = QColor(255, 0, 255);
    actual->setPointsConfiguration(markers);
    series << actual;
  }
  if (!data.Total.empty())
    series << NewSeries(QStringLiteral("Все возможные комбинации"), QColor(255, 0, 0), data.Total);
  for (QLineSeries* s : series) {
    c->addSeries(s);
    s->attachAxis(axisX);
    s->attachAxis(axisY);
  }

  // The x axis names the values: the longer series' labels, thinned to fit.
  const std::vector<TChartPoint>& labelled = data.Total.size() > data.Actual.size() ? data.Total : data.Actual;
  if (labelled.empty()) {
    axisX->setRange(0, 1);
    axisY->setRange(0, 1);
    return;
  }
  // As many captions as fit side by side, the longest one setting the room of each.
  int widest = 0;
  for (const TChartPoint& p : labelled) widest = std::max(widest, fontMetrics().horizontalAdvance(ToQ(p.Label)));
  const int axisWidth = isVisible() ? static_cast<int>(c->plotArea().width()) : DefaultAxisWidth;
  const size_t fit = static_cast<size_t>(std::max(2, std::max(axisWidth, 100) / (widest + 16)));
  const size_t step = std::max<size_t>(1, (labelled.size() + fit - 1) / fit);
  QSet<QString> used;
  for (size_t i = 0; i < labelled.size(); i += step) {
    const QString label = ToQ(labelled[i].Label);
    if (used.contains(label)) continue;  // the axis takes each caption once
    used.insert(label);
    axisX->append(label, static_cast<double>(labelled[i].X));
  }
  axisX->setStartValue(static_cast<double>(labelled.front().X));
  axisX->setRange(static_cast<double>(labelled.front().X), static_cast<double>(labelled.back().X));
  double top = 0;
  for (const auto* points : {&data.Actual, &data.Total})
    for (const TChartPoint& p : *points) top = std::max(top, static_cast<double>(p.Y));
  axisY->setRange(0, top > 0 ? top * 1.05 : 1);
  axisY->applyNiceNumbers();
}

}  // namespace kavrin::gui
