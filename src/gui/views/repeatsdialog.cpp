#include "gui/views/repeatsdialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/inifile.h"
#include "gui/common/qttext.h"
#include "gui/main/viewstate.h"
#include "gui/views/pagetools.h"
#include "gui/views/viewchart.h"

namespace kavrin::gui {

RepeatsDialog::RepeatsDialog(QWidget* parent, TRepeatsDialog& data)
    : QDialog(parent, Qt::Window), data_(data),
      length_(new DepthField(QStringLiteral("edDrawsLength"),
                             QStringLiteral("Количество тиражей, использующихся для расчета статистики"), this)),
      deep_(new DepthField(QStringLiteral("edDrawsDeep"),
                           QStringLiteral("Количество тиражей, просматриваемых \"в глубину\" для поиска совпадений"),
                           this)),
      list_(new QTreeWidget(this)), chart_(new ViewChart(QStringLiteral("chartRepeats"), this)),
      split_(new QSplitter(Qt::Vertical, this)) {
  setObjectName(QString::fromLatin1(RepeatsSection));
  setWindowTitle(ToQ(RepeatsCaption));
  length_->setValue(data.Length);
  deep_->setValue(data.Deep);
  connect(length_, &DepthField::Entered, this, &RepeatsDialog::Calculate);
  connect(deep_, &DepthField::Entered, this, &RepeatsDialog::Calculate);
  auto* calculate = new QPushButton(QStringLiteral("Рассчитать"), this);
  calculate->setObjectName(QStringLiteral("btnCalculate"));
  calculate->setAutoDefault(false);
  connect(calculate, &QPushButton::clicked, this, &RepeatsDialog::Calculate);
  auto* close = new QPushButton(QStringLiteral("Закрыть"), this);
  close->setAutoDefault(false);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);

  auto* parameters = new QFormLayout;
  parameters->addRow(QStringLiteral("Количество тиражей для анализа:"), length_);
  parameters->addRow(QStringLiteral("Глубина поиска совпадений:"), deep_);
  auto* top = new QHBoxLayout;
  top->addLayout(parameters);
  top->addWidget(calculate, 0, Qt::AlignBottom);
  top->addStretch(1);
  top->addWidget(close, 0, Qt::AlignBottom);

  list_->setObjectName(QStringLiteral("lvRepeats"));
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  QStringList captions;
  for (const std::string& caption : RepeatsCaptions()) captions << ToQ(caption);
  list_->setHeaderLabels(captions);
  for (int column = 0; column < 3; ++column)
    list_->setColumnWidth(column, list_->fontMetrics().horizontalAdvance(captions[column]) + 24);
  split_->setObjectName(QStringLiteral("splitRepeats"));
  split_->setChildrenCollapsible(false);
  split_->addWidget(list_);
  split_->addWidget(chart_);
  split_->setStretchFactor(0, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(split_, 1);
  resize(820, 640);
  split_->setSizes({640 - data.GraphHeight, data.GraphHeight});
  ShowResult();
}

void RepeatsDialog::RestoreLayout(const TIniFile& ini) {
  RestorePlacement(*this, ini, RepeatsSection);
  RestoreColumns(*list_->header(), ini, RepeatsSection, "lvRepeats");
  const int total = split_->sizes().value(0) + split_->sizes().value(1);
  split_->setSizes({std::max(total - data_.GraphHeight, 50), data_.GraphHeight});
}

void RepeatsDialog::StoreLayout(TIniFile& ini) const {
  StorePlacement(*this, ini, RepeatsSection);
  StoreColumns(*list_->header(), ini, RepeatsSection, "lvRepeats");
}

int RepeatsDialog::ChartHeight() const {
  const int height = split_->sizes().value(1);
  return height > 0 ? height : data_.GraphHeight;
}

void RepeatsDialog::Calculate() {
  data_.Length = length_->value();
  data_.Deep = deep_->value();
  if (data_.Calculate) data_.Calculate();
  ShowResult();
}

void RepeatsDialog::ShowResult() {
  list_->clear();
  QList<QTreeWidgetItem*> items;
  items.reserve(static_cast<qsizetype>(data_.Analysis.Rows.size()));
  for (const TRepeatsRow& row : data_.Analysis.Rows) {
    QStringList cells;
    for (const std::string& cell : RepeatsRowCells(row)) cells << ToQ(cell);
    items << new QTreeWidgetItem(cells);
  }
  list_->addTopLevelItems(items);
  std::vector<const TViewSeries*> series;
  for (const TViewSeries& s : data_.Chart) series.push_back(&s);
  chart_->Show(series, false, QStringLiteral("Тираж"), QStringLiteral("Повторов"));
}

}  // namespace kavrin::gui
