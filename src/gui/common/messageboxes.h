#pragma once
// The program's message boxes: captions, icons and default buttons as every message of the
// program expects them.
#include <string>

class QWidget;

namespace kavrin::gui {

void ShowErrorBox(QWidget* parent, const std::string& text);
void ShowInfoBox(QWidget* parent, const std::string& text);
void ShowWarningBox(QWidget* parent, const std::string& text, const std::string& caption);
// Yes/No; `caption` empty means "Подтверждение".
bool AskBox(QWidget* parent, const std::string& text, const std::string& caption, bool defaultYes);

}  // namespace kavrin::gui
