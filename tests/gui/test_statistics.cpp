// The statistics tab against kavrin-cli over the same archive: the cells of the table, and the
// list that "Удалить выделенные" leaves; the favourites manager's edits reaching the kind list.
#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QInputDialog>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>
#include <memory>
#include <sstream>

#include "cli/cli.h"
#include "combs/listfile.h"
#include "core/format.h"
#include "core/inifile.h"
#include "core/viewsettings.h"
#include "gui/archive/archivetab.h"
#include "gui/main/actionregistry.h"
#include "gui/main/mainwindow.h"
#include "gui/statistics/favoritesdialog.h"
#include "gui/statistics/statchart.h"
#include "gui/statistics/statisticspage.h"
#include "guitest.h"

using namespace kavrin;
using namespace kavrin::gui;

namespace {

using test::StartWindow;

StatisticsPage& Page(MainWindow& window) { return *window.findChild<StatisticsPage*>(); }

// Chooses the kind of the method `code` in the tab's kind list.
void ChooseKind(MainWindow& window, const std::string& code) {
  const int entry = window.Main().Stats.FindCode(code);
  const std::vector<TStatKindItem>& items = window.Main().StatPage.Kinds.Items;
  for (int i = 0; i < static_cast<int>(items.size()); ++i)
    if (items[i].Entry == entry) Page(window).Kinds()->setCurrentIndex(i);
}

// Types the window length and presses Enter, as the user recalculates.
void EnterWindowLength(MainWindow& window, int length) {
  QSpinBox* field = Page(window).WindowLength();
  field->selectAll();
  QTest::keyClicks(field, QString::number(length));
  QTest::keyClick(field, Qt::Key_Return);
}

// kavrin-cli over its own copy of the data (the window holds the folder's lock), with the
// window's decimal separator; its output lines split at tabs.
std::vector<QStringList> RunCli(const test::DataFolder& folder, std::vector<std::string> args) {
  args.insert(args.begin(),
              {"--data-dir", folder.Path(), "--quiet", "--decimal-separator", FormatSettings().DecimalSeparator});
  std::ostringstream out, err;
  const int status = kavrin::RunCli(args, out, err);
  if (status != 0) qWarning("kavrin-cli: %s", err.str().c_str());
  std::vector<QStringList> lines;
  for (const QString& line : QString::fromStdString(out.str()).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
    lines.push_back(line.split(QLatin1Char('\t')));
  return lines;
}

}  // namespace

class StatisticsTest : public QObject {
  Q_OBJECT
 private slots:
  void tableShowsTheCellsOfTheCli();
  void deletingSelectedRowsLeavesTheListOfTheCliExclusion();
  void favoritesDialogChangesTheKindList();
  void layoutAndWindowLengthKeptFromOneRunToTheNext();
};

void StatisticsTest::tableShowsTheCellsOfTheCli() {
  test::DataFolder folder, cliFolder;
  test::ScriptedUser user;
  auto window = StartWindow(folder);
  QVERIFY(window);
  // An offset shows the "Факт" columns; the depth sort descending is two header clicks.
  window->Archive().OffsetField()->setValue(7);
  ChooseKind(*window, "SUM2");
  EnterWindowLength(*window, 60);
  QCOMPARE(window->Main().StatPage.WindowLength, 60);
  QHeaderView* header = Page(*window).Table()->horizontalHeader();
  header->sectionClicked(ColDepth);
  header->sectionClicked(ColDepth);

  const std::vector<QStringList> cli =
      RunCli(cliFolder, {"stats", "SUM2", "--window", "60", "--offset", "7", "--sort", "Глубина:desc"});
  QAbstractItemModel* model = Page(*window).Table()->model();
  QVERIFY(cli.size() > 2);
  QCOMPARE(model->rowCount() + 1, static_cast<int>(cli.size()));
  for (int column = 0; column < StatColumnCount; ++column)
    QCOMPARE(model->headerData(column, Qt::Horizontal).toString(), cli[0][column]);
  for (int row = 0; row < model->rowCount(); ++row)
    for (int column = 0; column < StatColumnCount; ++column)
      QCOMPARE(model->index(row, column).data().toString(), cli[row + 1][column]);

  // Without the comparison its three columns are hidden; the chart plots the counts with titled axes.
  for (int column = 0; column < StatColumnCount; ++column)
    QCOMPARE(Page(*window).Table()->isColumnHidden(column), column >= ColNorm && column <= ColDeviationPercent);
  QChart* chart = Page(*window).Chart()->chart();
  QCOMPARE(Page(*window).Chart()->SeriesCount(), 1);
  for (QAbstractAxis* axis : chart->axes()) QVERIFY(!axis->titleText().isEmpty());
  QVERIFY(user.boxes.empty());
}

void StatisticsTest::deletingSelectedRowsLeavesTheListOfTheCliExclusion() {
  test::DataFolder folder, cliFolder;
  test::ScriptedUser user;
  auto window = StartWindow(folder);
  QVERIFY(window);
  TTemplateMain& main = window->Main();
  ActionRegistry& actions = window->Actions();
  ChooseKind(*window, "NUMS");
  EnterWindowLength(*window, 30);
  QTableView* table = Page(*window).Table();
  auto selectRows = [&](std::initializer_list<int> rows) {
    table->clearSelection();
    for (int row : rows)
      table->selectionModel()->select(table->model()->index(row, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
  };
  // A smaller list first: the combinations of one number.
  selectRows({0});
  QVERIFY(actions.Action("StatFilter_Include")->isEnabled());
  actions.Action("StatFilter_Include")->trigger();
  QCOMPARE(main.Combs.CombsList.Count(), 211876);

  const std::string before = cliFolder.File("before.lcv"), after = cliFolder.File("after.lcv");
  QVERIFY(main.CombsSaveFile(before));
  // Rows chosen after a sort, so that row order is not value order.
  table->horizontalHeader()->sectionClicked(ColLastDraw);
  selectRows({1, 4, 9});
  const QString values[] = {table->model()->index(1, 0).data().toString(),
                            table->model()->index(4, 0).data().toString(),
                            table->model()->index(9, 0).data().toString()};
  // The selection follows its values through another sort.
  table->horizontalHeader()->sectionClicked(ColDepth);
  QStringList selected;
  for (const int row : main.StatSelection) selected << table->model()->index(row, 0).data().toString();
  selected.sort();
  QStringList chosen(std::begin(values), std::end(values));
  chosen.sort();
  QCOMPARE(selected, chosen);
  QVERIFY(actions.Action("StatFilter_Exclude")->isEnabled());
  actions.Action("StatFilter_Exclude")->trigger();

  RunCli(cliFolder,
         {"combs", "filter", "NUMS", "--in", before, "--window", "30", "--value", values[0].toStdString(), "--value",
          values[1].toStdString(), "--value", values[2].toStdString(), "--exclude", "--out", after});
  TCombList expected;
  ReadListFile(after, expected);
  QVERIFY(expected.Count() < 211876);
  QCOMPARE(main.Combs.CombsList.Count(), expected.Count());
  for (int i = 0; i < expected.Count(); ++i) QVERIFY(main.Combs.CombsList[i] == expected[i]);
  QVERIFY(user.boxes.empty());
}

void StatisticsTest::favoritesDialogChangesTheKindList() {
  test::DataFolder folder;
  test::ScriptedUser user;
  auto window = StartWindow(folder);
  QVERIFY(window);
  QString described;
  user.dialogs.push_back([&](QDialog& dialog) {
    auto& favorites = dynamic_cast<FavoritesDialog&>(dialog);
    dialog.findChild<QPushButton*>(QStringLiteral("btUnmarkAll"))->click();
    // The third and the fourth methods of the second group, the third renamed.
    QTreeWidgetItem* group = favorites.Tree()->topLevelItem(1);
    favorites.Tree()->itemClicked(group->child(2), 0);
    favorites.Tree()->itemClicked(group->child(3), 0);
    favorites.Tree()->setCurrentItem(group->child(2));
    dialog.findChild<QPushButton*>(QStringLiteral("btDescription"))->click();
    dialog.findChild<QPushButton*>(QStringLiteral("btRename"))->click();
    return QDialog::Accepted;
  });
  user.dialogs.push_back([&](QDialog& description) {
    described = description.findChild<QLabel*>(QStringLiteral("lbCaption"))->text();
    return QDialog::Rejected;
  });
  user.dialogs.push_back([](QDialog& input) {
    dynamic_cast<QInputDialog&>(input).setTextValue(QStringLiteral("Моя сумма"));
    return QDialog::Accepted;
  });
  const TStatList& stats = window->Main().Stats;
  const QString caption = QString::fromStdString(stats.Items(stats.FindCode("SUM2")).CaptionWithFormula());
  window->Actions().Action("StatFavorites")->trigger();

  QCOMPARE(described, caption);
  QComboBox* kinds = Page(*window).Kinds();
  QCOMPARE(kinds->count(), 2);
  QCOMPARE(kinds->currentIndex(), 0);
  QVERIFY(kinds->itemText(0).contains(QStringLiteral("Моя сумма")));
  // The table on screen is the first kind's, not that of the kind chosen before: a forced
  // calculation of the selected kind shows the same values.
  QCOMPARE(window->Main().StatPage.Kinds.SelectedEntry(), window->Main().Stats.FindCode("SUM2"));
  QAbstractItemModel* model = Page(*window).Table()->model();
  auto valueColumn = [&] {
    QStringList values;
    for (int row = 0; row < model->rowCount(); ++row) values << model->index(row, ColValue).data().toString();
    return values;
  };
  const QStringList shown = valueColumn();
  window->Actions().Action("StatRefresh")->trigger();
  QVERIFY(!shown.isEmpty());
  QCOMPARE(valueColumn(), shown);
  QVERIFY(user.boxes.empty());
}

void StatisticsTest::layoutAndWindowLengthKeptFromOneRunToTheNext() {
  test::DataFolder folder;
  test::ScriptedUser user;
  auto window = StartWindow(folder);
  QVERIFY(window);
  QHeaderView* header = Page(*window).Table()->horizontalHeader();
  header->resizeSection(ColWeight, 123);
  header->sectionClicked(ColDepth);
  header->sectionClicked(ColDepth);
  EnterWindowLength(*window, 77);
  QVERIFY(window->close());
  window.reset();

  const TIniFile ini(folder.File(ViewSettingsFileName));
  QCOMPARE(ini.ReadInteger(MainWindowSection, "lvDrawsStat.Column8", 0), 123);
  QCOMPARE(ini.ReadString(MainWindowSection, "lvDrawsStat.SortType", ""), std::string("6,1"));
  QCOMPARE(ini.ReadInteger(MainWindowSection, "DrawsStatLen", 0), 77);

  auto again = StartWindow(folder);
  QVERIFY(again);
  header = Page(*again).Table()->horizontalHeader();
  QCOMPARE(header->sectionSize(ColWeight), 123);
  QCOMPARE(header->sortIndicatorSection(), static_cast<int>(ColDepth));
  QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
  QCOMPARE(Page(*again).WindowLength()->value(), 77);
  QCOMPARE(again->Main().StatPage.Window.DrawsUsed, 77);
}

QTEST_MAIN(StatisticsTest)
#include "test_statistics.moc"
