#include "gui/script/scriptmodels.h"

#include <QApplication>
#include <QIcon>
#include <QStyle>
#include <array>

#include "gui/common/qttext.h"
#include "online/scriptview.h"

namespace kavrin::gui {

// ---- scenario lines ----

ScriptLinesModel::ScriptLinesModel(TTemplateMain& main, QObject* parent)
    : QAbstractTableModel(parent), main_(main), rows_(static_cast<int>(main.ScriptLines.size())) {}

int ScriptLinesModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int ScriptLinesModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : ScriptViewColumnCount;
}

QVariant ScriptLinesModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || role != Qt::DisplayRole) return {};
  if (index.row() != cachedRow_) {
    cells_ = main_.ScriptRowText(index.row());
    cachedRow_ = index.row();
  }
  return ToQ(cells_[index.column()]);
}

QVariant ScriptLinesModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ScriptViewColumnCount)
    return {};
  if (section == 0) return QStringLiteral("Комментарии");
  if (section == 1) return QStringLiteral("Опции");
  return QStringLiteral("Фильтр %1").arg(section - 1);
}

void ScriptLinesModel::Refresh() {
  beginResetModel();
  cachedRow_ = -1;
  rows_ = static_cast<int>(main_.ScriptLines.size());
  endResetModel();
}

// ---- online catalog ----

ScriptCatalogModel::ScriptCatalogModel(TTemplateMain& main, QObject* parent)
    : QAbstractTableModel(parent), main_(main), rows_(static_cast<int>(main.ScriptsRows.size())) {}

int ScriptCatalogModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int ScriptCatalogModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : ScriptsColumnCount;
}

QVariant ScriptCatalogModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= static_cast<int>(main_.ScriptsRows.size())) return {};
  const tScriptInfo& row = main_.ScriptsRows[index.row()];
  const int column = index.column();
  switch (role) {
    case Qt::DisplayRole: return ToQ(ScriptRowCells(row)[column]);
    case Qt::DecorationRole:
      if (column != 0) return {};
      // A network drive for a scenario every user sees, a computer for one only its author sees.
      return QApplication::style()->standardIcon(row.Public ? QStyle::SP_DriveNetIcon : QStyle::SP_ComputerIcon);
    case Qt::ToolTipRole:
      if (column == 0) return row.Public ? QStringLiteral("Сценарий виден всем пользователям")
                                         : QStringLiteral("Сценарий виден только мне");
      return {};
    case SortRole:
      switch (column) {
        case 7: return static_cast<double>(row.Rating);
        case 8: return row.RatingsCount;
        case 9: return row.YourRating;
        case 10: return row.Downloads;
        case 6: return row.Created;
        case 11: return row.LastDownload;
        default: return ToQ(ScriptRowCells(row)[column]);
      }
    case Qt::TextAlignmentRole:
      return column >= 7 && column <= 10 ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    default: return {};
  }
}

QVariant ScriptCatalogModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ScriptsColumnCount)
    return {};
  return ToQ(ScriptsColumnHeaders[section]);
}

void ScriptCatalogModel::Refresh() {
  beginResetModel();
  rows_ = static_cast<int>(main_.ScriptsRows.size());
  endResetModel();
}

}  // namespace kavrin::gui
