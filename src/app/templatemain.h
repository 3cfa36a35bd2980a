#pragma once
// TTemplateMain: the whole program without widgets. It owns the data from start-up to
// shut-down and carries every user command as a pair XxxUpdate() (may it run now?) and
// XxxExecute() (do it). It reaches the user only through UiHost.
#include <array>
#include <string>
#include <vector>

#include "app/uihost.h"
#include "core/archive.h"
#include "core/config.h"
#include "core/format.h"
#include "core/viewsettings.h"

namespace kavrin {

class TTemplateMain {
 public:
  TTemplateMain(UiHost& host, std::string dataDir);
  virtual ~TTemplateMain() = default;
  TTemplateMain(const TTemplateMain&) = delete;
  TTemplateMain& operator=(const TTemplateMain&) = delete;

  UiHost& Host() { return host_; }
  const std::string& DataDir() const { return dataDir_; }
  std::string DataPath(const std::string& fileName) const;

  // ---- busy counter and status bar ----
  // Raised by every long operation; every command is disabled while it is above zero.
  class TBusy {
   public:
    explicit TBusy(TTemplateMain& main) : main_(main) { ++main_.busy_; }
    ~TBusy() { --main_.busy_; }
    TBusy(const TBusy&) = delete;
    TBusy& operator=(const TBusy&) = delete;

   private:
    TTemplateMain& main_;
  };
  bool Busy() const { return busy_ > 0; }
  // Shows the text in its panel; a changed operation text lets the window process its events.
  void SetStatus(int panel, const std::string& text);
  void SetOperationText(const std::string& text) { SetStatus(PanelOperation, text); }
  const std::string& StatusText(int panel) const { return status_.at(panel); }

  // ---- settings: the view-settings file and the configuration file ----
  TViewSettings View;
  TConfigData Config;
  TGenerateConfig Generate;
  TShreddingConfig Shredding;
  TProxy Proxy;

  void LoadViewSettings();
  void SaveViewSettingsAtExit();
  // Stores one view setting at once, as the switch commands do.
  void StoreViewSetting(const std::string& key);
  void LoadConfig();
  bool SaveMainConfig();
  bool SaveGenerateConfig();
  bool SaveShreddingConfig();
  bool SaveProxyConfig();

  // ---- the draw archive ----
  TDrawArchive Archive;
  void LoadArchive();
  bool SaveArchive();
  // Recomputes the next-draw marks and the archive status panels.
  void UpdateArchiveList(bool force);
  int DrawsOffset() const { return Archive.Offset(); }
  void SetDrawsOffset(int offset);
  bool RefreshSuspended = false;
  // Recomputes the analysis views; does nothing while refresh is suspended.
  virtual void RefreshViews(bool force);
  // Appends a draw as the draw dialog's OK does: save, then refresh.
  void AppendDraw(const TDrawRec& draw);

  // Selected rows of the archive list, as positions (0 = newest).
  std::vector<int> DrawsSelection;

  // ---- archive commands ----
  bool DrawsAddUpdate() const { return !Busy(); }
  void DrawsAddExecute();
  bool DrawsEditUpdate() const { return !Busy() && DrawsSelection.size() == 1; }
  void DrawsEditExecute();
  bool DrawsDelUpdate() const { return !Busy() && !DrawsSelection.empty(); }
  void DrawsDelExecute();
  bool DrawsSortedUpdate() const { return !Busy(); }
  bool DrawsSortedChecked() const { return View.SortedDraws; }
  void DrawsSortedExecute();
  bool ViewColorDrawsUpdate() const { return !Busy(); }
  void ViewColorDrawsExecute();
  bool DrawsImportUpdate() const { return !Busy(); }
  void DrawsImportExecute();
  bool DrawsExportUpdate() const { return !Busy() && Archive.Count() > 0; }
  void DrawsExportExecute();
  // The two commands after the file was chosen; they return the number of draws appended or
  // written, or -1 after showing the failure.
  int DrawsImportFile(const std::string& path);
  int DrawsExportFile(const std::string& path);

 protected:
  // Runs `work`; a failure is shown as the prefix followed by "\r\r" and its text, or as its
  // text alone when the prefix is empty.
  template <typename Work>
  bool Guarded(const char* prefix, Work&& work) {
    try {
      work();
      return true;
    } catch (const std::exception& e) {
      host_.ShowError(*prefix ? Format("%s\r\r%s", {prefix, e.what()}) : std::string(e.what()));
      return false;
    }
  }

 private:
  UiHost& host_;
  std::string dataDir_;
  int busy_ = 0;
  std::array<std::string, StatusPanelCount> status_;
};

}  // namespace kavrin
