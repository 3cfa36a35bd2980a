#pragma once
// The one place where the window's geometry meets the view-settings file: window placement and
// list column widths, read and written through the core's INI helpers (not QSettings).
#include <string>

class QHeaderView;
class QWidget;

namespace kavrin {
class TIniFile;
}

namespace kavrin::gui {

// The placement stored for this screen size and resolution, or nothing (the window keeps its
// own place).
void RestorePlacement(QWidget& window, const TIniFile& ini, const std::string& section);
void StorePlacement(const QWidget& window, TIniFile& ini, const std::string& section);
// Widths "<list>.Column<i>" of the header's columns.
void RestoreColumns(QHeaderView& header, const TIniFile& ini, const std::string& section, const std::string& list);
void StoreColumns(const QHeaderView& header, TIniFile& ini, const std::string& section, const std::string& list);

}  // namespace kavrin::gui
