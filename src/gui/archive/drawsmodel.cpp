#include "gui/archive/drawsmodel.h"

#include <QColor>

#include "core/drawlist.h"
#include "gui/common/qttext.h"

namespace kavrin::gui {

DrawsModel::DrawsModel(TTemplateMain& main, QObject* parent)
    : QAbstractTableModel(parent), main_(main), rows_(main.Archive.Count()) {}

int DrawsModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int DrawsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : DrawListColumnCount; }

QVariant DrawsModel::data(const QModelIndex& index, int role) const {
  const int position = index.row();
  if (!index.isValid() || position >= main_.Archive.Count()) return {};
  switch (role) {
    case Qt::DisplayRole: {
      if (position != cachedPosition_) {
        cachedRow_ = DrawListRow(main_.Archive.At(main_.Archive.IndexOfPosition(position)), main_.View.SortedDraws);
        cachedPosition_ = position;
      }
      return QString::fromStdString(cachedRow_[index.column()]);
    }
    case Qt::BackgroundRole: {
      const auto color = DrawListCellColor(main_.Archive, position, index.column(), main_.View.SortedDraws,
                                           main_.View.ColorDraws, main_.Config.ChannelSize);
      if (color) return ToQColor(*color);
      return {};
    }
    case Qt::ForegroundRole:
      // Coloured cells keep dark text whatever the desktop's theme.
      if (DrawListCellColor(main_.Archive, position, index.column(), main_.View.SortedDraws, main_.View.ColorDraws,
                            main_.Config.ChannelSize))
        return QColor(Qt::black);
      return {};
    case Qt::TextAlignmentRole:
      return index.column() == DrawListColumnCount - 1 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                                       : QVariant(Qt::AlignCenter);
    default:
      return {};
  }
}

QVariant DrawsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= DrawListColumnCount)
    return {};
  return ToQ(DrawListCaptions()[section]);
}

void DrawsModel::Refresh() {
  cachedPosition_ = -1;
  if (rows_ != main_.Archive.Count()) {
    beginResetModel();
    rows_ = main_.Archive.Count();
    endResetModel();
  } else if (rows_ > 0) {
    emit dataChanged(index(0, 0), index(rows_ - 1, DrawListColumnCount - 1));
  }
}

}  // namespace kavrin::gui
