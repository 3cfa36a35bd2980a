#pragma once
// The page "Сценарий": the scenario lines with their command buttons and the tab's status bar
// (lines, cycle, line, stakes, run text) above the online catalog panel with its filter. The
// lines, the catalog and the run state belong to the application object; the page shows them
// and hands the user's selections back.
#include <QObject>
#include <array>
#include <vector>

#include "gui/tabs/viewpage.h"

class QComboBox;
class QLabel;
class QSortFilterProxyModel;
class QTableView;
class QToolBar;
class QWidget;

namespace kavrin {
class TTemplateMain;
}

namespace kavrin::gui {

class MainWindow;
class ScriptCatalogModel;
class ScriptLinesModel;

class ScriptPage : public QObject, public ViewPage {
  Q_OBJECT
 public:
  // Fills the panes of the window's scenario page.
  explicit ScriptPage(MainWindow& window);
  void ViewChanged(TView view) override;
  void RestoreLayout(const TIniFile& ini) override;
  void StoreLayout(TIniFile& ini) const override;

  QTableView* Lines() const { return lines_; }
  QTableView* Catalog() const { return catalog_; }
  QComboBox* CatalogFilter() const { return filter_; }
  // The tab's status bar: lines, cycle, line, stakes, text.
  QLabel* StatusPanel(int panel) const { return status_.at(panel); }
  // Brings the page in step with what a run or a command changed without a view notification:
  // the status bar, the running line's selection, the lists usable only while no run goes on.
  void Sync();

 private:
  void AttachActions();
  void TakeLinesSelection();
  void ShowLinesSelection();
  void TakeCatalogSelection();
  void ShowCatalogSelection();

  MainWindow& window_;
  TTemplateMain& main_;
  QToolBar* lineButtons_;
  QTableView* lines_;
  ScriptLinesModel* linesModel_;
  std::array<QLabel*, 5> status_{};
  QWidget* catalogPane_;
  QToolBar* catalogButtons_;
  QComboBox* filter_;
  QTableView* catalog_;
  ScriptCatalogModel* catalogModel_;
  QSortFilterProxyModel* catalogSorted_;
  // The scenario selection as the view last showed or took it.
  std::vector<int> shownSelection_;
  bool showingSelection_ = false;
  bool running_ = false;
};

}  // namespace kavrin::gui
