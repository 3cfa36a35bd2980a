#pragma once
// The two lists of the scenario page as item models over the application object: the scenario
// lines (cells normalised by the core when the view asks for them) and the online catalog rows.
#include <QAbstractTableModel>

#include "app/templatemain.h"

namespace kavrin::gui {

inline constexpr int ScriptViewColumnCount = 9;

class ScriptLinesModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit ScriptLinesModel(TTemplateMain& main, QObject* parent = nullptr);
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  // After any change of the lines.
  void Refresh();

 private:
  TTemplateMain& main_;
  int rows_ = 0;
  // The cells of the last row asked for: normalising a line parses its seven filters.
  mutable int cachedRow_ = -1;
  mutable std::array<std::string, ScriptViewColumnCount> cells_;
};

// Sorting by ScriptCatalogModel::SortRole keeps numbers in numeric order.
class ScriptCatalogModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  static constexpr int SortRole = Qt::UserRole + 1;
  explicit ScriptCatalogModel(TTemplateMain& main, QObject* parent = nullptr);
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  // After the catalog was reloaded or a row changed.
  void Refresh();

 private:
  TTemplateMain& main_;
  int rows_ = 0;
};

}  // namespace kavrin::gui
