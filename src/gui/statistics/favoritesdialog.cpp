#include "gui/statistics/favoritesdialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "gui/common/modal.h"
#include "gui/common/qttext.h"

namespace kavrin::gui {
namespace {

constexpr int GroupRole = Qt::UserRole;
constexpr int MethodRole = Qt::UserRole + 1;

TFavoritesManager::TNodeRef NodeOf(const QTreeWidgetItem* item) {
  if (item == nullptr) return {};
  return {item->data(0, GroupRole).toInt(), item->data(0, MethodRole).toInt()};
}

}  // namespace

FavoritesDialog::FavoritesDialog(QWidget* parent, TFavoritesManager& manager, UiHost& host,
                                 std::function<void(int)> describe, std::string folder)
    : QDialog(parent),
      manager_(manager),
      host_(host),
      describe_(std::move(describe)),
      folder_(std::move(folder)),
      tree_(new QTreeWidget(this)),
      ordered_(new QCheckBox(this)),
      groupNames_(new QCheckBox(this)),
      methodFlags_(new QCheckBox(this)) {
  setObjectName(QStringLiteral("TFormFavorites"));
  setWindowTitle(ToQ(FavoritesManagerCaption));
  auto* label = new QLabel(ToQ(FavoritesManagerLabel), this);
  tree_->setObjectName(QStringLiteral("tvMethods"));
  tree_->setHeaderHidden(true);
  tree_->setUniformRowHeights(true);
  label->setBuddy(tree_);
  auto* total = new QLabel(ToQ(manager.TotalText()), this);
  total->setObjectName(QStringLiteral("lbTotal"));

  ordered_->setObjectName(QStringLiteral("cbOrdered"));
  ordered_->setText(QStringLiteral("Сортировать списки по названию метода"));
  ordered_->setChecked(manager.Ordered);
  groupNames_->setObjectName(QStringLiteral("cbShowGroupName"));
  groupNames_->setText(QStringLiteral("Отображать идентификатор группы { xxx } перед названием метода"));
  groupNames_->setChecked(manager.ShowGroupName);
  methodFlags_->setObjectName(QStringLiteral("cbShowMethodFlags"));
  methodFlags_->setText(QStringLiteral("Отображать особенности метода [ YYY ] после названия метода"));
  methodFlags_->setChecked(manager.ShowMethodFlags);

  auto* buttons = new QGridLayout;
  auto place = [&](QPushButton* button, int row, int column) { buttons->addWidget(button, row, column); };
  place(AddButton("btUnmarkAll", QStringLiteral("Сбросить все"),
                  [this] {
                    manager_.MarkAll(false);
                    ShowMarks();
                  }),
        0, 0);
  place(AddButton("btMarkAll", QStringLiteral("Выбрать все"),
                  [this] {
                    manager_.MarkAll(true);
                    ShowMarks();
                  }),
        0, 1);
  groupButtons_ << AddButton("btUnmarkGroup", QStringLiteral("Сбросить группу"), [this] {
    manager_.MarkGroup(false);
    ShowMarks();
  });
  groupButtons_ << AddButton("btMarkGroup", QStringLiteral("Выбрать группу"), [this] {
    manager_.MarkGroup(true);
    ShowMarks();
  });
  place(groupButtons_[0], 1, 0);
  place(groupButtons_[1], 1, 1);
  methodButtons_ << AddButton("btRename", QStringLiteral("Переименовать"), [this] { Rename(); });
  methodButtons_ << AddButton("btRestore", QStringLiteral("Вернуть"), [this] {
    manager_.Restore();
    Fill();
  });
  methodButtons_ << AddButton("btDescription", QStringLiteral("Описание"),
                              [this] { describe_(manager_.SelectedEntry()); });
  place(methodButtons_[0], 2, 0);
  place(methodButtons_[1], 2, 1);
  buttons->addWidget(methodButtons_[2], 3, 0, 1, 2);
  place(AddButton("btImport", QStringLiteral("Импорт названий"), [this] { ImportNames(); }), 4, 0);
  place(AddButton("btExport", QStringLiteral("Экспорт названий"), [this] { ExportNames(); }), 4, 1);
  buttons->setRowStretch(5, 1);

  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);

  connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) { Select(item); });
  connect(tree_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) { Toggle(item); });
  connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) { Toggle(item); });

  auto* middle = new QHBoxLayout;
  middle->addWidget(tree_, 1);
  middle->addLayout(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addLayout(middle, 1);
  layout->addWidget(total);
  layout->addWidget(ordered_);
  layout->addWidget(groupNames_);
  layout->addWidget(methodFlags_);
  layout->addWidget(box);
  resize(760, 600);
  Fill();
}

QPushButton* FavoritesDialog::AddButton(const char* name, const QString& caption, const std::function<void()>& action) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  connect(button, &QPushButton::clicked, this, action);
  return button;
}

void FavoritesDialog::Fill() {
  const TFavoritesManager::TNodeRef selected = manager_.Selected;
  const QSignalBlocker block(tree_);
  tree_->clear();
  QTreeWidgetItem* current = nullptr;
  for (int g = 0; g < static_cast<int>(manager_.Groups.size()); ++g) {
    const TFavoritesManager::TGroupNode& group = manager_.Groups[g];
    auto* groupItem = new QTreeWidgetItem(tree_, {ToQ(group.Text)});
    groupItem->setData(0, GroupRole, g);
    groupItem->setData(0, MethodRole, -1);
    if (selected.Group == g && selected.Method < 0) current = groupItem;
    for (int m = 0; m < static_cast<int>(group.Methods.size()); ++m) {
      auto* item = new QTreeWidgetItem(groupItem, {ToQ(group.Methods[m].Text)});
      item->setData(0, GroupRole, g);
      item->setData(0, MethodRole, m);
      // The mark follows a click anywhere on the node, so Qt's own check box toggling is off.
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      if (selected.Group == g && selected.Method == m) current = item;
    }
  }
  tree_->expandAll();
  ShowMarks();
  if (current) tree_->setCurrentItem(current);
  manager_.Selected = selected;
  UpdateButtons();
}

void FavoritesDialog::ShowMarks() {
  const QSignalBlocker block(tree_);
  for (int g = 0; g < tree_->topLevelItemCount(); ++g) {
    QTreeWidgetItem* groupItem = tree_->topLevelItem(g);
    for (int m = 0; m < groupItem->childCount(); ++m)
      groupItem->child(m)->setCheckState(0, manager_.Groups.at(g).Methods.at(m).Marked ? Qt::Checked : Qt::Unchecked);
  }
}

void FavoritesDialog::Select(QTreeWidgetItem* item) {
  manager_.Selected = NodeOf(item);
  UpdateButtons();
}

void FavoritesDialog::Toggle(QTreeWidgetItem* item) {
  const TFavoritesManager::TNodeRef node = NodeOf(item);
  if (node.Method < 0) return;
  manager_.Toggle(node);
  ShowMarks();
}

void FavoritesDialog::UpdateButtons() {
  for (QPushButton* button : groupButtons_) button->setEnabled(manager_.Selected.Group >= 0);
  for (QPushButton* button : methodButtons_) button->setEnabled(manager_.MethodSelected());
}

void FavoritesDialog::Rename() {
  if (!manager_.MethodSelected()) return;
  const TFavoritesManager::TNodeRef node = manager_.Selected;
  std::string text = manager_.Groups[node.Group].Methods[node.Method].Text;
  if (!host_.InputText(FavoritesRenameCaption, FavoritesRenamePrompt, text)) return;
  manager_.Rename(text);
  Fill();
}

void FavoritesDialog::ImportNames() {
  std::string path = folder_ + "/";
  if (!host_.ChooseOpenFile(FavoritesNamesFilter, FavoritesNamesExtension, path)) return;
  std::string error;
  if (!manager_.ImportNames(path, error)) host_.ShowError(error);
  Fill();
}

void FavoritesDialog::ExportNames() {
  std::string path = folder_ + "/";
  if (!host_.ChooseSaveFile(FavoritesNamesFilter, FavoritesNamesExtension, path)) return;
  std::string error;
  if (!manager_.ExportNames(path, error)) host_.ShowError(error);
}

void FavoritesDialog::TakeOptions() {
  manager_.Ordered = ordered_->isChecked();
  manager_.ShowGroupName = groupNames_->isChecked();
  manager_.ShowMethodFlags = methodFlags_->isChecked();
}

bool EditFavoritesDialog(QWidget* parent, TFavoritesManager& manager, UiHost& host,
                         const std::function<void(int)>& describe, const std::string& folder) {
  FavoritesDialog dialog(parent, manager, host, describe, folder);
  if (RunModal(dialog) != QDialog::Accepted) return false;
  dialog.TakeOptions();
  return true;
}

}  // namespace kavrin::gui
