#pragma once
// "Найдена новая версия программы": the running and the new version and the description;
// accepted by "Установить".
#include <QDialog>

#include "online/updatecheck.h"

namespace kavrin::gui {

class UpdateDialog : public QDialog {
  Q_OBJECT
 public:
  UpdateDialog(QWidget* parent, const TUpdateOffer& offer);
};

}  // namespace kavrin::gui
