// The rating as the application uses it: its file, sorting, rebuild, export and the graphs of
// the rating and stakes tabs.
#include "app/tableexport.h"
#include "app/templatemain.h"
#include "core/cp1251.h"
#include "core/errors.h"
#include "core/fileio.h"

namespace kavrin {
namespace {

constexpr char GraphsText[] = "Создание графиков...";

std::vector<TRatingData> SelectedRows(const TRatingsArray& rows, const std::vector<int>& selection) {
  std::vector<TRatingData> selected;
  for (int row : selection)
    if (row >= 0 && row < static_cast<int>(rows.size())) selected.push_back(rows[row]);
  return selected;
}

void SortRatingRows(TTemplateMain& main, int column, int direction) {
  TTemplateMain::TOperation operation(main, "Сортировка рейтинга...");
  main.RatingsSortOrder = TListSort{column, direction};
  if (column >= 0 && main.Ratings.size() >= 2) RatingsSortRows(main.Ratings, column, direction);
}

}  // namespace

void TTemplateMain::RatingsLoad() {
  const std::string path = DataPath(RatingFileName);
  RatingsFileState.SetLoaded();
  if (FileExists(path)) {
    TOperation operation(*this, "Загрузка файла рейтинга...");
    Ratings.clear();
    if (!Guarded("Ошибка чтения файла рейтинга!", [&] {
          try {
            ReadRatingsFile(path, Ratings);
          } catch (const std::exception& e) {
            RatingsFileState.SetFailed(e.what());
            throw;
          }
        }))
      Ratings.clear();  // no row of a damaged file is shown as if it were the rating
    else
      SortRatingRows(*this, RatingsSortOrder.Column, RatingsSortOrder.Direction);
  }
  RatingsRefreshView();
}

void TTemplateMain::RatingsSave() {
  {
    TOperation busy(*this, "Сохранение файла рейтинга...");
    Guarded("Ошибка записи в файл рейтинга!", [&] {
      RatingsFileState.RequireLoaded();
      WriteRatingsFile(DataPath(RatingFileName), Ratings);
    });
  }
  RatingsRefreshView();
}

void TTemplateMain::RatingsSort(int column, int direction) {
  SortRatingRows(*this, column, direction);
  RatingsSave();
}

void TTemplateMain::RatingsRefreshView() {
  std::erase_if(RatingsSelection, [&](int row) { return row < 0 || row >= static_cast<int>(Ratings.size()); });
  SetStatus(PanelRating, Format("Рейтинг: %d", {Ratings.size()}));
  ViewChanged(TView::Ratings);
}

std::array<std::string, RatingsColumnCount> TTemplateMain::RatingsRowText(int row) const {
  if (row < 0 || row >= static_cast<int>(Ratings.size())) {
    std::array<std::string, RatingsColumnCount> cells;
    cells[0] = RatingsBadDataText;
    return cells;
  }
  return RatingsRowCells(Ratings[row], View.RatingsEffMode);
}

void TTemplateMain::RatingsRefreshExecute() {
  // Rebuilding replaces the rating file, a damaged one included: that too is asked first.
  if ((!Ratings.empty() || !RatingsFileState.Loaded()) &&
      !host_.Ask("Пересчитать рейтинг только по текущим ставкам?\r\rНакопленные ранее данные по удаленным ставкам "
                 "будут потеряны.",
                 "Подтверждение", true))
    return;
  bool rebuilt;
  {
    TOperation busy(*this, "Обновление рейтинга...");
    // Built aside, so that a failed read leaves the rating as it was.
    TRatingsArray rows;
    rebuilt = Guarded("Ошибка обновления рейтинга!", [&] {
      Stakes.ForEach(0, [&](int64_t, const TStakeData& stake) {
        if (stake.DrawNumber >= 0 && stake.Checked) RatingsAddStake(rows, stake);
        return true;
      });
    });
    if (rebuilt) Ratings = std::move(rows);
  }
  if (!rebuilt) return;
  RatingsFileState.SetLoaded();
  RatingsSort(RatingsSortOrder.Column, RatingsSortOrder.Direction);
}

void TTemplateMain::RatingsExportExecute() {
  std::string path;
  if (host_.ChooseSaveFile(RatingsCsvFilter, "csv", path)) RatingsExportFile(path);
}

bool TTemplateMain::RatingsExportFile(const std::string& path) {
  TOperation busy(*this, "Экспорт в CSV-файл...");
  bool ok = Guarded("", [&] { WriteFileAtomic(path, Utf8ToCp1251(RatingsCsvText(Ratings))); });
  return ok;
}

void TTemplateMain::RatingsEffModeExecute(int mode) {
  View.RatingsEffMode = mode;
  StoreViewSetting(&TViewSettings::RatingsEffMode);
  ViewChanged(TView::Ratings);  // the efficiency columns show the new mode
}

void TTemplateMain::StakesGraphDrawsExecute() {
  TGraphData graph;
  bool built;
  {
    TOperation busy(*this, GraphsText);
    built = Guarded("", [&] {
      TProfitDrawArray draws;
      Stakes.ForEach(0, [&](int64_t, const TStakeData& stake) {
        if (stake.DrawNumber >= 0) draws.Add(stake.DrawNumber, stake.Profit);
        return true;
      });
      graph = ProfitByDrawsGraph(draws);
    });
  }
  if (built) host_.ShowGraph(graph);
}

namespace {

// The overlaps or profits of the selected rows' stakes over the last 100 checked draws.
void StakesGraph(TTemplateMain& main, bool profit) {
  TGraphData graph{profit ? StakesGraphProfitsCaption : StakesGraphOverlapCaption, {}};
  bool built;
  {
    TTemplateMain::TOperation busy(main, GraphsText);
    built = [&] {
      try {
        std::vector<std::string> keys;
        for (const TRatingData& row : SelectedRows(main.Ratings, main.RatingsSelection)) keys.push_back(row.Key);
        if (keys.empty()) throw KavrinError(GraphTooFewDrawsMessage);
        TStakesFile::TRecentDraws recent = main.Stakes.SeekRecentDraws(100);
        if (recent.Found < 2) throw KavrinError(GraphTooFewDrawsMessage);
        main.Stakes.ForEach(recent.FirstIndex, [&](int64_t, const TStakeData& stake) {
          AddStakeGraphPoint(graph, stake, keys, profit);
          return true;
        });
        return true;
      } catch (const std::exception& e) {
        main.Host().ShowError(e.what());
        return false;
      }
    }();
  }
  if (built) main.Host().ShowGraph(graph);
}

}  // namespace

void TTemplateMain::StakesGraphOverlapExecute() { StakesGraph(*this, false); }

void TTemplateMain::StakesGraphProfitsExecute() { StakesGraph(*this, true); }

void TTemplateMain::RatingsGraphOverlapExecute() {
  std::vector<TRatingData> rows = SelectedRows(Ratings, RatingsSelection);
  if (rows.empty()) return;
  TGraphData graph;
  {
    TOperation busy(*this, GraphsText);
    graph = RatingsOverlapGraph(rows);
  }
  host_.ShowGraph(graph);
}

TExportTable TTemplateMain::RatingsExportTable() const {
  TExportTable table{"Рейтинг", {}, {}, {}};
  table.Header.assign(RatingsCaptions().begin(), RatingsCaptions().end());
  for (int row = 0; row < static_cast<int>(Ratings.size()); ++row) {
    const auto cells = RatingsRowText(row);
    table.Rows.emplace_back(cells.begin(), cells.end());
  }
  return table;
}

void TTemplateMain::RatingsXlsExportExecute() { TableXlsExport(host_, RatingsExportTable()); }

}  // namespace kavrin
