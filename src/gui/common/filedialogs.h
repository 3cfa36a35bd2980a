#pragma once
// Open and save dialogs over the program's filters, written "caption|pattern[|caption|pattern]"
// with patterns separated by ";".
#include <QString>
#include <string>

class QWidget;

namespace kavrin::gui {

// The filter string a file dialog takes: "Файлы тиражей (*.csv)|*.csv" gives
// "Файлы тиражей (*.csv)", a caption without its pattern gets it appended in brackets.
QString FileDialogFilter(const std::string& filter);

// False when cancelled; the save dialog asks before overwriting and appends the default
// extension to a name typed without one.
bool ChooseOpenFileDialog(QWidget* parent, const std::string& filter, const std::string& defaultExt,
                          std::string& path);
bool ChooseSaveFileDialog(QWidget* parent, const std::string& filter, const std::string& defaultExt,
                          std::string& path);

}  // namespace kavrin::gui
