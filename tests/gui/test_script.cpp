// The scenario page: a backtest started from the window and stopped from it, the filter
// dialog's refusals, and a line made in the line dialog reaching the view and the files.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <memory>

#include "core/fileio.h"
#include "core/inifile.h"
#include "core/viewsettings.h"
#include "gui/archive/archivetab.h"
#include "gui/common/qttext.h"
#include "gui/main/actionregistry.h"
#include "gui/main/mainwindow.h"
#include "gui/script/filterdialog.h"
#include "gui/script/linedialog.h"
#include "gui/script/scriptpage.h"
#include "guitest.h"
#include "scenarios/scenariofile.h"
#include "test_paths.h"

using namespace kavrin;
using namespace kavrin::gui;

namespace {

using test::StartWindow;

ScriptPage* Page(MainWindow& window) {
  return window.findChild<ScriptPage*>(QString(), Qt::FindDirectChildrenOnly);
}

}  // namespace

class ScriptTest : public QObject {
  Q_OBJECT
 private slots:
  void aTestRunStartedFromTheWindowStopsCleanly();
  void filterDialogRefusesAndFocusesTheField_data();
  void filterDialogRefusesAndFocusesTheField();
  void aLineMadeInTheDialogReachesTheViewAndTheFiles();
  void catalogSelectionFollowsTheSortedView();
  void columnWidthsSortAndCatalogFilterAreKept();
};

void ScriptTest::aTestRunStartedFromTheWindowStopsCleanly() {
  test::DataFolder folder;
  test::ScriptedUser user;
  auto window = StartWindow(folder);
  QVERIFY(window);
  TFormMain& main = window->Main();
  ScriptPage* page = Page(*window);
  QVERIFY(page);
  QVERIFY(main.ScriptLoadFile(KAVRIN_DEMO_DIR "/demo.lsc", false));
  QCOMPARE(page->Lines()->model()->rowCount(), 3);
  QCOMPARE(page->StatusPanel(0)->text(), QStringLiteral("Строк: 3"));
  ActionRegistry& actions = window->Actions();
  QAction* stop = actions.Action("ScriptStop");
  window->UpdateCommandStates();
  QVERIFY(!stop->isEnabled());
  QVERIFY(actions.Action("ScriptTest")->isEnabled());

  // The number of tests is asked first.
  QString asked;
  user.dialogs.push_back([&](QDialog& dialog) {
    auto& input = static_cast<QInputDialog&>(dialog);
    asked = dialog.windowTitle() + QLatin1Char('|') + input.labelText() + QLatin1Char('|') +
            QString::number(input.intValue());
    input.setIntValue(20);
    return int(QDialog::Accepted);
  });
  // Once the second pass runs, the user presses "Стоп" and confirms.
  struct {
    bool stopEnabled = false, listsLocked = false;
    QString cycle;
    int offset = -1;
  } seen;
  QTimer watcher;
  watcher.setInterval(10);
  connect(&watcher, &QTimer::timeout, [&] {
    if (!main.ScriptRunState.Running || main.ScriptRunState.Cycle < 2 || seen.offset >= 0) return;
    window->UpdateCommandStates();
    page->Sync();
    seen.stopEnabled = stop->isEnabled();
    seen.listsLocked = !page->Lines()->isEnabled() && !window->Archive().isEnabled();
    seen.cycle = page->StatusPanel(1)->text();
    seen.offset = main.DrawsOffset();
    stop->trigger();
  });
  watcher.start();
  actions.Action("ScriptTest")->trigger();
  watcher.stop();

  QCOMPARE(asked, QStringLiteral("Количество тестов|Укажите количество тестов:|10"));
  QVERIFY2(seen.offset >= 0, "the run reached its second pass");
  QVERIFY(seen.stopEnabled);
  QVERIFY(seen.listsLocked);
  QCOMPARE(seen.cycle, QStringLiteral("Цикл: 2"));
  QCOMPARE(user.boxes.size(), size_t(1));
  QCOMPARE(user.boxes[0].text, QStringLiteral("Остановить выполнение сценария?"));
  // Ended cleanly: idle again, the interrupted pass's offset kept, every list usable.
  QVERIFY(!main.ScriptRunState.Running);
  QVERIFY(!main.ScriptRunState.StopRequested);
  QVERIFY(!main.Busy());
  QCOMPARE(main.DrawsOffset(), seen.offset);
  QCOMPARE(seen.offset, 19);
  page->Sync();
  window->UpdateCommandStates();
  QVERIFY(page->Lines()->isEnabled());
  QVERIFY(window->Archive().isEnabled());
  QVERIFY(!stop->isEnabled());
  QVERIFY(actions.Action("ScriptRun")->isEnabled());
  QCOMPARE(page->StatusPanel(1)->text(), QStringLiteral("Цикл: 0"));
  QCOMPARE(page->StatusPanel(4)->text(), QStringLiteral("Сценарий завершен!"));
}

void ScriptTest::filterDialogRefusesAndFocusesTheField_data() {
  QTest::addColumn<QString>("draws");
  QTest::addColumn<int>("criterion");
  QTest::addColumn<QString>("values");
  QTest::addColumn<bool>("multi");
  QTest::addColumn<int>("stopMode");
  QTest::addColumn<QString>("message");
  QTest::addColumn<QString>("field");
  const QString range = QStringLiteral("Введен некорректный диапазон значений!");
  const int lno = int(TLevelMode::LNO), lmv = int(TLevelMode::LMV), sf = int(TStopMode::SF);
  QTest::newRow("draws 0") << "0" << lno << "" << false << sf << range << "edDrawsLen";
  QTest::newRow("draws empty") << "" << lno << "" << false << sf << range << "edDrawsLen";
  QTest::newRow("values missing") << "100" << lmv << ",;" << false << sf << range << "edLevel";
  QTest::newRow("multi with SC") << "100" << lno << "" << true << int(TStopMode::SC)
                                 << QStringLiteral("В режиме мультивыделения остановка сценария по количеству "
                                                   "комбинаций или чисел не может быть выполнена!\nВыберите другой "
                                                   "способ останова.")
                                 << "cbStopMode";
}

void ScriptTest::filterDialogRefusesAndFocusesTheField() {
  QFETCH(QString, draws);
  QFETCH(int, criterion);
  QFETCH(QString, values);
  QFETCH(bool, multi);
  QFETCH(int, stopMode);
  QFETCH(QString, message);
  QFETCH(QString, field);
  test::DataFolder folder;
  test::ScriptedUser user;
  auto window = StartWindow(folder);
  QVERIFY(window);

  QString focused;
  bool stayedOpen = false;
  user.dialogs.push_back([&](QDialog& dialog) {
    auto& filter = static_cast<FilterDialog&>(dialog);
    dialog.show();
    filter.DrawsField()->setText(draws);
    filter.Criterion()->setCurrentIndex(criterion);
    filter.ValuesField()->setText(values);
    filter.MultiSelect()->setChecked(multi);
    filter.StopMode()->setCurrentIndex(stopMode);
    dialog.accept();
    stayedOpen = dialog.result() != QDialog::Accepted && dialog.isVisible();
    focused = dialog.focusWidget() ? dialog.focusWidget()->objectName() : QString();
    dialog.reject();
    return dialog.result();
  });
  // Reached as the user reaches it: the "..." of the new line's first filter field.
  bool lineAccepted = true;
  user.dialogs.push_front([&](QDialog& dialog) {
    static_cast<LineDialog&>(dialog).EditFilter(0);
    lineAccepted = false;
    return int(QDialog::Rejected);
  });
  window->Actions().Action("ScriptAdd")->trigger();
  QVERIFY(!lineAccepted);
  QVERIFY(window->Main().ScriptLines.empty());
  QVERIFY(stayedOpen);
  QCOMPARE(user.boxes.size(), size_t(1));
  QCOMPARE(user.boxes[0].caption, QStringLiteral("Ошибка"));
  QCOMPARE(user.boxes[0].text, message);
  QCOMPARE(focused, field);
}

void ScriptTest::aLineMadeInTheDialogReachesTheViewAndTheFiles() {
  test::DataFolder folder;
  test::ScriptedUser user;
  auto window = StartWindow(folder);
  QVERIFY(window);
  TFormMain& main = window->Main();
  ScriptPage* page = Page(*window);
  QVERIFY(page);
  QCOMPARE(page->Lines()->model()->rowCount(), 0);

  // The line dialog: a comment, stake mode "first", filter 1 made in the filter dialog and
  // filter 2 typed by hand.
  QString title;
  user.dialogs.push_back([&](QDialog& dialog) {
    auto& line = static_cast<LineDialog&>(dialog);
    title = dialog.windowTitle();
    dialog.findChild<QLineEdit*>(QStringLiteral("edComment"))->setText(QStringLiteral("мой фильтр"));
    dialog.findChild<QComboBox*>(QStringLiteral("cbResultCombs"))->setCurrentIndex(int(TResultCombsMode::FIRST));
    line.EditFilter(0);
    line.FilterField(1)->setText(QStringLiteral("BSD1#SUMS:100#CLV:1#ST:10"));
    return int(QDialog::Accepted);
  });
  user.dialogs.push_back([&](QDialog& dialog) {
    auto& filter = static_cast<FilterDialog&>(dialog);
    filter.Kind()->setCurrentIndex(filter.Kind()->findText(QStringLiteral("NUMS"), Qt::MatchContains));
    filter.DrawsField()->setText(QStringLiteral("30,60"));
    filter.Criterion()->setCurrentIndex(int(TLevelMode::LMV));
    filter.ValuesField()->setText(QStringLiteral("10"));
    dialog.accept();
    return dialog.result();
  });
  window->Actions().Action("ScriptAdd")->trigger();
  QVERIFY(user.boxes.empty());
  QCOMPARE(title, QStringLiteral("Создание новой строки"));
  QCOMPARE(main.ScriptLines.size(), size_t(1));
  const std::string line = main.ScriptLines[0];
  QVERIFY2(line.starts_with("FULL:0#FIRST|") && line.ends_with("|мой фильтр"), line.c_str());
  QVERIFY2(line.find("#NUMS:30,60#LMV:10#SF:1|BSD1#SUMS:100#CLV:1#ST:10|") != std::string::npos, line.c_str());

  // The view shows the new row selected, with the normalised cells.
  QAbstractItemModel* model = page->Lines()->model();
  QCOMPARE(model->rowCount(), 1);
  QCOMPARE(model->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Фильтр 1"));
  QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("мой фильтр"));
  QCOMPARE(model->index(0, 1).data().toString(), ToQ(LineOptionsDisplayText(LineOptionsFromText("FULL:0#FIRST"))));
  QVERIFY(model->index(0, 2).data().toString().contains(QStringLiteral("#NUMS:30,60#LMV:10#SF:1")));
  QCOMPARE(model->index(0, 3).data().toString(), QStringLiteral("BSD1#SUMS:100#CLV:1#ST:10"));
  QCOMPARE(page->Lines()->selectionModel()->selectedRows().size(), 1);
  QCOMPARE(page->StatusPanel(0)->text(), QStringLiteral("Строк: 1"));

  // The working file has it at once, and "Сохранить" writes it where the user says.
  QCOMPARE(ReadScenarioFile(folder.File(ScriptWorkingFileName)), TScenarioLines{line});
  const std::string saved = folder.File("saved.lsc");
  user.dialogs.push_back([&](QDialog& dialog) {
    static_cast<QFileDialog&>(dialog).selectFile(QString::fromStdString(saved));
    return int(QDialog::Accepted);
  });
  window->Actions().Action("ScriptSave")->trigger();
  QVERIFY(user.boxes.empty());
  QCOMPARE(ReadScenarioFile(saved), TScenarioLines{line});
}

void ScriptTest::catalogSelectionFollowsTheSortedView() {
  test::DataFolder folder;
  test::ScriptedUser user;
  auto window = StartWindow(folder);
  QVERIFY(window);
  TFormMain& main = window->Main();
  ScriptPage* page = Page(*window);
  QVERIFY(page);
  // Rows as a reply would leave them (the panel is hidden, so nothing is asked of a server).
  tScriptInfo low, high;
  low.Id = 7;
  low.Title = "Низкий";
  low.Rating = 1.5;
  high.Id = 9;
  high.Title = "Высокий";
  high.Rating = 4.25;
  high.YourRating = -1;
  main.View.ScriptLibraryOn = true;
  main.ScriptsRows = {low, high};
  main.ViewChanged(TView::ScriptCatalog);
  QVERIFY(!page->Catalog()->isHidden());
  QTableView* view = page->Catalog();
  QCOMPARE(view->model()->headerData(9, Qt::Horizontal).toString(), QStringLiteral("Ваша оценка"));

  // Sorted by rating, highest first: the first row shown is the second row received.
  view->sortByColumn(7, Qt::DescendingOrder);
  QCOMPARE(view->model()->index(0, 1).data().toString(), QStringLiteral("Высокий"));
  QCOMPARE(view->model()->index(0, 9).data().toString(), QStringLiteral("Скрытый"));
  view->selectRow(0);
  QCOMPARE(main.ScriptsSelected, 1);
  QVERIFY(window->Actions().Action("ScriptLibraryHide")->isChecked());

  // A double click shows the selected scenario's properties, read-only.
  QString shown;
  bool okHidden = false;
  user.dialogs.push_back([&](QDialog& dialog) {
    shown = dialog.findChild<QLineEdit*>(QStringLiteral("edTitle"))->text();
    okHidden = !dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isVisibleTo(&dialog);
    return int(QDialog::Rejected);
  });
  emit view->doubleClicked(view->model()->index(0, 1));
  QCOMPARE(shown, QStringLiteral("Высокий"));
  QVERIFY(okHidden);

  // A reload keeps the selected scenario selected wherever it lands.
  main.ScriptsRows = {high, low};
  main.ScriptsSelected = 0;
  main.ViewChanged(TView::ScriptCatalog);
  QCOMPARE(view->selectionModel()->selectedRows().size(), 1);
  QCOMPARE(view->selectionModel()->selectedRows()[0].data().toString(), QStringLiteral("Общий"));
  QCOMPARE(view->model()->index(view->selectionModel()->selectedRows()[0].row(), 1).data().toString(),
           QStringLiteral("Высокий"));
  main.View.ScriptLibraryOn = false;
}

void ScriptTest::columnWidthsSortAndCatalogFilterAreKept() {
  test::DataFolder folder;
  test::ScriptedUser user;
  {
    auto window = StartWindow(folder);
    QVERIFY(window);
    ScriptPage* page = Page(*window);
    page->Lines()->horizontalHeader()->resizeSection(2, 123);
    page->Catalog()->horizontalHeader()->resizeSection(1, 77);
    page->Catalog()->sortByColumn(7, Qt::DescendingOrder);
    window->Main().View.ScriptLibraryFilter = 5;
    QVERIFY(window->close());
  }
  TIniFile ini(folder.File(ViewSettingsFileName));
  QCOMPARE(ini.ReadInteger(MainWindowSection, "lvScript.Column2", 0), 123);
  QCOMPARE(ini.ReadInteger(MainWindowSection, "lvOnlineScripts.Column1", 0), 77);
  QCOMPARE(ini.ReadInteger(MainWindowSection, "ScriptLibraryFilter", 0), 5);
  QCOMPARE(ini.ReadString(MainWindowSection, "lvOnlineScripts.SortType", ""), std::string("7,1"));
  auto again = StartWindow(folder);
  QVERIFY(again);
  ScriptPage* page = Page(*again);
  QCOMPARE(page->Lines()->horizontalHeader()->sectionSize(2), 123);
  QCOMPARE(page->Catalog()->horizontalHeader()->sectionSize(1), 77);
  QCOMPARE(page->Catalog()->horizontalHeader()->sortIndicatorSection(), 7);
  QCOMPARE(page->Catalog()->horizontalHeader()->sortIndicatorOrder(), Qt::DescendingOrder);
  QCOMPARE(page->CatalogFilter()->currentIndex(), 5);
  QCOMPARE(page->CatalogFilter()->currentText(), QStringLiteral("С моими оценками"));
}

QTEST_MAIN(ScriptTest)
#include "test_script.moc"
