#include "gui/views/graphspage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QToolBar>
#include <QVBoxLayout>

#include "gui/common/panelayout.h"
#include "gui/common/qttext.h"
#include "gui/main/mainwindow.h"
#include "gui/views/pagetools.h"
#include "gui/views/viewchart.h"

namespace kavrin::gui {

GraphsPage::GraphsPage(MainWindow& window, QWidget* page)
    : QWidget(page), window_(window), kinds_(new QComboBox(this)),
      depth_(new DepthField(QStringLiteral("edDrawsGraphLen"),
                            QStringLiteral("Количество тиражей, использующихся для построения графиков"), this)),
      marks_(new QCheckBox(QStringLiteral("Отображать метки на графике"), this)),
      chart_(new ViewChart(QStringLiteral("chartGraphs"), this)) {
  setObjectName(QStringLiteral("pnGraphs"));
  TDrawViews& views = window.Main().DrawViews;
  kinds_->setObjectName(QStringLiteral("cbGraphKind"));
  kinds_->setToolTip(QStringLiteral("Тип графика"));
  kinds_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
  kinds_->setMaxVisibleItems(30);
  connect(kinds_, &QComboBox::currentIndexChanged, this, [this, &views](int position) {
    views.GraphKindChange(position);
    window_.UpdateCommandStates();
  });
  connect(depth_, &DepthField::Entered, this, [&views](int depth) { views.DrawsGraphLenEnter(depth); });
  marks_->setObjectName(QStringLiteral("cbGraphMarks"));
  marks_->setChecked(views.GraphMarks());
  connect(marks_, &QCheckBox::toggled, this, [&views](bool shown) { views.SetGraphMarks(shown); });

  QToolBar* tools = PageToolBar(QStringLiteral("tbGraphs"), this);
  tools->addWidget(kinds_);
  tools->addWidget(new QLabel(QStringLiteral(" Тиражей: "), this));
  tools->addWidget(depth_);
  tools->addWidget(marks_);
  tools->addSeparator();
  AddWindowActions(window, tools, {"DrawsGraphDraw"});

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addWidget(tools);
  layout->addWidget(chart_, 1);
  FillPage(page, this);
}

void GraphsPage::RestoreLayout(const TIniFile&) {
  depth_->setValue(window_.Main().View.DrawsGraphLen);
  FillKinds();
}

void GraphsPage::ViewChanged(TView view) {
  if (view == TView::Statistics) FillKinds();
  if (view != TView::DrawsGraph) return;
  FillKinds();
  ShowGraph();
}

void GraphsPage::FillKinds() {
  const TStatKindList& list = window_.Main().GraphKinds;
  const QSignalBlocker block(kinds_);
  bool same = kinds_->count() == static_cast<int>(list.Items.size());
  for (int i = 0; same && i < kinds_->count(); ++i) same = kinds_->itemText(i) == ToQ(list.Items[i].Text);
  if (!same) {
    kinds_->clear();
    for (const TStatKindItem& item : list.Items) kinds_->addItem(ToQ(item.Text));
  }
  kinds_->setCurrentIndex(list.ItemIndex);
}

void GraphsPage::ShowGraph() {
  const auto& series = window_.Main().DrawViews.GraphSeries();
  {
    const QSignalBlocker block(marks_);
    marks_->setChecked(window_.Main().DrawViews.GraphMarks());
  }
  if (series[0].Points.empty()) {
    chart_->Show({}, false, QStringLiteral("Тираж"), QStringLiteral("Значение"));
    return;
  }
  chart_->Show({&series[0], &series[1], &series[2]}, false, QStringLiteral("Тираж"), QStringLiteral("Значение"));
}

}  // namespace kavrin::gui
