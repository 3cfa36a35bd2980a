#pragma once
// The draw dialog of adding and editing a draw. OK accepts only what the core's draw rules
// accept; a refusal shows its message, focuses the numbers and keeps the dialog open.
#include <QDialog>
#include <memory>

#include "core/drawlist.h"

namespace Ui {
class DrawDialog;
}

namespace kavrin::gui {

class DrawDialog : public QDialog {
  Q_OBJECT
 public:
  DrawDialog(QWidget* parent, const QString& caption, const TDrawDialogFields& fields);
  ~DrawDialog() override;
  TDrawDialogFields Fields() const;
  void accept() override;

 private:
  std::unique_ptr<Ui::DrawDialog> ui_;
};

// Runs the dialog; true with `fields` replaced by what OK accepted.
bool EditDrawDialog(QWidget* parent, const std::string& caption, TDrawDialogFields& fields);

QDateTime ToQDateTime(TDateTime value);
TDateTime FromQDateTime(const QDateTime& value);

}  // namespace kavrin::gui
