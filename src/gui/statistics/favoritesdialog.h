#pragma once
// "Менеджер избранных методов расчета статистики": the tree of method groups and methods whose
// marks and captions the user edits. The dialog works on the core's TFavoritesManager; only the
// caller's confirmation hands the edits to the registry.
#include <QDialog>
#include <functional>

#include "app/uihost.h"
#include "stats/favoritesmanager.h"

class QCheckBox;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace kavrin::gui {

class FavoritesDialog : public QDialog {
  Q_OBJECT
 public:
  // `host` asks the new caption and the names file and shows failures; `describe` shows the
  // description of a registry entry; `folder` is where the names file chooser starts.
  FavoritesDialog(QWidget* parent, TFavoritesManager& manager, UiHost& host, std::function<void(int)> describe,
                  std::string folder);
  QTreeWidget* Tree() const { return tree_; }
  // After OK: the display options of the check boxes into the manager.
  void TakeOptions();

 private:
  void Fill();
  void ShowMarks();
  void Select(QTreeWidgetItem* item);
  void Toggle(QTreeWidgetItem* item);
  void UpdateButtons();
  void Rename();
  void ImportNames();
  void ExportNames();
  QPushButton* AddButton(const char* name, const QString& caption, const std::function<void()>& action);

  TFavoritesManager& manager_;
  UiHost& host_;
  std::function<void(int)> describe_;
  std::string folder_;
  QTreeWidget* tree_;
  QCheckBox* ordered_;
  QCheckBox* groupNames_;
  QCheckBox* methodFlags_;
  QList<QPushButton*> groupButtons_;   // need a selected node
  QList<QPushButton*> methodButtons_;  // need a selected method node
};

// The dialog over `manager`; true when confirmed.
bool EditFavoritesDialog(QWidget* parent, TFavoritesManager& manager, UiHost& host,
                         const std::function<void(int)>& describe, const std::string& folder);

}  // namespace kavrin::gui
