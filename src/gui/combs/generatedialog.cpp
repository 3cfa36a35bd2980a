#include "gui/combs/generatedialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "combs/listfile.h"
#include "gui/common/filedialogs.h"
#include "gui/common/modal.h"
#include "gui/common/qttext.h"

namespace kavrin::gui {

GenerateDialog::GenerateDialog(QWidget* parent, const TGenerateDialogFields& fields)
    : QDialog(parent), mode_(new QComboBox(this)), parameters_(new QLineEdit(this)), browse_(new QToolButton(this)),
      saveDefault_(new QCheckBox(this)) {
  setObjectName(QStringLiteral("TFormGenerate"));
  setWindowTitle(ToQ(GenerateDialogCaption));

  mode_->setObjectName(QStringLiteral("cbGenerateMode"));
  for (const std::string& caption : GenerateModeCaptions()) mode_->addItem(ToQ(caption));
  mode_->setCurrentIndex(std::clamp<int>(fields.Mode, 0, GenerateModeCount - 1));
  auto* modeLabel = new QLabel(QStringLiteral("Режим генерации списка комбинаций:"), this);
  modeLabel->setBuddy(mode_);

  parameters_->setObjectName(QStringLiteral("edGenerateParameters"));
  parameters_->setMaxLength(static_cast<int>(GenerateParametersMaxLength));
  parameters_->setText(ToQ(fields.Parameters));
  auto* parametersLabel = new QLabel(QStringLiteral("Мои числа или имя файла для загрузки:"), this);
  parametersLabel->setBuddy(parameters_);
  browse_->setObjectName(QStringLiteral("btnGenerateBrowse"));
  browse_->setText(QStringLiteral("..."));
  auto* parametersRow = new QHBoxLayout;
  parametersRow->addWidget(parameters_, 1);
  parametersRow->addWidget(browse_);

  saveDefault_->setObjectName(QStringLiteral("chkGenerateDefault"));
  saveDefault_->setText(QStringLiteral("Сохранить эти параметры для генерации комбинаций \"по умолчанию\""));
  saveDefault_->setChecked(false);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(mode_, &QComboBox::currentIndexChanged, this, &GenerateDialog::ModeChanged);
  connect(browse_, &QToolButton::clicked, this, &GenerateDialog::Browse);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(modeLabel);
  layout->addWidget(mode_);
  layout->addSpacing(6);
  layout->addWidget(parametersLabel);
  layout->addLayout(parametersRow);
  layout->addSpacing(6);
  layout->addWidget(saveDefault_);
  layout->addStretch(1);
  layout->addWidget(buttons);
  ModeChanged();
}

TGenerateDialogFields GenerateDialog::Fields() const {
  return {static_cast<uint8_t>(mode_->currentIndex()), FromQ(parameters_->text()), saveDefault_->isChecked()};
}

void GenerateDialog::ModeChanged() {
  const auto mode = static_cast<uint8_t>(mode_->currentIndex());
  parameters_->setEnabled(GenerateModeTakesText(mode));
  browse_->setEnabled(GenerateModeTakesFile(mode));
}

void GenerateDialog::Browse() {
  std::string path;
  if (ChooseOpenFileDialog(this, ListFileFilter, ListFileExt, path)) parameters_->setText(ToQ(path));
}

bool EditGenerateDialog(QWidget* parent, TGenerateDialogFields& fields) {
  GenerateDialog dialog(parent, fields);
  if (RunModal(dialog) != QDialog::Accepted) return false;
  fields = dialog.Fields();
  return true;
}

}  // namespace kavrin::gui
