#pragma once
// "Описание методики расчета": what the program knows of a statistic method (code, caption,
// group, features) and, where the help file can be shown, the link to its page.
#include <QDialog>

#include "app/uihost.h"

namespace kavrin::gui {

class DescriptionWindow : public QDialog {
  Q_OBJECT
 public:
  DescriptionWindow(QWidget* parent, const TMethodDescription& description);
};

}  // namespace kavrin::gui
