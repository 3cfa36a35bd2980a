// The combination page: the list over the application object's storage, generation through its
// dialog, removal of selected rows and undo, the clipboard, the excluded-draws field and the
// applied-filters list, with the status panel following each change.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "core/inifile.h"
#include "core/viewsettings.h"
#include "gui/combs/combspage.h"
#include "gui/common/detailsdialog.h"
#include "gui/main/actionregistry.h"
#include "gui/main/mainwindow.h"
#include "guitest.h"

using namespace kavrin;
using namespace kavrin::gui;

namespace {

using test::StartWindow;
using test::Trigger;

QTableView* List(MainWindow& window) { return window.findChild<QTableView*>(QStringLiteral("lvCombs")); }
QTableView* Filters(MainWindow& window) { return window.findChild<QTableView*>(QStringLiteral("lvFilters")); }
QString CombsPanel(MainWindow& window) { return window.Host().Panel(PanelCombs)->text(); }


// The list as the view shows it: the five number cells of each row joined.
QStringList Rows(QTableView* list) {
  QStringList rows;
  const QAbstractItemModel* model = list->model();
  for (int row = 0; row < model->rowCount(); ++row) {
    QStringList cells;
    for (int column = 1; column <= DrawSize; ++column) cells << model->index(row, column).data().toString();
    rows << cells.join(QLatin1Char(' '));
  }
  return rows;
}

void SelectRows(QTableView* list, std::initializer_list<int> rows) {
  list->clearSelection();
  for (const int row : rows)
    list->selectionModel()->select(list->model()->index(row, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

// The filters list's cells of one row.
QStringList FilterRow(MainWindow& window, int row) {
  const QAbstractItemModel* model = Filters(window)->model();
  return {model->index(row, 0).data().toString(), model->index(row, 1).data().toString(),
          model->index(row, 2).data().toString()};
}

}  // namespace

class CombsTest : public QObject {
  Q_OBJECT
 private slots:
  void fullListAndGenerationDialog();
  void removingSelectedRowsAndUndo();
  void clipboardRoundTrip();
  void excludedDrawsFieldAndLayoutKeptBetweenRuns();
};

void CombsTest::fullListAndGenerationDialog() {
  test::DataFolder folder;
  test::ScriptedUser user;
  auto window = StartWindow(folder);
  QVERIFY(window);
  QTableView* list = List(*window);
  const QAbstractItemModel* model = list->model();
  QCOMPARE(model->rowCount(), 2118760);
  QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("№ п.п."));
  QCOMPARE(model->headerData(6, Qt::Horizontal).toString(), QStringLiteral("S"));
  QCOMPARE(model->index(2118759, 0).data().toString(), QStringLiteral("2118760"));
  QCOMPARE(model->index(2118759, 6).data().toString(), QStringLiteral("240"));
  QCOMPARE(CombsPanel(*window), QStringLiteral("Комбинаций: 2118760"));

  // Number cells in their group colours while the switch is on, the list's own background off.
  const int channel = window->Main().Config.ChannelSize;
  QCOMPARE(model->index(0, 5).data(Qt::BackgroundRole).value<QColor>(), QColor::fromRgb(GroupColor(5, channel)));
  QVERIFY(!model->index(0, 0).data(Qt::BackgroundRole).isValid());
  QVERIFY(Trigger(*window, "ViewColorCombs"));
  QVERIFY(!window->Main().View.ColorCombs);
  QVERIFY(!model->index(0, 5).data(Qt::BackgroundRole).isValid());

  // Mode 2 ("only my numbers") with six numbers leaves C(6,5) combinations; the dialog's text
  // field and file button follow the mode.
  bool fieldsFollowMode = false;
  user.dialogs.push_back([&](QDialog& dialog) {
    auto* mode = dialog.findChild<QComboBox*>(QStringLiteral("cbGenerateMode"));
    auto* text = dialog.findChild<QLineEdit*>(QStringLiteral("edGenerateParameters"));
    auto* browse = dialog.findChild<QToolButton*>(QStringLiteral("btnGenerateBrowse"));
    mode->setCurrentIndex(0);
    const bool full = !text->isEnabled() && !browse->isEnabled();
    mode->setCurrentIndex(4);
    const bool file = text->isEnabled() && browse->isEnabled();
    mode->setCurrentIndex(2);
    fieldsFollowMode = full && file && text->isEnabled() && !browse->isEnabled() && mode->count() == 5;
    text->setText(QStringLiteral("3; 5, 7,9;11;13"));
    return int(QDialog::Accepted);
  });
  QVERIFY(Trigger(*window, "CombsGen"));
  QVERIFY(fieldsFollowMode);
  QCOMPARE(window->Main().Combs.CombsList.Count(), 6);
  QCOMPARE(model->rowCount(), 6);
  QCOMPARE(Rows(list).first(), QStringLiteral("3 5 7 9 11"));
  QCOMPARE(CombsPanel(*window), QStringLiteral("Комбинаций: 6"));
  QVERIFY2(!window->Actions().Action("CombsUndo")->isEnabled(), "generation leaves nothing to undo");

  // A cancelled dialog changes nothing.
  QVERIFY(Trigger(*window, "CombsGen"));
  QCOMPARE(model->rowCount(), 6);
  QVERIFY(user.boxes.empty());
}

void CombsTest::removingSelectedRowsAndUndo() {
  test::DataFolder folder;
  test::ScriptedUser user;
  auto window = StartWindow(folder);
  QVERIFY(window);
  TFormMain& main = window->Main();
  QVERIFY(main.CombsGenerate({2, "1,2,3,4,5,6,7"}, true));
  QTableView* list = List(*window);
  const QStringList before = Rows(list);
  QCOMPARE(before.size(), 21);

  SelectRows(list, {1, 2, 3, 10});
  QCOMPARE(main.CombsSelection.Count(), 4);
  // The details of the first selected combination.
  QString detailsTitle;
  user.dialogs.push_back([&](QDialog& dialog) {
    if (qobject_cast<DetailsDialog*>(&dialog)) detailsTitle = dialog.windowTitle();
    return int(QDialog::Accepted);
  });
  QVERIFY(Trigger(*window, "CombsInfo"));
  QCOMPARE(detailsTitle, QStringLiteral("Подробная информация"));

  QVERIFY(Trigger(*window, "CombsDelSelected"));
  QStringList expected = before;
  for (const int row : {10, 3, 2, 1}) expected.removeAt(row);
  QCOMPARE(Rows(list), expected);
  QCOMPARE(CombsPanel(*window), QStringLiteral("Комбинаций: 17"));
  QVERIFY2(main.CombsSelection.Empty() && !list->selectionModel()->hasSelection(), "the selection is cleared");
  QCOMPARE(Filters(*window)->model()->rowCount(), 1);
  QCOMPARE(FilterRow(*window, 0), (QStringList{QStringLiteral("Выделенные комбинации"), QStringLiteral("4"),
                                               QStringLiteral("17")}));
  QVERIFY(!Filters(*window)->model()->index(0, 0).data(Qt::DecorationRole).value<QIcon>().isNull());

  QVERIFY(Trigger(*window, "CombsUndo"));
  QCOMPARE(Rows(list), before);
  QCOMPARE(CombsPanel(*window), QStringLiteral("Комбинаций: 21"));
  QCOMPARE(Filters(*window)->model()->rowCount(), 0);
  QVERIFY2(!window->Actions().Action("CombsUndo")->isEnabled(), "one level of undo");

  // "Выделить все" selects every row in the view too, and removing them empties the list.
  QVERIFY(Trigger(*window, "CombsSelectAll"));
  QCOMPARE(list->selectionModel()->selectedRows().size(), 21);
  QVERIFY(Trigger(*window, "CombsDelSelected"));
  QCOMPARE(list->model()->rowCount(), 0);
  QCOMPARE(CombsPanel(*window), QStringLiteral("Комбинаций: 0"));
  QVERIFY(user.boxes.empty());
}

void CombsTest::clipboardRoundTrip() {
  test::DataFolder folder;
  test::ScriptedUser user;
  auto window = StartWindow(folder);
  QVERIFY(window);
  TFormMain& main = window->Main();
  QVERIFY(main.CombsGenerate({2, "1,2,3,4,5,6,7,12"}, true));
  QTableView* list = List(*window);
  const QStringList all = Rows(list);
  SelectRows(list, {40, 0, 55});
  // Ctrl+C belongs to the list while it has the focus.
  window->findChild<QTabWidget*>(QStringLiteral("pcLeft"))->setCurrentWidget(window->Pages().Combinations);
  window->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window.get()));
  list->setFocus();
  window->UpdateCommandStates();
  QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
  // List order, numbers of two digits.
  QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("01 02 03 04 05\n02 03 04 07 12\n04 05 06 07 12\n"));

  QVERIFY(main.CombsGenerate({0, ""}, true));
  QVERIFY(Trigger(*window, "CombsPaste"));
  QCOMPARE(Rows(list), (QStringList{all[0], all[40], all[55]}));
  QCOMPARE(CombsPanel(*window), QStringLiteral("Комбинаций: 3"));

  // A line of other than five numbers refuses the whole paste and keeps the list.
  QGuiApplication::clipboard()->setText(QStringLiteral("1 2 3 4 5\n\n6 7 8 9 10\n"));
  QVERIFY(Trigger(*window, "CombsPaste"));
  QCOMPARE(user.boxes.size(), size_t(1));
  QCOMPARE(user.boxes[0].text, QStringLiteral("Некорректная комбинация: \"\"!"));
  QCOMPARE(Rows(list), (QStringList{all[0], all[40], all[55]}));
  QCOMPARE(CombsPanel(*window), QStringLiteral("Комбинаций: 3"));
}

void CombsTest::excludedDrawsFieldAndLayoutKeptBetweenRuns() {
  test::DataFolder folder;
  test::ScriptedUser user;
  auto window = StartWindow(folder);
  QVERIFY(window);
  auto* field = window->findChild<QSpinBox*>(QStringLiteral("edDrawsExclude"));
  QVERIFY(!window->Actions().Action("CombsDelExists")->isEnabled());
  field->setValue(10);
  QVERIFY(window->Actions().Action("CombsDelExists")->isEnabled());
  // Enter in the field removes the combinations of the last ten draws.
  QTest::keyClick(field, Qt::Key_Return);
  QCOMPARE(List(*window)->model()->rowCount(), 2118750);
  QCOMPARE(CombsPanel(*window), QStringLiteral("Комбинаций: 2118750"));
  QCOMPARE(FilterRow(*window, 0), (QStringList{QStringLiteral("Последние тиражи"), QStringLiteral("10"),
                                               QStringLiteral("2118750")}));

  List(*window)->horizontalHeader()->resizeSection(3, 61);
  Filters(*window)->horizontalHeader()->resizeSection(0, 150);
  QVERIFY(window->close());
  window.reset();
  TIniFile ini(folder.File(ViewSettingsFileName));
  QCOMPARE(ini.ReadInteger(MainWindowSection, "DrawsExclude", 0), 10);

  auto again = StartWindow(folder);
  QVERIFY(again);
  QCOMPARE(again->findChild<QSpinBox*>(QStringLiteral("edDrawsExclude"))->value(), 10);
  QCOMPARE(List(*again)->horizontalHeader()->sectionSize(3), 61);
  QCOMPARE(Filters(*again)->horizontalHeader()->sectionSize(0), 150);
  QVERIFY(user.boxes.empty());
}

QTEST_MAIN(CombsTest)
#include "test_combs.moc"
