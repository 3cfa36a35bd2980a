#include "gui/views/viewchart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QImage>
#include <QLineSeries>
#include <QPainter>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "gui/common/qttext.h"

namespace kavrin::gui {
namespace {

// A point marker of the given size in the outline colour, drawn over the series' own colour.
QImage Marker(int size, TColor fill, TColor outline) {
  QImage image(std::max(size, 1), std::max(size, 1), QImage::Format_ARGB32);
  image.fill(ToQColor(outline));
  if (size > 2) {
    QPainter painter(&image);
    painter.fillRect(1, 1, size - 2, size - 2, ToQColor(fill));
  }
  return image;
}

QAbstractSeries* LineSeries(const TViewSeries& s, bool byLabel) {
  auto* series = new QLineSeries;
  series->setName(ToQ(s.Title));
  QPen pen(ToQColor(s.Color));
  pen.setWidth(s.LineWidth);
  series->setPen(pen);
  if (s.MarkerSize > 0) {
    series->setPointsVisible(true);
    series->setMarkerSize(s.MarkerSize);
    series->setLightMarker(Marker(s.MarkerSize, s.Color, s.MarkerOutline));
  }
  series->setPointLabelsFormat(QStringLiteral("@yPoint"));
  series->setPointLabelsClipping(false);
  series->setPointLabelsVisible(s.Marks);
  QList<QPointF> points;
  points.reserve(static_cast<qsizetype>(s.Points.size()));
  for (size_t i = 0; i < s.Points.size(); ++i)
    points << QPointF(byLabel ? static_cast<double>(i) : static_cast<double>(s.Points[i].X),
                      static_cast<double>(s.Points[i].Y));
  series->replace(points);
  return series;
}

QAbstractSeries* BarSeries(const TViewSeries& s) {
  auto* set = new QBarSet(ToQ(s.Title));
  set->setColor(ToQColor(s.Color));
  set->setBorderColor(ToQColor(s.Color));
  for (const TGraphPoint& p : s.Points) set->append(static_cast<double>(p.Y));
  auto* series = new QBarSeries;
  series->append(set);
  series->setLabelsVisible(s.Marks);
  series->setBarWidth(0.7);
  return series;
}

}  // namespace

ViewChart::ViewChart(const QString& name, QWidget* parent) : QChartView(new QChart, parent) {
  setObjectName(name);
  setRenderHint(QPainter::Antialiasing);
  chart()->legend()->setAlignment(Qt::AlignBottom);
  chart()->setMargins(QMargins(4, 4, 4, 4));
}

void ViewChart::ClearChart() {
  chart()->removeAllSeries();
  for (QAbstractAxis* axis : chart()->axes()) {
    chart()->removeAxis(axis);
    delete axis;
  }
}

void ViewChart::Show(const std::vector<const TViewSeries*>& series, bool byLabel, const QString& xTitle,
                     const QString& yTitle) {
  ClearChart();
  QAbstractAxis* axisX = nullptr;
  QValueAxis* numbers = nullptr;
  if (byLabel) {
    auto* categories = new QBarCategoryAxis;
    if (!series.empty())
      for (const TGraphPoint& p : series.front()->Points) categories->append(ToQ(p.Label));
    axisX = categories;
    // Many categories are the numbers 1..n, which a category axis cannot show side by side:
    // a value axis over the same places marks every fifth of them instead.
    if (categories->count() > 20) {
      categories->setVisible(false);
      numbers = new QValueAxis;
      numbers->setLabelFormat(QStringLiteral("%d"));
      numbers->setRange(0.5, categories->count() + 0.5);
      numbers->setTickType(QValueAxis::TicksDynamic);
      numbers->setTickAnchor(5);
      numbers->setTickInterval(5);
      numbers->setMinorTickCount(4);
      numbers->setGridLineVisible(false);
    }
  } else {
    auto* values = new QValueAxis;
    values->setLabelFormat(QStringLiteral("%d"));
    axisX = values;
  }
  auto* axisY = new QValueAxis;
  (numbers ? numbers : axisX)->setTitleText(xTitle);
  axisY->setTitleText(yTitle);
  chart()->addAxis(axisX, Qt::AlignBottom);
  if (numbers) chart()->addAxis(numbers, Qt::AlignBottom);
  chart()->addAxis(axisY, Qt::AlignLeft);

  double minX = 0, maxX = 1, minY = 0, maxY = 1;
  bool any = false;
  for (const TViewSeries* s : series) {
    QAbstractSeries* added = s->Style == TSeriesStyle::Bars ? BarSeries(*s) : LineSeries(*s, byLabel);
    chart()->addSeries(added);
    added->attachAxis(axisX);
    added->attachAxis(axisY);
    for (const TGraphPoint& p : s->Points) {
      const double x = static_cast<double>(p.X), y = static_cast<double>(p.Y);
      if (!any) minX = maxX = x, minY = maxY = y;
      minX = std::min(minX, x), maxX = std::max(maxX, x);
      minY = std::min(minY, y), maxY = std::max(maxY, y);
      any = true;
    }
  }
  if (!byLabel) {
    auto* values = static_cast<QValueAxis*>(axisX);
    values->setRange(minX, std::max(maxX, minX + 1));
    values->setTickType(QValueAxis::TicksDynamic);
    values->setTickAnchor(minX);
    values->setTickInterval(std::max(1.0, std::ceil((maxX - minX) / 15)));
  }
  // Counts and values start from zero unless they go below it; the top keeps a margin for marks.
  minY = std::min(minY, 0.0);
  axisY->setRange(minY, maxY + std::max(1.0, (maxY - minY) * 0.08));
  axisY->applyNiceNumbers();
  chart()->legend()->setVisible(series.size() > 1);
}

int ViewChart::SeriesCount() const { return static_cast<int>(chart()->series().size()); }

}  // namespace kavrin::gui
