#pragma once
// The system dialog "Система", editable for the user's own systems and read-only for the others.
// The combinations text is normalised when the focus leaves it; OK accepts only what the core's
// validation accepts, showing a refusal, focusing its field and keeping the dialog open.
#include <QDialog>
#include <functional>
#include <string>

#include "systems/systemcatalog.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace kavrin::gui {

class SystemDialog : public QDialog {
  Q_OBJECT
 public:
  // `openUrl` opens the link in the user's browser.
  SystemDialog(QWidget* parent, const TSystemDialogFields& fields, bool editable,
               std::function<void(const std::string&)> openUrl);
  TSystemDialogFields Fields() const;
  void accept() override;
  QPlainTextEdit* CombsEdit() const { return combs_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SetFields(const TSystemDialogFields& fields);
  // False after showing the error of a word that is no integer.
  bool Normalise();
  void ShowCombsMenu(const QPoint& pos);

  bool editable_;
  std::function<void(const std::string&)> openUrl_;
  QLineEdit* title_;
  QPlainTextEdit* description_;
  QLineEdit* author_;
  QLineEdit* url_;
  QPushButton* openLink_;
  QPlainTextEdit* combs_;
  QLineEdit* created_;
  QLineEdit* combinations_;
  QLineEdit* nums_;
  QLineEdit* length_;
  QLineEdit* block_;
  QLineEdit* downloads_;
  QLineEdit* lastDownload_;
};

// Runs the dialog; true with `fields` replaced by what OK accepted. A read-only dialog gives
// false.
bool EditSystemDialog(QWidget* parent, TSystemDialogFields& fields, bool editable,
                      std::function<void(const std::string&)> openUrl);

}  // namespace kavrin::gui
