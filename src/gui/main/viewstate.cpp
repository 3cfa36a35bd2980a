#include "gui/main/viewstate.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QWidget>
#include <vector>

#include "core/viewsettings.h"

namespace kavrin::gui {
namespace {

QScreen& ScreenOf(const QWidget& window) {
  QScreen* screen = window.screen();
  return screen ? *screen : *QGuiApplication::primaryScreen();
}

constexpr int ShowMaximized = 3;
constexpr int ShowNormal = 1;

}  // namespace

void RestorePlacement(QWidget& window, const TIniFile& ini, const std::string& section) {
  const QScreen& screen = ScreenOf(window);
  TWindowPlacement placement;
  if (!LoadWindowPlacement(ini, section, screen.size().width(), screen.size().height(),
                           static_cast<int>(screen.logicalDotsPerInch()), placement))
    return;
  const TRect& r = placement.NormPos;
  if (r.Right > r.Left && r.Bottom > r.Top) window.setGeometry(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
  if (placement.ShowCmd == ShowMaximized) window.setWindowState(window.windowState() | Qt::WindowMaximized);
}

void StorePlacement(const QWidget& window, TIniFile& ini, const std::string& section) {
  const QScreen& screen = ScreenOf(window);
  TWindowPlacement placement;
  placement.ShowCmd = window.isMaximized() ? ShowMaximized : ShowNormal;
  placement.PixelsPerInch = static_cast<int>(screen.logicalDotsPerInch());
  const QRect normal = window.isMaximized() ? window.normalGeometry() : window.geometry();
  placement.NormPos = {normal.left(), normal.top(), normal.right() + 1, normal.bottom() + 1};
  StoreWindowPlacement(ini, section, screen.size().width(), screen.size().height(), placement);
}

void RestoreColumns(QHeaderView& header, const TIniFile& ini, const std::string& section, const std::string& list) {
  std::vector<int> widths;
  for (int i = 0; i < header.count(); ++i) widths.push_back(header.sectionSize(i));
  LoadListColumns(ini, section, list, widths);
  for (int i = 0; i < header.count() && i < static_cast<int>(widths.size()); ++i)
    if (widths[i] > 0) header.resizeSection(i, widths[i]);
}

void StoreColumns(const QHeaderView& header, TIniFile& ini, const std::string& section, const std::string& list) {
  std::vector<int> widths;
  for (int i = 0; i < header.count(); ++i) widths.push_back(header.sectionSize(i));
  StoreListColumns(ini, section, list, widths);
}

}  // namespace kavrin::gui
