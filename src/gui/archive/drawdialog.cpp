#include "gui/archive/drawdialog.h"

#include <QDateTime>
#include <QLocale>
#include <QPushButton>
#include <cmath>

#include "gui/common/messageboxes.h"
#include "gui/common/modal.h"
#include "gui/common/qttext.h"
#include "ui_drawdialog.h"

namespace kavrin::gui {
namespace {

const QDate DateZero(1899, 12, 30);

}  // namespace

QDateTime ToQDateTime(TDateTime value) {
  const double days = std::floor(value);
  const auto seconds = static_cast<int>(std::lround((value - days) * 86400.0));
  return QDateTime(DateZero.addDays(static_cast<qint64>(days)), QTime(0, 0)).addSecs(seconds);
}

TDateTime FromQDateTime(const QDateTime& value) {
  const QDate d = value.date();
  const QTime t = value.time();
  return EncodeDateTime(d.year(), d.month(), d.day(), t.hour(), t.minute());
}

DrawDialog::DrawDialog(QWidget* parent, const QString& caption, const TDrawDialogFields& fields)
    : QDialog(parent), ui_(std::make_unique<Ui::DrawDialog>()) {
  ui_->setupUi(this);
  setWindowTitle(caption);
  // The interface is Russian: so are the month and day names of the long date.
  const QLocale russian(QLocale::Russian, QLocale::Russia);
  ui_->edDate->setLocale(russian);
  ui_->edDate->setDisplayFormat(russian.dateFormat(QLocale::LongFormat));
  ui_->edNumber->setValue(fields.Number);
  ui_->edNumbers->setText(ToQ(fields.NumbersText));
  const QDateTime when = ToQDateTime(fields.DateTime);
  ui_->edDate->setDate(when.date());
  ui_->edTime->setTime(when.time());
  connect(ui_->buttons, &QDialogButtonBox::accepted, this, &DrawDialog::accept);
  connect(ui_->buttons, &QDialogButtonBox::rejected, this, &DrawDialog::reject);
  setMinimumWidth(420);
}

DrawDialog::~DrawDialog() = default;

TDrawDialogFields DrawDialog::Fields() const {
  TDrawDialogFields fields;
  fields.Number = ui_->edNumber->value();
  fields.NumbersText = FromQ(ui_->edNumbers->text());
  fields.DateTime = FromQDateTime(QDateTime(ui_->edDate->date(), ui_->edTime->time()));
  return fields;
}

void DrawDialog::accept() {
  if (!DrawFromDialog(Fields())) {
    ShowErrorBox(this, InvalidDrawNumbersMessage);
    ui_->edNumbers->setFocus();
    return;
  }
  QDialog::accept();
}

bool EditDrawDialog(QWidget* parent, const std::string& caption, TDrawDialogFields& fields) {
  DrawDialog dialog(parent, ToQ(caption), fields);
  if (RunModal(dialog) != QDialog::Accepted) return false;
  fields = dialog.Fields();
  return true;
}

}  // namespace kavrin::gui
