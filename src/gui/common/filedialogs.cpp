#include "gui/common/filedialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

#include "gui/common/modal.h"
#include "gui/common/qttext.h"

namespace kavrin::gui {

QString FileDialogFilter(const std::string& filter) {
  const QStringList parts = ToQ(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString caption = parts[i].trimmed();
    const QString patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
    if (!caption.contains(QLatin1Char('('))) caption += QStringLiteral(" (%1)").arg(patterns);
    filters << caption;
  }
  return filters.join(QStringLiteral(";;"));
}

namespace {

bool Choose(QWidget* parent, QFileDialog::AcceptMode mode, const std::string& filter, const std::string& defaultExt,
            std::string& path) {
  QFileDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("fileDialog"));
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setNameFilter(FileDialogFilter(filter));
  dialog.setDefaultSuffix(ToQ(defaultExt));
  if (!path.empty()) {
    const QFileInfo info(ToQ(path));
    dialog.setDirectory(info.absolutePath());
    dialog.selectFile(info.fileName());
  }
  if (RunModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  path = FromQ(dialog.selectedFiles().constFirst());
  return true;
}

}  // namespace

bool ChooseOpenFileDialog(QWidget* parent, const std::string& filter, const std::string& defaultExt,
                          std::string& path) {
  return Choose(parent, QFileDialog::AcceptOpen, filter, defaultExt, path);
}

bool ChooseSaveFileDialog(QWidget* parent, const std::string& filter, const std::string& defaultExt,
                          std::string& path) {
  return Choose(parent, QFileDialog::AcceptSave, filter, defaultExt, path);
}

}  // namespace kavrin::gui
