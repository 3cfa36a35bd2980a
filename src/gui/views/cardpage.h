#pragma once
// The tab "Карта": one row per draw, one column per number, coloured as the card's switches say;
// the selected numbers keep or remove combinations.
#include <QWidget>

#include "gui/tabs/viewpage.h"

namespace kavrin::gui {

class MainWindow;
class ViewGrid;

class CardPage : public QWidget, public ViewPage {
  Q_OBJECT
 public:
  CardPage(MainWindow& window, QWidget* page);
  void ViewChanged(TView view) override;
  void RestoreLayout(const TIniFile& ini) override;
  void StoreLayout(TIniFile& ini) const override {}
  ViewGrid* Grid() const { return grid_; }

 private:
  MainWindow& window_;
  ViewGrid* grid_;
};

}  // namespace kavrin::gui
