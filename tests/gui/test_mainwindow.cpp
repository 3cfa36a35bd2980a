// The main window over a data folder: start-up, the single-instance refusal, command states and
// the view settings kept from one run to the next.
#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <memory>

#include "core/inifile.h"
#include "core/viewsettings.h"
#include "gui/archive/archivetab.h"
#include "gui/common/panesplitter.h"
#include "gui/main/actionregistry.h"
#include "gui/main/mainwindow.h"
#include "guitest.h"

using namespace kavrin;
using namespace kavrin::gui;

namespace {

using test::StartWindow;

QString PanelText(MainWindow& window, int panel) { return window.Host().Panel(panel)->text(); }

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void startupFillsStatusPanelsAndArchiveList();
  void secondInstanceIsRefusedAndTheFirstKeepsWorking();
  void viewSettingsRoundTripThroughStartAndClose();
  void actionsAreDisabledWhileBusyButStop();
  void closingDuringAScenarioRunAsks();
  void menusHaveNoShortcutClashes();
};

void MainWindowTest::startupFillsStatusPanelsAndArchiveList() {
  test::DataFolder folder;
  test::ScriptedUser user;
  auto window = StartWindow(folder);
  QVERIFY(window);
  QCOMPARE(PanelText(*window, PanelDraws), QStringLiteral("Архив тиражей: 1500"));
  QCOMPARE(PanelText(*window, PanelNextDraw), QStringLiteral("Следующий тираж: 1501"));
  QCOMPARE(PanelText(*window, PanelCombs), QStringLiteral("Комбинаций: 2118760"));
  QVERIFY(PanelText(*window, PanelStakes).startsWith(QStringLiteral("Ставок: ")));
  QVERIFY(PanelText(*window, PanelRating).startsWith(QStringLiteral("Рейтинг: ")));
  QVERIFY(window->windowTitle().contains(QStringLiteral(" версия ")));

  QTableView* list = window->Archive().List();
  QCOMPARE(list->model()->rowCount(), 1500);
  QCOMPARE(list->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Тираж"));
  // Newest first, and the row at the analysis offset in light red.
  QCOMPARE(list->model()->index(0, 0).data().toString(), QStringLiteral("1500"));
  QCOMPARE(list->model()->index(1499, 0).data().toString(), QStringLiteral("1"));
  QCOMPARE(list->model()->index(0, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(0xFF, 0xAA, 0xAA));

  // The offset field moves the analysis end; the status follows.
  window->Archive().OffsetField()->setValue(3);
  QCOMPARE(window->Main().DrawsOffset(), 3);
  QCOMPARE(PanelText(*window, PanelNextDraw), QStringLiteral("Следующий тираж: 1498"));
  QCOMPARE(list->model()->index(3, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(0xFF, 0xAA, 0xAA));
  QVERIFY(user.boxes.empty());
}

void MainWindowTest::secondInstanceIsRefusedAndTheFirstKeepsWorking() {
  test::DataFolder folder;
  test::ScriptedUser user;
  auto first = StartWindow(folder);
  QVERIFY(first);
  QVERIFY(user.boxes.empty());

  auto second = std::make_unique<MainWindow>(folder.Path(), std::vector<std::string>{});
  second->show();
  QVERIFY(QTest::qWaitFor([&] { return second->Started(); }, 60000));
  QVERIFY(!user.boxes.empty());
  QVERIFY(user.boxes.back().text.startsWith(QStringLiteral("Невозможно получить монопольный доступ к файлам данных!")));
  QCOMPARE(user.boxes.back().caption, QStringLiteral("Ошибка"));
  QTRY_VERIFY2(!second->isVisible(), "the refused window closes");
  QVERIFY2(second->Main().Archive.Count() == 0, "and loads nothing");
  second.reset();

  QVERIFY(first->Main().Stakes.IsOpen());
  QCOMPARE(PanelText(*first, PanelDraws), QStringLiteral("Архив тиражей: 1500"));
}

void MainWindowTest::viewSettingsRoundTripThroughStartAndClose() {
  test::DataFolder folder;
  test::ScriptedUser user;
  {
    TIniFile ini(folder.File(ViewSettingsFileName));
    ini.WriteInteger(MainWindowSection, "LeftPanelWidth", 410);
    ini.WriteInteger(MainWindowSection, "DrawsStatHeight", 170);
    ini.WriteBool(MainWindowSection, "TabWeek", false);
    ini.WriteInteger(MainWindowSection, "lvDraws.Column0", 77);
    ini.UpdateFile();
  }
  auto window = StartWindow(folder);
  QVERIFY(window);
  auto* left = window->findChild<PaneSplitter*>(QStringLiteral("splitLeft"));
  QCOMPARE(left->PaneSize(), 410);
  QCOMPARE(window->Pages().StatSplit->PaneSize(), 170);
  QVERIFY(!window->Pages().Tabs->isTabVisible(PageWeek));
  QCOMPARE(window->Archive().List()->horizontalHeader()->sectionSize(0), 77);

  left->setSizes({300, left->width() - 300 - left->handleWidth()});
  window->Archive().List()->horizontalHeader()->resizeSection(1, 41);
  window->setGeometry(40, 50, 1000, 700);
  QVERIFY(window->close());
  window.reset();

  TIniFile ini(folder.File(ViewSettingsFileName));
  QCOMPARE(ini.ReadInteger(MainWindowSection, "LeftPanelWidth", 0), 300);
  QCOMPARE(ini.ReadInteger(MainWindowSection, "DrawsStatHeight", 0), 170);
  QCOMPARE(ini.ReadInteger(MainWindowSection, "lvDraws.Column1", 0), 41);
  QVERIFY(ini.ValueExists(MainWindowSection, "NormPos"));

  auto again = StartWindow(folder);
  QVERIFY(again);
  QCOMPARE(again->findChild<PaneSplitter*>(QStringLiteral("splitLeft"))->PaneSize(), 300);
  QCOMPARE(again->Archive().List()->horizontalHeader()->sectionSize(1), 41);
  QCOMPARE(again->size(), QSize(1000, 700));
}

void MainWindowTest::actionsAreDisabledWhileBusyButStop() {
  test::DataFolder folder;
  test::ScriptedUser user;
  auto window = StartWindow(folder);
  QVERIFY(window);
  ActionRegistry& actions = window->Actions();
  QVERIFY(actions.Action("DrawsAdd")->isEnabled());
  QVERIFY(!actions.Action("ScriptStop")->isEnabled());
  TFormMain& main = window->Main();
  {
    // What a scenario run looks like to the window whenever it processes its events.
    TTemplateMain::TOperation busy(main);
    main.ScriptRunState.Running = true;
    window->Host().ProcessEvents();
    for (const auto& [name, action] : actions.All())
      QVERIFY2(action->isEnabled() == (name == "ScriptStop"), name.c_str());
    QCOMPARE(QApplication::overrideCursor() ? QApplication::overrideCursor()->shape() : Qt::ArrowCursor,
             Qt::WaitCursor);
    main.ScriptRunState.Running = false;
  }
  window->UpdateCommandStates();
  QVERIFY(actions.Action("DrawsAdd")->isEnabled());
  QVERIFY(!QApplication::overrideCursor());

  // While idle, the hint of the command under the pointer shows in the operation panel.
  actions.Action("AutoSelfUpdate")->hover();
  QCOMPARE(PanelText(*window, PanelOperation), QStringLiteral("Автоматическое обновление программы при запуске"));
}

void MainWindowTest::closingDuringAScenarioRunAsks() {
  test::DataFolder folder;
  test::ScriptedUser user;
  auto window = StartWindow(folder);
  QVERIFY(window);
  TFormMain& main = window->Main();
  main.ScriptRunState.Running = true;
  user.answers = {QMessageBox::No};
  QVERIFY(!window->close());
  QVERIFY(window->isVisible());
  QCOMPARE(user.boxes.size(), size_t(1));
  QCOMPARE(user.boxes[0].text, QStringLiteral("Остановить выполнение сценария?"));
  QCOMPARE(user.boxes[0].caption, QStringLiteral("Подтверждение"));
  QCOMPARE(user.boxes[0].defaultButton, QMessageBox::No);
  QVERIFY2(!main.ScriptRunState.StopRequested, "the scenario goes on");

  user.answers = {QMessageBox::Yes};
  QVERIFY(window->close());
  QVERIFY(main.ScriptRunState.StopRequested);
  main.ScriptRunState.Running = false;
}

void MainWindowTest::menusHaveNoShortcutClashes() {
  test::DataFolder folder;
  test::ScriptedUser user;
  auto window = StartWindow(folder);
  QVERIFY(window);
  QCOMPARE(window->Actions().ShortcutClashes(), QStringList());
}

QTEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
