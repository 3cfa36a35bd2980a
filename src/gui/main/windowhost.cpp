#include "gui/main/windowhost.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QUrl>

#include "gui/archive/drawdialog.h"
#include "gui/common/detailsdialog.h"
#include "gui/common/filedialogs.h"
#include "gui/common/graphwindow.h"
#include "gui/common/messageboxes.h"
#include "gui/common/modal.h"
#include "gui/common/progresswindow.h"
#include "gui/common/qttext.h"
#include "gui/common/waitwindow.h"
#include "gui/help/aboutdialog.h"
#include "gui/help/firstrundialog.h"
#include "gui/help/updatedialog.h"
#include "gui/settings/configdialog.h"
#include "gui/settings/proxydialog.h"
#include "gui/settings/shreddingdialog.h"
#include "gui/main/viewstate.h"
#include "core/inifile.h"

namespace kavrin::gui {

WindowHost::WindowHost(QMainWindow& window)
    : window_(window), wait_(new WaitWindow(&window)), progress_(new ProgressWindow(&window)) {
  QStatusBar* bar = window.statusBar();
  for (int panel = 0; panel < StatusPanelCount; ++panel) {
    auto* label = new QLabel(&window);
    label->setObjectName(QStringLiteral("statusPanel%1").arg(panel));
    label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    label->setContentsMargins(4, 0, 4, 0);
    // The operation panel takes the rest of the bar; the others fit their texts.
    if (panel == PanelOperation) bar->addWidget(label, 1);
    else bar->addWidget(label);
    panels_[panel] = label;
  }
}

WindowHost::~WindowHost() = default;

void WindowHost::ShowError(const std::string& text) { ShowErrorBox(&window_, text); }
void WindowHost::ShowInfo(const std::string& text) { ShowInfoBox(&window_, text); }
void WindowHost::ShowWarning(const std::string& text, const std::string& caption) {
  ShowWarningBox(&window_, text, caption);
}
bool WindowHost::Ask(const std::string& text, const std::string& caption, bool defaultYes) {
  return AskBox(&window_, text, caption, defaultYes);
}

bool WindowHost::InputNumber(const std::string& caption, const std::string& prompt, int min, int max, int& value) {
  QInputDialog dialog(&window_);
  dialog.setObjectName(QStringLiteral("inputNumber"));
  dialog.setInputMode(QInputDialog::IntInput);
  dialog.setWindowTitle(ToQ(caption));
  dialog.setLabelText(ToQ(prompt));
  dialog.setIntRange(min, max);
  dialog.setIntValue(value);
  if (RunModal(dialog) != QDialog::Accepted) return false;
  value = dialog.intValue();
  return true;
}

bool WindowHost::InputText(const std::string& caption, const std::string& prompt, std::string& value) {
  QInputDialog dialog(&window_);
  dialog.setObjectName(QStringLiteral("inputText"));
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setWindowTitle(ToQ(caption));
  dialog.setLabelText(ToQ(prompt));
  dialog.setTextValue(ToQ(value));
  if (RunModal(dialog) != QDialog::Accepted) return false;
  value = FromQ(dialog.textValue());
  return true;
}

bool WindowHost::ChooseOpenFile(const std::string& filter, const std::string& defaultExt, std::string& path) {
  return ChooseOpenFileDialog(&window_, filter, defaultExt, path);
}

bool WindowHost::ChooseSaveFile(const std::string& filter, const std::string& defaultExt, std::string& path) {
  return ChooseSaveFileDialog(&window_, filter, defaultExt, path);
}

bool WindowHost::EditDraw(const std::string& caption, TDrawDialogFields& fields) {
  return EditDrawDialog(&window_, caption, fields);
}

void WindowHost::SetStatus(int panel, const std::string& text) {
  if (panel < 0 || panel >= StatusPanelCount) return;
  panels_[panel]->setText(ToQ(text));
}

void WindowHost::ProgressStart(const std::string& text, int steps) { progress_->Start(ToQ(text), steps); }
void WindowHost::ProgressStep(int step) { progress_->Step(step); }
void WindowHost::ProgressEnd() { progress_->End(); }

void WindowHost::ProcessEvents() {
  QCoreApplication::processEvents();
  if (OnIdle) OnIdle();
}

void WindowHost::OpenUrl(const std::string& url) {
  const QString target = ToQ(url);
  // A local path (a run log, the help file) opens with the desktop's viewer for its type.
  const QUrl address = QFileInfo::exists(target) ? QUrl::fromLocalFile(target) : QUrl(target);
  if (!QDesktopServices::openUrl(address)) ShowError("Не удалось открыть \"" + url + "\"");
}

void WindowHost::SetWaitText(const std::string& text) {
  wait_->SetText(ToQ(text));
  QCoreApplication::processEvents();
}

bool WindowHost::GetClipboardText(std::string& text) {
  const QString clip = QGuiApplication::clipboard()->text();
  if (clip.isEmpty()) return false;
  text = FromQ(clip);
  return true;
}

void WindowHost::SetClipboardText(const std::string& text) { QGuiApplication::clipboard()->setText(ToQ(text)); }

void WindowHost::ShowDetails(const TDetailsView& view) {
  DetailsDialog dialog(&window_, view);
  RunModal(dialog);
}

void WindowHost::ShowGraph(const TGraphData& graph) {
  GraphWindow dialog(&window_);
  dialog.ShowData(graph);
  RunModalPlaced(dialog, "TFormGraph");
}

void WindowHost::RunModalPlaced(QDialog& dialog, const char* section) {
  try {
    RestorePlacement(dialog, TIniFile(ViewSettingsPath), section);
  } catch (const std::exception& e) {
    ShowError(std::string("Ошибка загрузки параметров программы!\r\r") + e.what());
  }
  RunModal(dialog);
  try {
    TIniFile ini(ViewSettingsPath);
    StorePlacement(dialog, ini, section);
    ini.UpdateFile();
  } catch (const std::exception& e) {
    ShowError(std::string("Ошибка сохранения параметров программы!\r\r") + e.what());
  }
}

void WindowHost::ShowTab(const std::string& caption) {
  if (OnShowTab) OnShowTab(ToQ(caption));
}

void WindowHost::SetCaption(const std::string& caption) { window_.setWindowTitle(ToQ(caption)); }

bool WindowHost::EditConfig(TConfigData& config) { return EditConfigDialog(&window_, config); }
bool WindowHost::EditShredding(TShreddingConfig& shredding) { return EditShreddingDialog(&window_, shredding); }
bool WindowHost::EditProxy(TProxyDialogFields& fields) { return EditProxyDialog(&window_, fields); }

void WindowHost::ShowAbout(const std::string& title, const std::string& version) {
  AboutDialog dialog(&window_, title, version, DataDir);
  RunModal(dialog);
}

bool WindowHost::ShowFirstRun(const TFirstRunDialog& dialog, const std::function<void()>& openHelp) {
  FirstRunWindow window(&window_, dialog, openHelp, [this](const std::string& url) { OpenUrl(url); });
  RunModal(window);
  return window.DoNotShowAgain();
}

bool WindowHost::AskInstallUpdate(const TUpdateOffer& offer) {
  UpdateDialog dialog(&window_, offer);
  return RunModal(dialog) == QDialog::Accepted;
}

}  // namespace kavrin::gui
