#include "gui/common/graphwindow.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QLineSeries>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "gui/common/qttext.h"

namespace kavrin::gui {

GraphWindow::GraphWindow(QWidget* parent)
    : QDialog(parent, Qt::Window), chart_(new QChart), marksBox_(new QCheckBox(this)) {
  setObjectName(QStringLiteral("TFormGraph"));
  setWindowTitle(QStringLiteral("График"));
  chart_->legend()->setAlignment(Qt::AlignBottom);
  // Long series titles are shortened in the legend; the pointer shows them whole.
  chart_->legend()->setShowToolTips(true);
  auto* axisX = new QValueAxis(chart_);
  axisX->setLabelFormat(QStringLiteral("%d"));  // x counts draws or stakes
  axisX->setTickType(QValueAxis::TicksDynamic);
  axisX->setTickAnchor(0);
  axisX->setTickInterval(1);
  chart_->addAxis(axisX, Qt::AlignBottom);
  chart_->addAxis(new QValueAxis(chart_), Qt::AlignLeft);
  auto* view = new QChartView(chart_, this);
  view->setRenderHint(QPainter::Antialiasing);
  marksBox_->setObjectName(QStringLiteral("cbMarks"));
  marksBox_->setText(QStringLiteral("Отображать метки на графиках"));
  marksBox_->setChecked(true);
  connect(marksBox_, &QCheckBox::toggled, this, &GraphWindow::ShowMarks);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(view, 1);
  layout->addWidget(marksBox_);
  resize(760, 480);
}

void GraphWindow::AddGraphPoint(int x, const QString& title, double y, bool markers, bool marks, TColor color) {
  QLineSeries* series = nullptr;
  for (QLineSeries* s : series_)
    if (s->name().compare(title, Qt::CaseInsensitive) == 0) series = s;
  if (series == nullptr) {
    series = new QLineSeries(chart_);
    series->setName(title);
    series->setPointsVisible(markers);
    series->setMarkerSize(3);
    series->setPointLabelsFormat(QStringLiteral("@yPoint"));
    series->setPointLabelsClipping(false);
    if (marks) {
      markedSeries_ << series;
      series->setPointLabelsVisible(marksBox_->isChecked());
    }
    // Added first, so that a series without its own colour takes the chart's next one.
    chart_->addSeries(series);
    QPen pen = series->pen();
    pen.setWidth(2);
    if (color != AutoColor) pen.setColor(ToQColor(color));
    series->setPen(pen);
    for (QAbstractAxis* axis : chart_->axes()) series->attachAxis(axis);
    series_ << series;
  }
  series->append(x, y);
  FitAxes(x, y);
}

void GraphWindow::ShowData(const TGraphData& graph) {
  if (!graph.Caption.empty()) setWindowTitle(ToQ(graph.Caption));
  SetAxisTitles(ToQ(graph.XAxisTitle), ToQ(graph.YAxisTitle));
  for (const TGraphSeries& s : graph.Series)
    for (const TGraphPoint& p : s.Points)
      AddGraphPoint(static_cast<int>(p.X), ToQ(s.Title), static_cast<double>(p.Y), s.Markers, s.Marks, s.Color);
}

void GraphWindow::SetAxisTitles(const QString& x, const QString& y) {
  chart_->axes(Qt::Horizontal).constFirst()->setTitleText(x);
  chart_->axes(Qt::Vertical).constFirst()->setTitleText(y);
}

void GraphWindow::ShowMarks(bool shown) {
  for (QLineSeries* s : markedSeries_) s->setPointLabelsVisible(shown);
}

void GraphWindow::FitAxes(double x, double y) {
  if (series_.size() == 1 && series_.constFirst()->count() == 1) bounds_ = QRectF(x, y, 0, 0);
  // Whole-number ticks, at most about twenty of them.
  const double span = std::max(bounds_.width(), std::abs(x - bounds_.left()));
  static_cast<QValueAxis*>(chart_->axes(Qt::Horizontal).constFirst())->setTickInterval(std::max(1.0, std::ceil(span / 20)));
  bounds_.setLeft(std::min(bounds_.left(), x));
  bounds_.setRight(std::max(bounds_.right(), x));
  bounds_.setTop(std::min(bounds_.top(), y));
  bounds_.setBottom(std::max(bounds_.bottom(), y));
  const double margin = bounds_.height() == 0 ? 1 : bounds_.height() * 0.05;
  auto* axisX = static_cast<QValueAxis*>(chart_->axes(Qt::Horizontal).constFirst());
  auto* axisY = static_cast<QValueAxis*>(chart_->axes(Qt::Vertical).constFirst());
  axisX->setRange(bounds_.left(), std::max(bounds_.right(), bounds_.left() + 1));
  // Counts never go below zero; values that do keep their margin.
  const double bottom = bounds_.top() >= 0 ? std::max(0.0, bounds_.top() - margin) : bounds_.top() - margin;
  axisY->setRange(bottom, bounds_.bottom() + margin);
  axisY->applyNiceNumbers();
}

}  // namespace kavrin::gui
