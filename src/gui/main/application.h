#pragma once
// What every process showing the window sets up once: Qt's own Russian translations (standard
// buttons and dialogs) and the locale's decimal separator for the program's texts.
class QApplication;

namespace kavrin::gui {

// False when Qt's translations are not installed (the standard buttons then stay English).
bool SetUpApplication(QApplication& app);

}  // namespace kavrin::gui
