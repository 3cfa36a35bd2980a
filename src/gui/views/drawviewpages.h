#pragma once
// The draw view tabs of the main window: "Графики", "Карта", "Схема" and "Неделя".
namespace kavrin::gui {

class MainWindow;

// Fills the four pages, registers them with the window and lets the tab switches show and hide
// their tabs.
void AddDrawViewPages(MainWindow& window);

}  // namespace kavrin::gui
