#pragma once
// The favourites manager without widgets: a tree of method groups and methods whose marks and
// texts the user edits; only confirming hands them to the registry.
#include <string>
#include <vector>

#include "stats/statlist.h"

namespace kavrin {

inline constexpr char FavoritesManagerCaption[] = "Менеджер избранных методов расчета статистики";
inline constexpr char FavoritesManagerLabel[] = "Отметьте методы расчета статистики, которые Вы хотите использовать:";
inline constexpr char FavoritesRenameCaption[] = "Переименование";
inline constexpr char FavoritesRenamePrompt[] = "Введите наименование фильтра:";
inline constexpr char FavoritesNamesFilter[] = "Наименования фильтров (*.flt)|*.flt";
inline constexpr char FavoritesNamesExtension[] = "flt";

class TFavoritesManager {
 public:
  struct TMethodNode {
    int Entry = 0;     // registry entry
    std::string Text;  // the display caption, as the user edits it
    bool Marked = false;
  };
  struct TGroupNode {
    std::string Text;  // GroupTitle of the group
    std::vector<TMethodNode> Methods;
  };
  // A node of the tree: a group node (Method -1) or one of its methods; Group -1 is none.
  struct TNodeRef {
    int Group = -1;
    int Method = -1;
  };

  // Fills the tree from the available entries, marked when Enabled, and the check boxes from the
  // display options.
  explicit TFavoritesManager(TStatList& stats);

  std::vector<TGroupNode> Groups;
  bool Ordered;          // "Сортировать списки по названию метода"
  bool ShowGroupName;    // "Отображать идентификатор группы { xxx } перед названием метода"
  bool ShowMethodFlags;  // "Отображать особенности метода [ YYY ] после названия метода"
  TNodeRef Selected;

  // "всего %d методов"
  std::string TotalText() const;
  bool MethodSelected() const;

  // A click or double click on a method node.
  void Toggle(TNodeRef node);
  // "Выбрать все" / "Сбросить все".
  void MarkAll(bool marked);
  // "Выбрать группу" / "Сбросить группу": the group of the selected node.
  void MarkGroup(bool marked);
  // "Переименовать" with the text the user typed, and "Вернуть" to the method's own caption;
  // both act on the selected method node.
  void Rename(const std::string& text);
  void Restore();
  // "Описание": the registry entry of the selected method node, or -1.
  int SelectedEntry() const;
  const TStatList& Stats() const { return stats_; }

  // "Импорт названий": the node texts become the captions the names file holds for the current
  // language (the own caption where it holds none); marks and the registry stay as they are.
  // False with the message in `error` when the file cannot be read.
  bool ImportNames(const std::string& fileName, std::string& error);
  // "Экспорт названий": writes the node texts of every method as a names file; the registry keeps
  // its captions.
  bool ExportNames(const std::string& fileName, std::string& error);

  // OK: marks and texts go to the entries (a text equal to the own caption, letter case aside,
  // leaves no user caption), then NormalizeFavorites and the display options.
  void Confirm();

 private:
  const TMethodNode* SelectedMethod() const;
  // The user captions the node texts stand for, by entry.
  void ApplyTexts();
  TStatList& stats_;
};

}  // namespace kavrin
