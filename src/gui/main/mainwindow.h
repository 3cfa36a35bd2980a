#pragma once
// The main window: the left panel (archive and combinations), the main tab set, the menus and
// the status bar over one TFormMain. It shows and forwards; the application object decides.
#include <QMainWindow>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "app/formmain.h"
#include "gui/main/windowhost.h"
#include "gui/tabs/mainpages.h"

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
  // True once phase 2 has run (or was not started because phase 1 failed).
  bool Started() const { return started_; }
  // Sets every action's enabled and checked state from the application object, and the busy
  // cursor.
  void UpdateCommandStates();
  // The view whose data the application object changed.
  void ViewChanged(TView view);
  // Every view the window shows, after a change the core did not name (a new tab shown).
  void RefreshViews();
  // Shows or hides the tabs, the catalog panel and the systems commands as the settings say.
  void ApplyTabVisibility();

  // The window's own commands.
  void EditConfig();
  void EditShredding();
  void EditProxy();
  void CheckUpdate();
  void ShowAbout();
  // The systems menu appears with phase 2.
  void SetSystemsMenu(QMenu* menu) { systemsMenu_ = menu; }
  // The help file's path; empty when there is none.
  const std::string& HelpFile() const { return helpFile_; }

 signals:
  void StartupFinished();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildLayout();
  void Phase2();
  void DownloadAtStart();
  void ShowFirstRun();
  // Starts the program again with "restart" and closes this window; false when it cannot start.
  bool Restart();
  void StoreViewState();
  void ShowTab(const QString& caption);

  WindowHost host_;
  std::unique_ptr<TFormMain> main_;
  std::unique_ptr<ActionRegistry> actions_;
  MainPages pages_;
  QTabWidget* left_ = nullptr;
  PaneSplitter* leftSplit_ = nullptr;
  ArchiveTab* archive_ = nullptr;
  QTimer startTimer_;
  QTimer idleTimer_;
  bool started_ = false;
  bool busyCursor_ = false;
  bool stored_ = false;
  bool systemsSetUp_ = false;
  QMenu* systemsMenu_ = nullptr;
  std::string helpFile_;
  std::vector<std::string> switches_;
};

}  // namespace kavrin::gui
