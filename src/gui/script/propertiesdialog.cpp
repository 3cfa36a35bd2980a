#include "gui/script/propertiesdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/appidentity.h"
#include "gui/common/messageboxes.h"
#include "gui/common/modal.h"
#include "gui/common/qttext.h"
#include "online/languages.h"

namespace kavrin::gui {
namespace {

QGroupBox* Choice(QWidget* parent, const QString& caption, const QString& hint, QRadioButton* first,
                  QRadioButton* second) {
  auto* box = new QGroupBox(caption, parent);
  box->setToolTip(hint);
  auto* layout = new QVBoxLayout(box);
  layout->addWidget(first);
  layout->addWidget(second);
  return box;
}

}  // namespace

ScriptPropertiesDialog::ScriptPropertiesDialog(QWidget* parent, const tScriptData& data, bool editable,
                                               UiHost::TScriptDialogCheck validate)
    : QDialog(parent), data_(data), validate_(std::move(validate)), title_(new QLineEdit(ToQ(data.Title), this)),
      author_(new QLineEdit(ToQ(data.Author), this)), language_(new QComboBox(this)),
      onlyHere_(new QRadioButton(ToQ(ScriptOnlyHereChoice(ProgramFileName)), this)),
      anyApp_(new QRadioButton(ToQ(ScriptAnyAppChoice), this)),
      everyone_(new QRadioButton(QStringLiteral("Сценарий виден всем пользователям"), this)),
      onlyMe_(new QRadioButton(QStringLiteral("Сценарий виден только мне"), this)),
      description_(new QPlainTextEdit(ToQ(data.Description), this)) {
  setObjectName(QStringLiteral("scriptPropertiesDialog"));
  setWindowTitle(ToQ(ScriptPropertiesCaption));
  title_->setObjectName(QStringLiteral("edTitle"));
  title_->setMaxLength(ScriptTitleMaxLength);
  title_->setToolTip(QStringLiteral("Название сценария"));
  author_->setObjectName(QStringLiteral("edAuthor"));
  author_->setMaxLength(ScriptTitleMaxLength);
  author_->setToolTip(QStringLiteral("Автор сценария"));
  language_->setObjectName(QStringLiteral("cbLanguage"));
  language_->setToolTip(QStringLiteral("Язык сценария"));
  for (const TLanguage& language : InterfaceLanguages()) language_->addItem(ToQ(language.Name), language.Id);
  const int language = language_->findData(data.LanguageId);
  language_->setCurrentIndex(language >= 0 ? language : language_->findData(RussianLanguageId));
  (data.Universal ? anyApp_ : onlyHere_)->setChecked(true);
  (data.Public ? everyone_ : onlyMe_)->setChecked(true);
  description_->setObjectName(QStringLiteral("edDescription"));

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Название:"), title_);
  form->addRow(QStringLiteral("Автор:"), author_);
  form->addRow(QStringLiteral("Язык:"), language_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(Choice(this, QStringLiteral(" Применяемость "),
                           QStringLiteral("В каком приложении можно использовать данный сценарий"), onlyHere_, anyApp_));
  layout->addWidget(Choice(this, QStringLiteral(" Доступность "),
                           QStringLiteral("Разрешаете ли Вы использовать данный сценарий другим членам сообщества"),
                           everyone_, onlyMe_));
  layout->addWidget(new QLabel(QStringLiteral("Описание:"), this));
  layout->addWidget(description_, 1);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setToolTip(QStringLiteral("Отправить сценарий на сервер"));
  buttons->button(QDialogButtonBox::Cancel)->setToolTip(QStringLiteral("Закрыть окно"));
  connect(buttons, &QDialogButtonBox::accepted, this, &ScriptPropertiesDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  if (!editable) {
    title_->setReadOnly(true);
    author_->setReadOnly(true);
    description_->setReadOnly(true);
    for (QWidget* field : std::initializer_list<QWidget*>{language_, onlyHere_, anyApp_, everyone_, onlyMe_})
      field->setEnabled(false);
    buttons->button(QDialogButtonBox::Ok)->hide();
  }
  resize(460, 440);
}

tScriptData ScriptPropertiesDialog::Fields() const {
  tScriptData data = data_;
  data.Title = FromQ(title_->text());
  data.Author = FromQ(author_->text());
  data.LanguageId = language_->currentData().toInt();
  data.Universal = anyApp_->isChecked();
  data.Public = everyone_->isChecked();
  data.Description = FromQ(description_->toPlainText());
  return data;
}

void ScriptPropertiesDialog::accept() {
  if (validate_) {
    if (const auto error = validate_(Fields())) {
      ShowErrorBox(this, error->Message);
      (error->Field == TScriptDialogField::Author ? author_ : title_)->setFocus(Qt::OtherFocusReason);
      return;
    }
  }
  QDialog::accept();
}

bool EditScriptPropertiesDialog(QWidget* parent, tScriptData& data, bool editable,
                                const UiHost::TScriptDialogCheck& validate) {
  ScriptPropertiesDialog dialog(parent, data, editable, validate);
  if (RunModal(dialog) != QDialog::Accepted || !editable) return false;
  data = dialog.Fields();
  return true;
}

ScriptRatesWindow::ScriptRatesWindow(QWidget* parent, const std::vector<TScriptRate>& rates) : QDialog(parent) {
  setObjectName(QStringLiteral("scriptRatesWindow"));
  setWindowTitle(ToQ(ScriptRatesCaption));
  auto* list = new QTableWidget(static_cast<int>(rates.size()), ScriptRatesColumnCount, this);
  list->setObjectName(QStringLiteral("lvRates"));
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list->setSelectionBehavior(QAbstractItemView::SelectRows);
  list->verticalHeader()->hide();
  list->horizontalHeader()->setStretchLastSection(true);
  QStringList headers;
  for (const char* header : ScriptRatesColumnHeaders) headers << ToQ(header);
  list->setHorizontalHeaderLabels(headers);
  for (int row = 0; row < static_cast<int>(rates.size()); ++row) {
    const TScriptRate& rate = rates[row];
    const std::array<const std::string*, ScriptRatesColumnCount> cells = {
        &rate.Name, &rate.Rate, &rate.Created, &rate.AppName, &rate.AppVersion, &rate.Notes};
    for (int column = 0; column < ScriptRatesColumnCount; ++column)
      list->setItem(row, column, new QTableWidgetItem(ToQ(*cells[column])));
  }
  list->resizeColumnsToContents();
  auto* close = new QPushButton(QStringLiteral("Закрыть"), this);
  close->setObjectName(QStringLiteral("btClose"));
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list, 1);
  layout->addLayout(buttons);
  resize(640, 360);
}

}  // namespace kavrin::gui
