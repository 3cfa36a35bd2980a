#include "gui/views/cardpage.h"

#include <QHeaderView>
#include <QToolBar>
#include <QVBoxLayout>

#include "gui/archive/archivetab.h"
#include "gui/common/panelayout.h"
#include "gui/main/mainwindow.h"
#include "gui/views/pagetools.h"
#include "gui/views/viewgrid.h"
#include "views/card.h"

namespace kavrin::gui {

CardPage::CardPage(MainWindow& window, QWidget* page) : QWidget(page), window_(window) {
  setObjectName(QStringLiteral("pnCard"));
  TTemplateMain& main = window.Main();
  const TDrawViews& views = main.DrawViews;
  grid_ = new ViewGrid(QStringLiteral("sgCard"),
                       {[&views] { return views.CardRows(); }, [] { return CardColumnCount; },
                        [&main](int row, int column) { return CardCellText(main.Archive.Draws(), row, column); },
                        [&main, &views](int row, int column) {
                          return CardCellColor(main.Archive.Draws(), row, column, views.CardColors(), false);
                        }},
                       this);
  const QFontMetrics metrics = grid_->fontMetrics();
  grid_->horizontalHeader()->setDefaultSectionSize(metrics.horizontalAdvance(QStringLiteral("00")) + 12);
  connect(grid_, &ViewGrid::SelectionChanged, this, [this](const TGridRect& selection) {
    window_.Main().DrawViews.CardSelection = selection;
    window_.UpdateCommandStates();
  });

  QToolBar* tools = PageToolBar(QStringLiteral("tbCard"), this);
  // The filters first: the long captions of the switches may go behind the bar's extension.
  const std::vector<std::string> actions = {"CardFilter_Include", "CardFilter_Exclude", "", "CardXlsExport", "",
                                            "ViewColorCard", "ViewColorCardSequences"};
  AddWindowActions(window, tools, actions);
  AddWindowActions(window, grid_, actions);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addWidget(tools);
  layout->addWidget(grid_, 1);
  FillPage(page, this);
}

void CardPage::RestoreLayout(const TIniFile&) {
  // The draw numbers are as wide as the archive list's first column.
  grid_->verticalHeader()->setFixedWidth(window_.Archive().List()->columnWidth(0));
}

void CardPage::ViewChanged(TView view) {
  // The cells are read from the archive: a changed archive or colour setting repaints them.
  if (view == TView::Card || view == TView::DrawsList) grid_->Refresh();
}

}  // namespace kavrin::gui
