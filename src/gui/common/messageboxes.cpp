#include "gui/common/messageboxes.h"

#include <QMessageBox>

#include "gui/common/modal.h"
#include "gui/common/qttext.h"

namespace kavrin::gui {
namespace {

int Show(QWidget* parent, QMessageBox::Icon icon, const std::string& caption, const std::string& text,
         QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton) {
  QMessageBox box(icon, ToQ(caption), ToQ(text), buttons, parent);
  box.setDefaultButton(defaultButton);
  box.setObjectName(QStringLiteral("messageBox"));
  return RunModal(box);
}

}  // namespace

void ShowErrorBox(QWidget* parent, const std::string& text) {
  Show(parent, QMessageBox::Critical, "Ошибка", text, QMessageBox::Ok, QMessageBox::Ok);
}

void ShowInfoBox(QWidget* parent, const std::string& text) {
  Show(parent, QMessageBox::Information, "Информация", text, QMessageBox::Ok, QMessageBox::Ok);
}

void ShowWarningBox(QWidget* parent, const std::string& text, const std::string& caption) {
  Show(parent, QMessageBox::Warning, caption.empty() ? "Внимание!" : caption, text, QMessageBox::Ok,
       QMessageBox::Ok);
}

bool AskBox(QWidget* parent, const std::string& text, const std::string& caption, bool defaultYes) {
  return Show(parent, QMessageBox::Question, caption.empty() ? "Подтверждение" : caption, text,
              QMessageBox::Yes | QMessageBox::No, defaultYes ? QMessageBox::Yes : QMessageBox::No) ==
         QMessageBox::Yes;
}

}  // namespace kavrin::gui
