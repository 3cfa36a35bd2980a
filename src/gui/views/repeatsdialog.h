#pragma once
// TFormRepeats "Количество повторов в зависимости от тиража": the two parameters, the list of
// repeats and their chart. The application object computes; the dialog shows and forwards.
#include <QDialog>

#include "views/repeats.h"

class QSplitter;
class QTreeWidget;

namespace kavrin {
class TIniFile;
}

namespace kavrin::gui {

class DepthField;
class ViewChart;

class RepeatsDialog : public QDialog {
  Q_OBJECT
 public:
  RepeatsDialog(QWidget* parent, TRepeatsDialog& data);
  // Placement, the list's column widths and the chart's height, in the dialog's section.
  void RestoreLayout(const TIniFile& ini);
  void StoreLayout(TIniFile& ini) const;
  // The chart's height as the user left it.
  int ChartHeight() const;
  QTreeWidget* List() const { return list_; }
  ViewChart* Chart() const { return chart_; }

 private:
  // The parameters of the fields, then a new computation.
  void Calculate();
  void ShowResult();

  TRepeatsDialog& data_;
  DepthField* length_;
  DepthField* deep_;
  QTreeWidget* list_;
  ViewChart* chart_;
  QSplitter* split_;
};

}  // namespace kavrin::gui
