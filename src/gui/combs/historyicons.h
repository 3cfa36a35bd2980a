#pragma once
// The icons of the commands "Удалить выделенные", "Оставить выделенные" and "Отменить", which the
// applied-filters list shows beside each operation.
#include <QIcon>

#include "combs/history.h"

namespace kavrin::gui {

QIcon HistoryIcon(THistoryIcon icon);

}  // namespace kavrin::gui
