#pragma once
// The user as the application object sees it. The desktop window, the console of kavrin-cli and
// the scripted host of the tests implement it, so every message and question is testable.
#include <string>

#include "core/drawlist.h"

namespace kavrin {

inline constexpr int StatusPanelCount = 7;
enum StatusPanel { PanelDraws = 0, PanelNextDraw = 1, PanelNextNumbers = 2, PanelCombs = 3, PanelStakes = 4,
                   PanelRating = 5, PanelOperation = 6 };

class UiHost {
 public:
  virtual ~UiHost() = default;

  // Boxes; texts may hold "\r" line breaks.
  virtual void ShowError(const std::string& text) = 0;                               // caption "Ошибка"
  virtual void ShowInfo(const std::string& text) = 0;                                // caption "Информация"
  virtual void ShowWarning(const std::string& text, const std::string& caption) = 0;  // "Внимание!" or "Предупреждение"
  // Yes/No question; `defaultYes` chooses the default button.
  virtual bool Ask(const std::string& text, const std::string& caption, bool defaultYes) = 0;

  // Input boxes; false when cancelled.
  virtual bool InputNumber(const std::string& caption, const std::string& prompt, int min, int max, int& value) = 0;
  virtual bool InputText(const std::string& caption, const std::string& prompt, std::string& value) = 0;
  // File choosers with a filter such as "Файлы тиражей (*.csv)|*.csv"; false when cancelled.
  virtual bool ChooseOpenFile(const std::string& filter, const std::string& defaultExt, std::string& path) = 0;
  virtual bool ChooseSaveFile(const std::string& filter, const std::string& defaultExt, std::string& path) = 0;

  // The draw dialog: returns only fields that DrawFromDialog accepts, or false when cancelled.
  virtual bool EditDraw(const std::string& caption, TDrawDialogFields& fields) = 0;

  virtual void SetStatus(int panel, const std::string& text) = 0;
  virtual void ProgressStart(const std::string& text, int steps) = 0;
  virtual void ProgressStep(int step) = 0;
  virtual void ProgressEnd() = 0;
  // Lets the window repaint and take the stop command during long operations.
  virtual void ProcessEvents() = 0;
  virtual void OpenUrl(const std::string& url) = 0;
};

}  // namespace kavrin
