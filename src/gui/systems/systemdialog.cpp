#include "gui/systems/systemdialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/cp1251.h"
#include "core/fileio.h"
#include "core/format.h"
#include "gui/common/filedialogs.h"
#include "gui/common/messageboxes.h"
#include "gui/common/modal.h"
#include "gui/common/qttext.h"

namespace kavrin::gui {
namespace {

constexpr char TextFileFilter[] = "Текстовые файлы (*.txt)|*.txt|Все файлы (*.*)|*.*";

QLineEdit* Field(QWidget* parent, const char* name, const char* hint) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setToolTip(QString::fromUtf8(hint));
  return edit;
}

}  // namespace

SystemDialog::SystemDialog(QWidget* parent, const TSystemDialogFields& fields, bool editable,
                           std::function<void(const std::string&)> openUrl)
    : QDialog(parent), editable_(editable), openUrl_(std::move(openUrl)) {
  setObjectName(QStringLiteral("SystemDialog"));
  setWindowTitle(ToQ(SystemDialogCaption));
  title_ = Field(this, "edTitle", "Название системы");
  description_ = new QPlainTextEdit(this);
  description_->setObjectName(QStringLiteral("edDescription"));
  description_->setToolTip(QStringLiteral("Описание системы"));
  description_->setMaximumHeight(description_->fontMetrics().height() * 5);
  author_ = Field(this, "edAuthor", "Автор системы");
  url_ = Field(this, "edUrl", "Ссылка на интернет-ресурс");
  openLink_ = new QPushButton(QStringLiteral("Открыть ссылку в браузере"), this);
  openLink_->setObjectName(QStringLiteral("btOpenUrl"));
  combs_ = new QPlainTextEdit(this);
  combs_->setObjectName(QStringLiteral("edCombs"));
  combs_->setToolTip(QStringLiteral("Список комбинаций системы"));
  combs_->setContextMenuPolicy(Qt::CustomContextMenu);
  combs_->setLineWrapMode(QPlainTextEdit::NoWrap);
  created_ = Field(this, "edCreated", "Время создания системы");
  combinations_ = Field(this, "edCombinations", "Количество комбинаций в списке");
  nums_ = Field(this, "edNums", "Количество используемых чисел");
  length_ = Field(this, "edLength", "Длина одной комбинации");
  block_ = Field(this, "edBlock", "Длина блока");
  downloads_ = Field(this, "edDownloads", "Количество загрузок пользователями");
  lastDownload_ = Field(this, "edLastDownload", "Время последней загрузки");
  for (QLineEdit* readOnly : {created_, combinations_, length_, downloads_, lastDownload_}) readOnly->setReadOnly(true);
  // The times are shown whole.
  const int fieldWidth = created_->fontMetrics().horizontalAdvance(QStringLiteral("0000-00-00 00:00:00")) + 16;
  for (QLineEdit* edit : {created_, combinations_, nums_, length_, block_, downloads_, lastDownload_})
    edit->setFixedWidth(fieldWidth);
  for (QLineEdit* edit : {title_, author_, url_, nums_, block_}) edit->setReadOnly(!editable);
  description_->setReadOnly(!editable);
  combs_->setReadOnly(!editable);
  nums_->installEventFilter(this);
  block_->installEventFilter(this);
  combs_->installEventFilter(this);
  SetFields(fields);

  connect(url_, &QLineEdit::textChanged, this,
          [this](const QString& text) { openLink_->setEnabled(!text.trimmed().isEmpty()); });
  openLink_->setEnabled(!url_->text().trimmed().isEmpty());
  connect(openLink_, &QPushButton::clicked, this, [this] {
    if (openUrl_) openUrl_(FromQ(url_->text().trimmed()));
  });
  connect(combs_, &QPlainTextEdit::customContextMenuRequested, this, &SystemDialog::ShowCombsMenu);

  // Read-only, only "Закрыть окно" remains.
  auto* buttons = new QDialogButtonBox(this);
  if (editable) buttons->addButton(QDialogButtonBox::Ok);
  buttons->addButton(QStringLiteral("Закрыть окно"), QDialogButtonBox::RejectRole);
  connect(buttons, &QDialogButtonBox::accepted, this, &SystemDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &SystemDialog::reject);

  auto* main = new QFormLayout;
  main->addRow(QStringLiteral("Наименование:"), title_);
  main->addRow(QStringLiteral("Автор:"), author_);
  auto* urlRow = new QHBoxLayout;
  urlRow->addWidget(url_, 1);
  urlRow->addWidget(openLink_);
  main->addRow(QStringLiteral("Ссылка:"), urlRow);
  main->addRow(QStringLiteral("Описание:"), description_);
  auto* combsBox = new QVBoxLayout;
  combsBox->addWidget(new QLabel(QStringLiteral("Список комбинаций:"), this));
  combsBox->addWidget(combs_, 1);
  auto* properties = new QFormLayout;
  properties->addRow(QStringLiteral("Создана:"), created_);
  properties->addRow(QStringLiteral("Комбинаций:"), combinations_);
  properties->addRow(QStringLiteral("Числа:"), nums_);
  properties->addRow(QStringLiteral("Длина:"), length_);
  properties->addRow(QStringLiteral("Блок:"), block_);
  properties->addRow(QStringLiteral("Загрузок:"), downloads_);
  properties->addRow(QStringLiteral("Последняя:"), lastDownload_);
  auto* lower = new QHBoxLayout;
  lower->addLayout(combsBox, 1);
  auto* right = new QVBoxLayout;
  right->addLayout(properties);
  right->addStretch(1);
  lower->addLayout(right);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(main);
  layout->addLayout(lower, 1);
  layout->addWidget(buttons);
  resize(720, 560);
}

void SystemDialog::SetFields(const TSystemDialogFields& fields) {
  title_->setText(ToQ(fields.Title));
  description_->setPlainText(ToQ(fields.Description));
  author_->setText(ToQ(fields.Author));
  url_->setText(ToQ(fields.Url));
  combs_->setPlainText(ToQ(fields.CombsText));
  created_->setText(ToQ(fields.CreatedText));
  combinations_->setText(ToQ(fields.CombinationsText));
  nums_->setText(ToQ(fields.NumsText));
  length_->setText(QStringLiteral("5"));
  block_->setText(ToQ(fields.BlockText));
  downloads_->setText(ToQ(fields.DownloadsText));
  lastDownload_->setText(ToQ(fields.LastDownloadText));
}

TSystemDialogFields SystemDialog::Fields() const {
  TSystemDialogFields fields;
  fields.Title = FromQ(title_->text());
  fields.Description = FromQ(description_->toPlainText());
  fields.Author = FromQ(author_->text());
  fields.Url = FromQ(url_->text());
  fields.CombsText = FromQ(combs_->toPlainText());
  fields.CreatedText = FromQ(created_->text());
  fields.CombinationsText = FromQ(combinations_->text());
  fields.NumsText = FromQ(nums_->text());
  fields.BlockText = FromQ(block_->text());
  fields.DownloadsText = FromQ(downloads_->text());
  fields.LastDownloadText = FromQ(lastDownload_->text());
  return fields;
}

bool SystemDialog::Normalise() {
  TSystemDialogFields fields = Fields();
  try {
    NormaliseSystemCombs(fields);
  } catch (const std::exception& e) {
    ShowErrorBox(this, e.what());
    return false;
  }
  combs_->setPlainText(ToQ(fields.CombsText));
  nums_->setText(ToQ(fields.NumsText));
  combinations_->setText(ToQ(fields.CombinationsText));
  return true;
}

bool SystemDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && (watched == nums_ || watched == block_) && editable_) {
    // Digits only: any other typed character is refused with a beep; editing keys stay.
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    if (!text.isEmpty() && text.at(0).isPrint() && !text.at(0).isDigit()) {
      QApplication::beep();
      return true;
    }
  }
  if (event->type() == QEvent::FocusOut && watched == combs_ && editable_) {
    const auto* focus = static_cast<QFocusEvent*>(event);
    // The context menu takes the focus for a moment; the text is not left then.
    if (focus->reason() != Qt::PopupFocusReason) Normalise();
  }
  return QDialog::eventFilter(watched, event);
}

void SystemDialog::ShowCombsMenu(const QPoint& pos) {
  QMenu menu(this);
  const QString text = combs_->toPlainText();
  QAction* copy = menu.addAction(QStringLiteral("Копировать в буфер обмена"));
  copy->setEnabled(combs_->textCursor().hasSelection());
  connect(copy, &QAction::triggered, this, [text] { QApplication::clipboard()->setText(text); });
  QAction* paste = menu.addAction(QStringLiteral("Вставить из буфера обмена"));
  paste->setEnabled(editable_ && !QApplication::clipboard()->text().isEmpty());
  connect(paste, &QAction::triggered, this, [this] {
    combs_->setPlainText(QApplication::clipboard()->text());
    Normalise();
  });
  QAction* selectAll = menu.addAction(QStringLiteral("Выделить все"));
  selectAll->setEnabled(!text.isEmpty());
  connect(selectAll, &QAction::triggered, combs_, &QPlainTextEdit::selectAll);
  menu.addSeparator();
  QAction* load = menu.addAction(QStringLiteral("Загрузить из файла"));
  load->setEnabled(editable_);
  connect(load, &QAction::triggered, this, [this] {
    std::string path;
    if (!ChooseOpenFileDialog(this, TextFileFilter, "txt", path)) return;
    try {
      combs_->setPlainText(ToQ(Cp1251ToUtf8(ReadFileBytes(path))));
    } catch (const std::exception& e) {
      ShowErrorBox(this, Format("Ошибка чтения файла!\r\r%s", {e.what()}));
      return;
    }
    Normalise();
  });
  QAction* save = menu.addAction(QStringLiteral("Сохранить в файле"));
  save->setEnabled(!text.isEmpty());
  connect(save, &QAction::triggered, this, [this, text] {
    std::string path;
    if (!ChooseSaveFileDialog(this, TextFileFilter, "txt", path)) return;
    QString lines = text;
    lines.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    try {
      WriteFileAtomic(path, Utf8ToCp1251(FromQ(lines)));
    } catch (const std::exception& e) {
      ShowErrorBox(this, Format("Ошибка записи файла!\r\r%s", {e.what()}));
    }
  });
  menu.exec(combs_->viewport()->mapToGlobal(pos));
}

void SystemDialog::accept() {
  if (!editable_ || !Normalise()) return;
  if (const auto error = ValidateSystemDialog(Fields())) {
    ShowErrorBox(this, error->Message);
    switch (error->Field) {
      case TSystemDialogField::Title: title_->setFocus(); break;
      case TSystemDialogField::Nums: nums_->setFocus(); break;
      case TSystemDialogField::Block: block_->setFocus(); break;
      case TSystemDialogField::Author: author_->setFocus(); break;
      case TSystemDialogField::Description: description_->setFocus(); break;
      case TSystemDialogField::Combs: combs_->setFocus(); break;
    }
    return;
  }
  QDialog::accept();
}

bool EditSystemDialog(QWidget* parent, TSystemDialogFields& fields, bool editable,
                      std::function<void(const std::string&)> openUrl) {
  SystemDialog dialog(parent, fields, editable, std::move(openUrl));
  if (RunModal(dialog) != QDialog::Accepted || !editable) return false;
  fields = dialog.Fields();
  return true;
}

}  // namespace kavrin::gui
