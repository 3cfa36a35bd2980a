// The draw view tabs over the demonstration archive: the grids show the core's cells, their
// depth fields and the offset rebuild them, a selection feeds the filters, and the exports carry
// the grids' colours.
#include <QAction>
#include <QFileDialog>
#include <QHeaderView>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>
#include <memory>
#include <set>

#include "app/tableexport.h"
#include "gui/archive/archivetab.h"
#include "gui/main/actionregistry.h"
#include "gui/main/mainwindow.h"
#include "gui/views/viewgrid.h"
#include "guitest.h"
#include "support/xlsx_reader.h"
#include "views/card.h"
#include "views/schema.h"

using namespace kavrin;
using namespace kavrin::gui;

namespace {

using test::StartWindow;

ViewGrid* Grid(MainWindow& window, const char* name) { return window.findChild<ViewGrid*>(QString::fromLatin1(name)); }

// Every cell and header of the grid against the core's text of the same grid cell; the first
// difference, or an empty text.
template <typename Text>
QString FirstDifference(const ViewGrid& grid, int rows, int columns, Text&& text) {
  const QAbstractItemModel& model = *grid.model();
  if (model.rowCount() != rows - 1 || model.columnCount() != columns - 1)
    return QStringLiteral("size %1 x %2").arg(model.rowCount()).arg(model.columnCount());
  for (int c = 1; c < columns; ++c)
    if (model.headerData(c - 1, Qt::Horizontal).toString().toStdString() != text(0, c))
      return QStringLiteral("header of column %1").arg(c);
  for (int r = 1; r < rows; ++r) {
    if (model.headerData(r - 1, Qt::Vertical).toString().toStdString() != text(r, 0))
      return QStringLiteral("header of row %1").arg(r);
    for (int c = 1; c < columns; ++c)
      if (model.index(r - 1, c - 1).data().toString().toStdString() != text(r, c))
        return QStringLiteral("cell %1, %2").arg(r).arg(c);
  }
  return {};
}

// The schema as `kavrin-cli view schema` builds it.
TSchemaGrid CoreSchema(const TTemplateMain& main) {
  const TDrawArchive& archive = main.Archive;
  return TSchemaGrid(CountAppearances(archive.Draws(), AnalysisWindow(archive.Count(), archive.Offset(),
                                                                      main.View.LayoutLen)),
                     archive.NextDrawMarks());
}

// Answers the save dialog with this path.
std::function<int(QDialog&)> SaveAs(const QString& path) {
  return [path](QDialog& dialog) {
    auto* chooser = qobject_cast<QFileDialog*>(&dialog);
    if (!chooser) return int(QDialog::Rejected);
    chooser->selectFile(path);
    return int(QDialog::Accepted);
  };
}

}  // namespace

class ViewsTest : public QObject {
  Q_OBJECT
 private slots:
  void gridsShowTheCoresCellsAndFollowDepthAndOffset();
  void cardSelectionKeepsExactlyTheCombinationsWithItsNumbers();
  void exportedCardCarriesTheGridsColours();
};

void ViewsTest::gridsShowTheCoresCellsAndFollowDepthAndOffset() {
  test::DataFolder folder;
  test::ScriptedUser user;
  auto window = StartWindow(folder);
  QVERIFY(window);
  TFormMain& main = window->Main();
  const TDrawsArray& draws = main.Archive.Draws();

  ViewGrid* card = Grid(*window, "sgCard");
  QVERIFY(card);
  QCOMPARE(FirstDifference(*card, CardRowCount(draws), CardColumnCount,
                           [&](int r, int c) { return CardCellText(draws, r, c); }),
           QString());
  // A coloured cell shows the core's colour.
  const TCardColors colors = main.DrawViews.CardColors();
  int coloured = 0;
  for (int r = 1; r <= 20; ++r)
    for (int c = 1; c <= NumberMax; ++c) {
      const TCellColor expected = CardCellColor(draws, r, c, colors, false);
      const QVariant shown = card->model()->index(r - 1, c - 1).data(Qt::BackgroundRole);
      QCOMPARE(shown.isValid(), expected.Background == TCellBackground::Rgb);
      if (!shown.isValid()) continue;
      QCOMPARE(shown.value<QColor>().rgb() & 0xFFFFFF, expected.Rgb);
      ++coloured;
    }
  QVERIFY(coloured > 0);

  ViewGrid* schema = Grid(*window, "sgLayoutGrid");
  QVERIFY(schema);
  TSchemaGrid expected = CoreSchema(main);
  QCOMPARE(FirstDifference(*schema, expected.Rows(), expected.Columns(),
                           [&](int r, int c) { return expected.Cell(r, c); }),
           QString());

  // Enter in the depth field rebuilds: one draw gives one column with its five numbers.
  auto* depth = window->findChild<QSpinBox*>(QStringLiteral("edLayoutLen"));
  QVERIFY(depth);
  depth->setValue(1);
  QTest::keyClick(depth, Qt::Key_Return);
  QCOMPARE(main.View.LayoutLen, 1);
  QCOMPARE(schema->model()->rowCount(), 1);
  QCOMPARE(schema->model()->columnCount(), 1);
  QCOMPARE(schema->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("1500"));

  // One step back: the hidden draw's numbers are bracketed and green, as the core has them.
  depth->setValue(20);
  QTest::keyClick(depth, Qt::Key_Return);
  window->Archive().OffsetField()->setValue(1);
  expected = CoreSchema(main);
  QCOMPARE(FirstDifference(*schema, expected.Rows(), expected.Columns(),
                           [&](int r, int c) { return expected.Cell(r, c); }),
           QString());
  bool bracketed = false;
  for (int r = 1; r < expected.Rows(); ++r)
    for (int c = 1; c < expected.Columns(); ++c)
      if (expected.Cell(r, c).find('[') != std::string::npos) {
        bracketed = true;
        QCOMPARE(schema->model()->index(r - 1, c - 1).data(Qt::BackgroundRole).value<QColor>(), QColor(0, 255, 0));
      }
  QVERIFY(bracketed);

  // The comparison lists show the core's lists, captions included.
  const auto& lists = main.DrawViews.CompareLists();
  for (int i = 0; i < CompareListCount; ++i) {
    auto* tree = window->findChild<QTreeWidget*>(QStringLiteral("lvLayoutCompare%1").arg(i + 1));
    QVERIFY(tree);
    QCOMPARE(tree->headerItem()->text(1).toStdString(), lists[i].Caption);
    QCOMPARE(tree->topLevelItemCount(), static_cast<int>(lists[i].Rows.size()));
    QCOMPARE(tree->topLevelItem(0)->text(1).toStdString(), lists[i].Rows[0].Numbers);
  }
  QVERIFY(user.boxes.empty());
}

void ViewsTest::cardSelectionKeepsExactlyTheCombinationsWithItsNumbers() {
  test::DataFolder folder;
  test::ScriptedUser user;
  auto window = StartWindow(folder);
  QVERIFY(window);
  TFormMain& main = window->Main();
  QVERIFY(main.CombsGenerate({2, "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15"}, false));
  std::vector<TComb> before;
  for (int i = 0; i < main.Combs.CombsList.Count(); ++i) before.push_back(main.Combs.CombsList[i]);

  ViewGrid* card = Grid(*window, "sgCard");
  QVERIFY(card);
  const TGridRect rect{3, 1, 12, 3};
  card->Select(rect);
  QCOMPARE(main.DrawViews.CardSelection, rect);
  std::set<int> numbers;
  for (int r = rect.Top; r <= rect.Bottom; ++r)
    for (int c = rect.Left; c <= rect.Right; ++c)
      if (!CardCellText(main.Archive.Draws(), r, c).empty()) numbers.insert(c);
  QVERIFY(!numbers.empty());

  QAction* keep = window->Actions().Action("CardFilter_Include");
  window->UpdateCommandStates();
  QVERIFY(keep->isEnabled());
  keep->trigger();
  std::vector<TComb> kept;
  for (const TComb& comb : before)
    if (std::any_of(comb.begin(), comb.end(), [&](uint8_t n) { return numbers.count(n) > 0; })) kept.push_back(comb);
  QCOMPARE(main.Combs.CombsList.Count(), static_cast<int>(kept.size()));
  for (int i = 0; i < main.Combs.CombsList.Count(); ++i) QVERIFY(main.Combs.CombsList[i] == kept[i]);
  QCOMPARE(main.Combs.History.Rows().back().Caption, std::string("Карта"));
  QVERIFY(user.boxes.empty());

  // Only empty cells: nothing to filter by, and the list stays.
  const int count = main.Combs.CombsList.Count();
  int empty = 1;
  while (!CardCellText(main.Archive.Draws(), 1, empty).empty()) ++empty;
  card->Select({empty, 1, empty, 1});
  keep->trigger();
  QCOMPARE(main.Combs.CombsList.Count(), count);
  QCOMPARE(user.boxes.size(), size_t(1));
  QCOMPARE(user.boxes[0].text, QStringLiteral("В выделенном диапазоне нет значений для фильтра!"));

  // The extra column is no number: the filters are off while it is selected.
  card->Select({NumberMax, 1, CardExtraColumn, 1});
  window->UpdateCommandStates();
  QVERIFY(!keep->isEnabled());
}

void ViewsTest::exportedCardCarriesTheGridsColours() {
  test::DataFolder folder;
  test::ScriptedUser user;
  auto window = StartWindow(folder);
  QVERIFY(window);
  TFormMain& main = window->Main();
  const QString path = QString::fromStdString(folder.File("card.xlsx"));
  user.dialogs.push_back(SaveAs(path));
  user.answers.push_back(QMessageBox::No);  // do not open it
  window->Actions().Action("CardXlsExport")->trigger();
  QCOMPARE(user.boxes.size(), size_t(1));
  QVERIFY(user.boxes[0].text.contains(path));

  const test::XlsxBook book(path.toStdString());
  QCOMPARE(QString::fromStdString(book.SheetName()), QStringLiteral("Карта"));
  const TDrawsArray& draws = main.Archive.Draws();
  // Row 2 of the sheet is the newest draw; find a number cell the card colours.
  const TCardColors colors = main.DrawViews.CardColors();
  bool checked = false;
  for (int c = 1; c <= NumberMax && !checked; ++c) {
    const TCellColor color = CardCellColor(draws, 1, c, colors, false);
    if (color.Background != TCellBackground::Rgb || CardCellText(draws, 1, c).empty()) continue;
    std::string ref;
    for (int n = c + 1; n > 0; n = (n - 1) / 26) ref.insert(ref.begin(), static_cast<char>('A' + (n - 1) % 26));
    const test::XlsxCell* cell = book.Cell(ref + "2");
    QVERIFY(cell);
    QCOMPARE(cell->Shown, CardCellText(draws, 1, c));
    char fill[9];
    std::snprintf(fill, sizeof fill, "FF%06X", color.Rgb);
    QCOMPARE(cell->Fill, std::string(fill));
    checked = true;
  }
  QVERIFY(checked);
}

QTEST_MAIN(ViewsTest)
#include "test_views.moc"
