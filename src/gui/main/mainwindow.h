#pragma once
// The main window: the left panel (archive and combinations), the main tab set, the menus and
// the status bar over one TFormMain. It shows and forwards; the application object decides,
// including the start-up phases, the close request and shut-down.
#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/formmain.h"
#include "gui/main/windowhost.h"
#include "gui/tabs/mainpages.h"
#include "gui/tabs/viewpage.h"

class QMenu;
class QTabWidget;

namespace kavrin::gui {

class ActionRegistry;
class ArchiveTab;
class PaneSplitter;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  // Phase 1 of start-up runs here; phase 2 runs from a single-shot timer once the window shows.
  MainWindow(const std::string& dataDir, const std::vector<std::string>& arguments);
  ~MainWindow() override;

  TFormMain& Main() { return *main_; }
  WindowHost& Host() { return host_; }
  ActionRegistry& Actions() { return *actions_; }
  ArchiveTab& Archive() { return *archive_; }
  const MainPages& Pages() const { return pages_; }
  // True once phase 2 has run, or when it will not (phase 1 ended the start).
  bool Started() const { return started_; }
  // Sets every action's enabled and checked state from the application object, and the busy
  // cursor.
  void UpdateCommandStates();
  // The view whose data the application object changed.
  void ViewChanged(TView view);
  // A page whose views follow the application object's notifications and whose layout is
  // restored and stored with the window's (the page stays owned by its Qt parent).
  void AddPage(ViewPage& page) { viewPages_.push_back(&page); }
  // Runs `take` once the window's actions exist: they are made from the command table after the
  // pages, whose buttons and menus show them.
  void WhenActionsBuilt(std::function<void(ActionRegistry&)> take) { actionTakers_.push_back(std::move(take)); }
  // The systems menu appears with phase 2.
  void SetSystemsMenu(QMenu* menu) { systemsMenu_ = menu; }

 signals:
  void StartupFinished();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildLayout();
  void Phase2();
  void ApplyTabVisibility(const TViewSettings& view, bool systemsMenuShown);
  void RestoreLayout(const TIniFile& ini);
  void StoreLayout(TIniFile& ini);
  // Panel sizes into the settings, then the application object's shut-down; once.
  void ShutDown();
  void ShowTab(const QString& caption);

  WindowHost host_;
  std::unique_ptr<TFormMain> main_;
  std::unique_ptr<ActionRegistry> actions_;
  MainPages pages_;
  QTabWidget* left_ = nullptr;
  PaneSplitter* leftSplit_ = nullptr;
  ArchiveTab* archive_ = nullptr;
  std::vector<ViewPage*> viewPages_;
  std::vector<std::function<void(ActionRegistry&)>> actionTakers_;
  QMenu* systemsMenu_ = nullptr;
  QTimer startTimer_;
  QTimer idleTimer_;
  bool started_ = false;
  bool busyCursor_ = false;
  bool shutDown_ = false;
};

}  // namespace kavrin::gui
