// The stakes and rating tabs over a data folder: stakes made in the dialog, checking, deletion by
// condition, the rating's graphs, sorting and the layout kept from one run to the next, each
// compared with what the core and kavrin-cli give for the same files.
#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <memory>
#include <sstream>

#include "cli/cli.h"
#include "gui/common/graphwindow.h"
#include "gui/common/qttext.h"
#include "gui/main/actionregistry.h"
#include "gui/main/mainwindow.h"
#include "gui/rating/ratingspage.h"
#include "gui/stakes/stakespage.h"
#include "guitest.h"

using namespace kavrin;
using namespace kavrin::gui;

namespace {

using test::StartWindow;
using test::Trigger;

QTableView* StakesGrid(MainWindow& window) { return window.findChild<QTableView*>(QStringLiteral("sgStakes")); }
QTableView* RatingsList(MainWindow& window) { return window.findChild<QTableView*>(QStringLiteral("lvRatings")); }

QString Cell(QTableView* view, int row, int column) { return view->model()->index(row, column).data().toString(); }


// kavrin-cli's table rows (header first), each split into its cells.
std::vector<QStringList> CliRows(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int code = RunCli(args, out, err);
  if (code != ExitOk) qWarning("kavrin-cli failed: %s", err.str().c_str());
  std::vector<QStringList> rows;
  for (const QString& line : QString::fromStdString(out.str()).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
    rows.push_back(line.split(QLatin1Char('\t')));
  return rows;
}

// A stake of these numbers for this draw, made as the stake commands make it, without a check.
void AddStake(MainWindow& window, int draw, const TNumberSet& numbers, const std::string& comment) {
  TStakeData stake = window.Main().NewStake(StakeManual, numbers, comment);
  stake.DrawNumber = draw;
  QVERIFY(window.Main().StakesAddMany(stake, 1, true));
}

// A set of five numbers sharing `overlaps` numbers with the draw.
TNumberSet Sharing(const TComb& draw, int overlaps) {
  TNumberSet set;
  for (int i = 0; i < overlaps; ++i) set.Numbers[set.Count++] = draw[i];
  for (uint8_t n = 1; set.Count < DrawSize; ++n)
    if (std::find(draw.begin(), draw.end(), n) == draw.end()) set.Numbers[set.Count++] = n;
  SortNumberSet(set);
  return set;
}

void CompareSeries(const GraphWindow& shown, const TGraphData& expected) {
  QCOMPARE(shown.windowTitle(), QString::fromStdString(expected.Caption));
  QCOMPARE(shown.SeriesCount(), static_cast<int>(expected.Series.size()));
  for (int s = 0; s < shown.SeriesCount(); ++s) {
    const TGraphSeries& want = expected.Series[s];
    QLineSeries* series = shown.Series(s);
    QCOMPARE(series->name(), QString::fromStdString(want.Title));
    QCOMPARE(series->count(), static_cast<int>(want.Points.size()));
    for (int p = 0; p < series->count(); ++p) {
      QCOMPARE(series->at(p).x(), static_cast<double>(want.Points[p].X));
      QCOMPARE(series->at(p).y(), static_cast<double>(want.Points[p].Y));
    }
  }
}

}  // namespace

class StakesTest : public QObject {
  Q_OBJECT
 private slots:
  void stakeFromTheDialogReachesGridAndCli();
  void checkAfterANewDrawShowsTheCliProfit();
  void deletionByConditionRemovesExactlyWhatItSays();
  void ratingGraphsShowTheCoreSeries();
  void sortOrderAndColumnWidthsSurviveARestart();
};

void StakesTest::stakeFromTheDialogReachesGridAndCli() {
  test::DataFolder folder;
  {
    test::ScriptedUser user;
    auto window = StartWindow(folder);
    QVERIFY(window);
    user.dialogs.push_back([&](QDialog& dialog) {
      [&] {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Добавление ставки"));
        auto* numbers = dialog.findChild<QLineEdit*>(QStringLiteral("edNumbers"));
        auto* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        dialog.show();
        numbers->setText(QStringLiteral("5;11;25;40"));
        ok->click();
        QVERIFY2(dialog.isVisible(), "four numbers are refused and the dialog stays");
        QCOMPARE(dialog.focusWidget(), static_cast<QWidget*>(numbers));
        numbers->setText(QStringLiteral("49, 11 ;25;40;5"));
        QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("edSum"))->text(), QStringLiteral("130"));
        dialog.findChild<QLineEdit*>(QStringLiteral("edComment"))->setText(QStringLiteral("Моя проверка"));
        ok->click();
      }();
      return dialog.result();
    });
    QVERIFY(Trigger(*window, "StakeAdd"));
    QVERIFY(user.dialogs.empty());
    QCOMPARE(user.boxes.size(), size_t(1));
    QCOMPARE(user.boxes[0].text, QStringLiteral("Введена некорректная комбинация!"));

    QTableView* grid = StakesGrid(*window);
    QCOMPARE(grid->model()->rowCount(), 1);
    QCOMPARE(Cell(grid, 0, 0), QStringLiteral("1501"));
    QCOMPARE(Cell(grid, 0, 2), QStringLiteral("5;11;25;40;49"));
    QCOMPARE(Cell(grid, 0, 8), QStringLiteral("Моя проверка"));
    QCOMPARE(grid->model()->index(0, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(234, 255, 234));
    QCOMPARE(window->Host().Panel(PanelStakes)->text(), QStringLiteral("Ставок: 1"));
    QVERIFY2(grid->selectionModel()->isRowSelected(0, {}), "the new stake is selected");
  }
  // The window has closed the file: the command-line tool on the same folder lists the stake.
  const std::vector<QStringList> rows = CliRows({"--data-dir", folder.Path(), "stakes", "list"});
  QCOMPARE(rows.size(), size_t(2));
  QCOMPARE(rows[1].value(0), QStringLiteral("1501"));
  QCOMPARE(rows[1].value(2), QStringLiteral("5;11;25;40;49"));
  QCOMPARE(rows[1].value(7), QStringLiteral("-100.00"));
  QCOMPARE(rows[1].value(8), QStringLiteral("Моя проверка"));
}

void StakesTest::checkAfterANewDrawShowsTheCliProfit() {
  test::DataFolder folder, copy;
  test::ScriptedUser user;
  auto window = StartWindow(folder);
  QVERIFY(window);
  TFormMain& main = window->Main();
  TNumberSet numbers;
  numbers.Count = 6;
  numbers.Numbers = {1, 2, 3, 4, 5, 6};
  AddStake(*window, 1501, numbers, "Шесть чисел");
  main.StakesRefreshView(true, false);
  QTableView* grid = StakesGrid(*window);
  QCOMPARE(Cell(grid, 0, 5), QString());
  QCOMPARE(Cell(grid, 0, 7), QStringLiteral("-600.00"));

  TDrawRec draw;
  draw.Number = 1501;
  draw.Numbers = {3, 9, 1, 40, 2};
  draw.Extra = 4;
  draw.Date = main.Archive.At(main.Archive.Count() - 1).Date;
  main.AppendDraw(draw);
  for (const char* name : {"Kavrin_5x50.ldr", "Kavrin_5x50.ini", "Kavrin_5x50.lsk"}) {
    QFile::remove(QString::fromStdString(copy.File(name)));
    QVERIFY(QFile::copy(QString::fromStdString(folder.File(name)), QString::fromStdString(copy.File(name))));
  }

  QVERIFY(Trigger(*window, "StakesCheckManual"));
  const std::vector<QStringList> rows =
      CliRows({"--data-dir", copy.Path(), "--decimal-separator", FormatSettings().DecimalSeparator, "stakes", "check"});
  QCOMPARE(rows.size(), size_t(2));
  QCOMPARE(Cell(grid, 0, 4), QStringLiteral("3;9;1;40;2"));
  QCOMPARE(Cell(grid, 0, 5), QStringLiteral("3"));
  QCOMPARE(Cell(grid, 0, 6), QStringLiteral("1 2 3"));
  QCOMPARE(Cell(grid, 0, 7), rows[1].value(7));
  QCOMPARE(rows[1].value(7), QStringLiteral("900.00"));
  // A profit above 0: the result columns are green.
  QCOMPARE(grid->model()->index(0, 7).data(Qt::ForegroundRole).value<QColor>(), QColor(0, 128, 0));
  QCOMPARE(window->Host().Panel(PanelRating)->text(), QStringLiteral("Рейтинг: 1"));

  // The spreadsheet export carries the grid's texts and colours.
  const TExportTable table = main.StakesExportTable();
  QCOMPARE(table.Title, std::string("Ставки"));
  QCOMPARE(table.Rows.size(), size_t(1));
  for (int column = 0; column < StakesColumnCount; ++column) {
    QCOMPARE(QString::fromStdString(table.Rows[0][column]), Cell(grid, 0, column));
    QCOMPARE(ToQColor(*table.Colors[0][column].Background),
             grid->model()->index(0, column).data(Qt::BackgroundRole).value<QColor>());
  }
  QCOMPARE(ToQColor(*table.Colors[0][7].Text), QColor(0, 128, 0));
  QVERIFY(user.boxes.empty());
}

void StakesTest::deletionByConditionRemovesExactlyWhatItSays() {
  test::DataFolder folder;
  test::ScriptedUser user;
  auto window = StartWindow(folder);
  QVERIFY(window);
  TFormMain& main = window->Main();
  const TComb last = main.Archive.At(main.Archive.Count() - 1).Numbers;
  // Checked stakes with 0..3 overlaps, a separator and a stake not yet drawn.
  for (int overlaps : {0, 3, 1}) AddStake(*window, 1500, Sharing(last, overlaps), "Условие");
  QVERIFY(main.StakesAppend(StakesNewSeparator(), 1));
  AddStake(*window, 1500, Sharing(last, 2), "Условие");
  AddStake(*window, 1501, Sharing(last, 0), "Условие");
  main.StakesCheckAndCommit();
  main.StakesRefreshView(true, false);
  QTableView* grid = StakesGrid(*window);
  QCOMPARE(grid->model()->rowCount(), 6);

  // Cancelled: nothing goes.
  QVERIFY(Trigger(*window, "StakeFilter"));
  QCOMPARE(grid->model()->rowCount(), 6);

  user.dialogs.push_back([](QDialog& dialog) {
    [&] {
      QCOMPARE(dialog.windowTitle(), QStringLiteral("Удаление по условию"));
      auto* condition = dialog.findChild<QComboBox*>(QStringLiteral("cbCondition"));
      auto* overlaps = dialog.findChild<QSpinBox*>(QStringLiteral("edOverlaps"));
      QCOMPARE(condition->currentText(), QStringLiteral("Равно [ = ]"));
      QCOMPARE(overlaps->value(), 0);
      QCOMPARE(overlaps->maximum(), 5);
      condition->setCurrentIndex(condition->findText(QStringLiteral("Менее [ < ]")));
      overlaps->setValue(2);
    }();
    return int(QDialog::Accepted);
  });
  QVERIFY(Trigger(*window, "StakeFilter"));
  QVERIFY(user.dialogs.empty());
  // Less than 2 overlaps goes, the unchecked stake (-1) included; the separator stays.
  QCOMPARE(grid->model()->rowCount(), 3);
  QCOMPARE(Cell(grid, 0, 5), QStringLiteral("3"));
  QCOMPARE(Cell(grid, 1, 0), QString());
  QCOMPARE(Cell(grid, 2, 5), QStringLiteral("2"));
  QCOMPARE(window->Host().Panel(PanelStakes)->text(), QStringLiteral("Ставок: 3"));
  QVERIFY(user.boxes.empty());
}

void StakesTest::ratingGraphsShowTheCoreSeries() {
  test::DataFolder folder;
  test::ScriptedUser user;
  auto window = StartWindow(folder);
  QVERIFY(window);
  TFormMain& main = window->Main();
  // Two comments over the last two draws, all checked.
  for (int back : {1, 0}) {
    const TDrawRec& draw = main.Archive.At(main.Archive.Count() - 1 - back);
    AddStake(*window, draw.Number, Sharing(draw.Numbers, 2 + back), "Первый");
    AddStake(*window, draw.Number, Sharing(draw.Numbers, 1), "Второй");
  }
  AddStake(*window, main.Archive.At(main.Archive.Count() - 1).Number + 1, Sharing({1, 2, 3, 4, 5}, 0), "Первый");
  main.StakesCheckAndCommit();
  main.StakesRefreshView(true, false);
  QTableView* list = RatingsList(*window);
  QCOMPARE(list->model()->rowCount(), 2);
  QCOMPARE(list->model()->columnCount(), 18);
  list->selectAll();
  QCOMPARE(main.RatingsSelection, (std::vector<int>{0, 1}));

  // What the core computes for each graph, straight from the files and the rating.
  TProfitDrawArray draws;
  TGraphData overlaps{StakesGraphOverlapCaption, {}}, profits{StakesGraphProfitsCaption, {}};
  const std::vector<std::string> keys = {main.Ratings[0].Key, main.Ratings[1].Key};
  main.Stakes.ForEach(0, [&](int64_t, const TStakeData& stake) {
    if (stake.DrawNumber >= 0) draws.Add(stake.DrawNumber, stake.Profit);
    AddStakeGraphPoint(overlaps, stake, keys, false);
    AddStakeGraphPoint(profits, stake, keys, true);
    return true;
  });
  const struct {
    const char* command;
    TGraphData expected;
  } graphs[] = {{"StakesGraphDraws", ProfitByDrawsGraph(draws)},
                {"StakesGraphOverlap", overlaps},
                {"StakesGraphProfits", profits},
                {"RatingsGraphOverlap", RatingsOverlapGraph({main.Ratings[0], main.Ratings[1]})}};
  for (const auto& graph : graphs) {
    bool shown = false;
    user.dialogs.push_back([&](QDialog& dialog) {
      auto* window = qobject_cast<GraphWindow*>(&dialog);
      shown = window != nullptr;
      if (window) CompareSeries(*window, graph.expected);
      return int(QDialog::Rejected);
    });
    QVERIFY(Trigger(*window, graph.command));
    QVERIFY2(shown, graph.command);
    if (QTest::currentTestFailed()) return;
  }
  QCOMPARE(graphs[0].expected.Series.size(), size_t(3));
  QCOMPARE(graphs[3].expected.Series.size(), size_t(3));
  QVERIFY(user.boxes.empty());
}

void StakesTest::sortOrderAndColumnWidthsSurviveARestart() {
  test::DataFolder folder;
  test::ScriptedUser user;
  {
    auto window = StartWindow(folder);
    QVERIFY(window);
    TFormMain& main = window->Main();
    const TDrawRec& draw = main.Archive.At(main.Archive.Count() - 1);
    AddStake(*window, draw.Number, Sharing(draw.Numbers, 2), "Б");
    AddStake(*window, draw.Number, Sharing(draw.Numbers, 1), "А");
    AddStake(*window, draw.Number, Sharing(draw.Numbers, 1), "А");
    main.StakesCheckAndCommit();
    QTableView* list = RatingsList(*window);
    QCOMPARE(Cell(list, 0, 0), QStringLiteral("Б"));  // average overlaps, descending

    // A click sorts by the column ascending, a second click turns the order round.
    QHeaderView* header = list->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(1) + 5, header->height() / 2));
    QCOMPARE(main.RatingsSortOrder, (TListSort{1, 0}));
    QCOMPARE(Cell(list, 0, 0), QStringLiteral("Б"));
    QCOMPARE(Cell(list, 1, 1), QStringLiteral("2"));
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(1) + 5, header->height() / 2));
    QCOMPARE(main.RatingsSortOrder, (TListSort{1, 1}));
    QCOMPARE(Cell(list, 0, 0), QStringLiteral("А"));
    QCOMPARE(header->sortIndicatorSection(), 1);
    QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);

    // Another efficiency mode repaints the E columns at once.
    QSignalSpy repainted(list->model(), &QAbstractItemModel::dataChanged);
    QVERIFY(Trigger(*window, "RatingsEffMode0"));
    QCOMPARE(repainted.count(), 1);
    QCOMPARE(Cell(list, 0, 12), QString::fromStdString(RatingsRowCells(main.Ratings[0], 0)[12]));
    QCOMPARE(Cell(list, 0, 12), QStringLiteral("1"));

    header->resizeSection(0, 333);
    StakesGrid(*window)->horizontalHeader()->resizeSection(2, 222);
    window->close();
  }
  auto window = StartWindow(folder);
  QVERIFY(window);
  QCOMPARE(window->Main().RatingsSortOrder, (TListSort{1, 1}));
  QCOMPARE(RatingsList(*window)->horizontalHeader()->sortIndicatorSection(), 1);
  QCOMPARE(RatingsList(*window)->columnWidth(0), 333);
  QCOMPARE(StakesGrid(*window)->columnWidth(2), 222);
  QCOMPARE(Cell(RatingsList(*window), 0, 0), QStringLiteral("А"));
}

QTEST_MAIN(StakesTest)
#include "test_stakes.moc"
