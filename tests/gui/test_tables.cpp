// The regular stakes and systems pages over a data folder: the regular stake dialog and the
// list it feeds, the regular-stakes test, and the systems catalog against a local stand-in of
// the maker's service.
#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <memory>

#include "core/fileio.h"
#include "core/format.h"
#include "gui/main/actionregistry.h"
#include "gui/main/mainwindow.h"
#include "gui/systems/systemdialog.h"
#include "gui/systems/systemstab.h"
#include "gui/tables/tablestab.h"
#include "guitest.h"
#include "standin/web_standin.h"
#include "stakes/regulars.h"
#include "stakes/systemplay.h"
#include "systems/service.h"

using namespace kavrin;
using namespace kavrin::gui;

namespace {

using test::StartWindow;
using test::Trigger;

// Runs a command as its menu item would, once the window has set its state.

QStringList RowCells(QTableView& list, int row) {
  QStringList cells;
  for (int column = 0; column < list.model()->columnCount(); ++column)
    cells << list.model()->index(row, column).data().toString();
  return cells;
}

// Types into the regular stake dialog and presses OK; whether the dialog accepted.
bool FillRegular(QDialog& dialog, const QString& comment, const QString& start, int step) {
  dialog.findChild<QLineEdit*>(QStringLiteral("edComment"))->setText(comment);
  dialog.findChild<QRadioButton*>(QStringLiteral("rbFixedStart"))->setChecked(true);
  dialog.findChild<QLineEdit*>(QStringLiteral("edStart"))->setText(start);
  dialog.findChild<QSpinBox*>(QStringLiteral("edStep"))->setValue(step);
  dialog.accept();
  return dialog.result() == QDialog::Accepted;
}

// One combination of the working list selected, as the add command's start.
void SelectOneCombination(MainWindow& window) {
  window.Main().CombsSelection.Clear();
  window.Main().CombsSelection.Select(4, 4);
}

std::string Row(const std::string& inner) { return "<row>" + inner + "</row>"; }
std::string Result(const std::string& rows) { return "<result>" + rows + "</result>"; }

}  // namespace

class TablesTest : public QObject {
  Q_OBJECT
 private slots:
  void regularStakeFromTheDialogIsListedAndStored();
  void regularDialogRefusesAndFocusesTheField();
  void regularTestStakesEachDrawAndKeepsTheOffset();
  void systemCreatedInTheDialogIsListedDownloadedAndPlayed();
  void systemDialogRefusesInOrderAndFocusesTheField();
  void readOnlySystemDialogOnlyCloses();
  void columnWidthsAndSortOrderOutliveTheWindow();
};

void TablesTest::regularStakeFromTheDialogIsListedAndStored() {
  test::DataFolder folder;
  test::ScriptedUser user;
  auto window = StartWindow(folder);
  QVERIFY(window);
  auto* page = window->findChild<TablesTab*>();
  QVERIFY(page);
  QCOMPARE(page->List()->model()->rowCount(), 0);

  SelectOneCombination(*window);
  QString prefilled;
  user.dialogs.push_back([&](QDialog& dialog) {
    prefilled = dialog.findChild<QLineEdit*>(QStringLiteral("edComment"))->text();
    return FillRegular(dialog, QStringLiteral("Сдвиг на 10"), QStringLiteral("1; 2;3 ,4;5"), 10) ? QDialog::Accepted
                                                                                                  : QDialog::Rejected;
  });
  QVERIFY(Trigger(*window, "TablesAdd"));
  QVERIFY(user.dialogs.empty());
  QCOMPARE(prefilled, QStringLiteral("Регулярная ставка"));
  QCOMPARE(RowCells(*page->List(), 0), (QStringList{QStringLiteral("Сдвиг на 10"), QStringLiteral("1;2;3;4;5"),
                                                    QStringLiteral("10"), QStringLiteral("1;2;3;4;5"),
                                                    QStringLiteral("0")}));

  // The file every later run reads holds the same rule.
  TTableStakesArray stored;
  ReadTablesFile(folder.File(TablesFileName), stored);
  QCOMPARE(stored.size(), size_t{1});
  QCOMPARE(stored[0].Comment, std::string("Сдвиг на 10"));
  QCOMPARE(stored[0].Start, (TComb{1, 2, 3, 4, 5}));
  QCOMPARE(stored[0].Step, 10);

  // Hiding the tab empties the list; showing it reloads the file and brings the tab to the front.
  QTabWidget* tabs = window->Pages().Tabs;
  QVERIFY(Trigger(*window, "TabTables"));
  QVERIFY(!tabs->isTabVisible(PageTables));
  QCOMPARE(page->List()->model()->rowCount(), 0);
  QVERIFY(Trigger(*window, "TabTables"));
  QVERIFY(tabs->isTabVisible(PageTables));
  QCOMPARE(tabs->currentIndex(), static_cast<int>(PageTables));
  QCOMPARE(page->List()->model()->rowCount(), 1);

  // Selecting the row in the list enables the commands on it; deleting asks first.
  page->List()->selectRow(0);
  QCOMPARE(window->Main().TablesSelection, std::vector<int>{0});
  user.answers.push_back(QMessageBox::Yes);
  QVERIFY(Trigger(*window, "TablesDel"));
  QCOMPARE(user.boxes.back().text, QStringLiteral("Удалить выделенную запись?"));
  QCOMPARE(page->List()->model()->rowCount(), 0);
  stored.clear();
  ReadTablesFile(folder.File(TablesFileName), stored);
  QVERIFY(stored.empty());
}

void TablesTest::regularDialogRefusesAndFocusesTheField() {
  test::DataFolder folder;
  test::ScriptedUser user;
  auto window = StartWindow(folder);
  QVERIFY(window);
  window->Main().Tables.push_back({"Занято", 0, {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}, 1, 0});
  window->Main().TablesSave();
  SelectOneCombination(*window);

  struct Case {
    QString comment, start, message, focus;
  };
  const std::vector<Case> cases = {
      {QStringLiteral("Новая"), QStringLiteral("1;2;3;4"), QStringLiteral("Введена некорректная комбинация!"),
       QStringLiteral("edStart")},
      {QStringLiteral("Новая"), QStringLiteral("1;2;3;4;51"), QStringLiteral("Введена некорректная комбинация!"),
       QStringLiteral("edStart")},
      {QStringLiteral("Новая"), QStringLiteral("1;2;3;4;4"), QStringLiteral("Введена некорректная комбинация!"),
       QStringLiteral("edStart")},
      {QString(), QStringLiteral("1;2;3;4;5"), QStringLiteral("Необходимо ввести комментарий!"),
       QStringLiteral("edComment")},
      {QStringLiteral("ЗАНЯТО"), QStringLiteral("1;2;3;4;5"),
       QStringLiteral("Запись с таким комментарией уже присутствует в списке!\nВыберите другой комментарий."),
       QStringLiteral("edComment")},
  };
  user.dialogs.push_back([&](QDialog& dialog) {
    dialog.show();
    for (const Case& c : cases) {
      const size_t shown = user.boxes.size();
      // Focus elsewhere first, so that the refusal has to move it.
      dialog.findChild<QSpinBox*>(QStringLiteral("edStep"))->setFocus();
      if (FillRegular(dialog, c.comment, c.start, 1)) return QDialog::Accepted;
      if (!dialog.isVisible() || user.boxes.size() != shown + 1) return QDialog::Accepted;
      if (user.boxes.back().text != c.message || dialog.focusWidget()->objectName() != c.focus)
        return QDialog::Accepted;
    }
    dialog.reject();
    return QDialog::Rejected;
  });
  QVERIFY(Trigger(*window, "TablesAdd"));
  QCOMPARE(user.boxes.size(), cases.size());
  for (size_t i = 0; i < cases.size(); ++i) {
    QCOMPARE(user.boxes[i].caption, QStringLiteral("Ошибка"));
    QCOMPARE(user.boxes[i].text, cases[i].message);
  }
  QCOMPARE(window->Main().Tables.size(), size_t{1});

  // With several combinations selected the start text is not for typing.
  window->Main().CombsSelection.Select(7, 9);
  QString startText;
  bool startEnabled = true;
  user.dialogs.push_back([&](QDialog& dialog) {
    auto* start = dialog.findChild<QLineEdit*>(QStringLiteral("edStart"));
    startText = start->text();
    startEnabled = start->isEnabled();
    return QDialog::Rejected;
  });
  QVERIFY(Trigger(*window, "TablesAdd"));
  QCOMPARE(startText, QStringLiteral("{...Выделенные комбинации...}"));
  QVERIFY(!startEnabled);
}

void TablesTest::regularTestStakesEachDrawAndKeepsTheOffset() {
  test::DataFolder folder;
  test::ScriptedUser user;
  auto window = StartWindow(folder);
  QVERIFY(window);
  TTemplateMain& main = window->Main();
  main.Tables.push_back({"Сдвиг", 0, {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}, 10, 0});
  main.Tables.push_back({"Прошлый", 1, {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}, -1, 0});
  main.TablesSave();
  auto* page = window->findChild<TablesTab*>();
  page->List()->selectAll();
  const int offset = main.DrawsOffset();
  const int64_t stakesBefore = main.Stakes.Count();

  QString caption;
  user.dialogs.push_back([&](QDialog& dialog) {
    caption = dialog.windowTitle();
    qobject_cast<QInputDialog*>(&dialog)->setIntValue(3);
    return QDialog::Accepted;
  });
  QVERIFY(Trigger(*window, "TablesStakeTest"));
  QCOMPARE(caption, QStringLiteral("Количество тестов"));
  QCOMPARE(main.Stakes.Count(), stakesBefore + 6);
  QCOMPARE(main.DrawsOffset(), offset);
  QCOMPARE(RowCells(*page->List(), 0).mid(3), (QStringList{QStringLiteral("31;32;33;34;35"), QStringLiteral("3")}));
  QCOMPARE(RowCells(*page->List(), 1).at(4), QStringLiteral("3"));
  QCOMPARE(window->Host().Panel(PanelStakes)->text(), QStringLiteral("Ставок: %1").arg(stakesBefore + 6));
  QCOMPARE(window->Host().Panel(PanelOperation)->text(), QString());
  QVERIFY(user.boxes.empty());
}

void TablesTest::systemCreatedInTheDialogIsListedDownloadedAndPlayed() {
  test::DataFolder folder;
  QTemporaryDir site;
  std::filesystem::create_directories(site.filePath(QStringLiteral("service")).toStdString());
  const auto reply = [&](const char* name, const std::string& body) {
    WriteFileAtomic(site.filePath(QStringLiteral("service/%1.xml").arg(QLatin1String(name))).toStdString(), body);
  };
  reply("sys_getlist",
        Result(Row("<id>42</id><nums>12</nums><olap>3</olap><csize>2</csize><title>" + Base64Encode("Чужая") +
                   "</title><descr></descr><author>Пётр</author><cl_mail>petr@example.org</cl_mail>"
                   "<created>2024-01-31 22:30:00</created>")));
  reply("sys_putdata", Result(Row("<id_systems>77</id_systems>")));
  const std::string combs = "01 02 03 04 05\r\n01 02 03 04 06\r\n02 03 04 05 06";
  reply("sys_getdata-77", Result(Row("<clist>" + Base64Encode(combs) + "</clist>")));
  standin::WebStandIn server(site.path().toStdString());

  test::ScriptedUser user;
  auto window = StartWindow(folder);
  QVERIFY(window);
  TTemplateMain& main = window->Main();
  main.Network.SystemsSite = server.Address();
  main.Network.UserName = "Иван";
  main.Network.UserMail = "ivan@example.org";
  QTabWidget* tabs = window->Pages().Tabs;
  QVERIFY(!tabs->isTabVisible(PageSystems));

  // Switching system play on shows the tab in front with the service's catalog.
  QVERIFY(Trigger(*window, "SystemsOn"));
  QVERIFY(tabs->isTabVisible(PageSystems));
  QCOMPARE(tabs->currentIndex(), static_cast<int>(PageSystems));
  QVERIFY(window->Actions().Action("SystemStakeAll")->isVisible());
  QTableView* list = window->findChild<SystemsTab*>()->List();
  QCOMPARE(list->model()->rowCount(), 1);
  QCOMPARE(RowCells(*list, 0).mid(0, 3),
           (QStringList{QStringLiteral("Чужая"), QStringLiteral("Пётр"), QStringLiteral("12")}));

  // A new system typed into the dialog: the combinations normalise, the service gives its id.
  QString numsAfterNormalising;
  user.dialogs.push_back([&](QDialog& dialog) {
    dialog.findChild<QLineEdit*>(QStringLiteral("edTitle"))->setText(QStringLiteral("Моя система"));
    dialog.findChild<QPlainTextEdit*>(QStringLiteral("edDescription"))->setPlainText(QStringLiteral("Шесть чисел"));
    dialog.findChild<QPlainTextEdit*>(QStringLiteral("edCombs"))->setPlainText(QStringLiteral("1 2 3 4 5\n1-2-3-4-6\n\n2;3;4;5;6"));
    dialog.findChild<QLineEdit*>(QStringLiteral("edBlock"))->setText(QStringLiteral("0"));
    dialog.accept();
    numsAfterNormalising = dialog.findChild<QLineEdit*>(QStringLiteral("edNums"))->text();
    return dialog.result();
  });
  QVERIFY(Trigger(*window, "SystemsAdd"));
  QCOMPARE(numsAfterNormalising, QStringLiteral("6"));
  QCOMPARE(list->model()->rowCount(), 2);
  const QModelIndexList selected = list->selectionModel()->selectedRows();
  QCOMPARE(selected.size(), 1);
  const QStringList added = RowCells(*list, selected.front().row());
  QCOMPARE(added.mid(0, 5), (QStringList{QStringLiteral("Моя система"), QStringLiteral("Иван"), QStringLiteral("06"),
                                         QStringLiteral("0"), QStringLiteral("3")}));
  QCOMPARE(added.at(6), QString());
  // Sorted on "Числа": the six-number system comes first.
  QCOMPARE(selected.front().row(), 0);

  // Play before the system is on this computer: the look-up refuses.
  main.Combs.CombsList.Clear();
  for (const TComb& comb : {TComb{3, 7, 19, 20, 44}, TComb{3, 7, 8, 19, 20}}) main.Combs.CombsList.Append(comb);
  QVERIFY(Trigger(*window, "SystemStakeAll"));
  QCOMPARE(user.boxes.size(), size_t{1});
  QVERIFY(user.boxes.back().text.startsWith(QStringLiteral("Система для 6 чисел не найдена или не загружена на компьютер!")));

  QVERIFY(Trigger(*window, "SystemsDownload"));
  QCOMPARE(RowCells(*list, 0).at(6), QStringLiteral("Загружена"));
  QVERIFY(FileExists(folder.File("Systems/5-06-0_0077.dat")));
  // Play-all, the stake dialog accepted: the stakes the core makes of the system over the list.
  TCombsArray system;
  std::string systemPath, shortMessage;
  const TCombList& working = main.Combs.CombsList;
  QVERIFY(main.SystemLoadForNumbers(DistinctNumberList(working.Storage(), working.Count()), system, systemPath,
                                    shortMessage));
  const std::vector<TStakeData> expected = SystemStakes(system, working.Combs(), true,
                                                        main.Archive.NextDrawNumber(main.DrawsOffset()),
                                                        SystemStakeComment(6, true, systemPath), main.Config);
  QVERIFY(!expected.empty());
  const int64_t before = main.Stakes.Count();
  user.dialogs.push_back([](QDialog& dialog) {
    dialog.accept();
    return dialog.result();
  });
  QVERIFY(Trigger(*window, "SystemStakeAll"));
  QCOMPARE(user.boxes.size(), size_t{1});
  std::vector<TNumberSet> made;
  main.Stakes.ForEach(before, [&](int64_t, const TStakeData& stake) {
    if (stake.Kind != StakeSeparator) made.push_back(stake.Numbers);
    return true;
  });
  QCOMPARE(made.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) QVERIFY(made[i] == expected[i].Numbers);

  // Deleting the own system asks with No as the default and removes the row and the copy.
  user.answers.push_back(QMessageBox::Yes);
  reply("sys_putdata", Result(Row("<id_systems>0</id_systems>")));
  QVERIFY(Trigger(*window, "SystemsDel"));
  QCOMPARE(user.boxes.back().text, QStringLiteral("Вы действительно хотите удалить систему \"Моя система\"?"));
  QCOMPARE(user.boxes.back().defaultButton, QMessageBox::No);
  QCOMPARE(list->model()->rowCount(), 1);
  QVERIFY(!FileExists(folder.File("Systems/5-06-0_0077.dat")));

  // Switching off hides the tab and the play commands and empties the list.
  QVERIFY(Trigger(*window, "SystemsOn"));
  QVERIFY(!tabs->isTabVisible(PageSystems));
  QVERIFY(!window->Actions().Action("SystemStakeAll")->isVisible());
  QCOMPARE(list->model()->rowCount(), 0);
}

void TablesTest::systemDialogRefusesInOrderAndFocusesTheField() {
  test::ScriptedUser user;
  tSystemData given;
  given.Info.Author = "Иван";
  SystemDialog dialog(nullptr, SystemDialogPrefill(given), true, {});
  dialog.show();
  const auto edit = [&](const char* name) { return dialog.findChild<QLineEdit*>(QString::fromLatin1(name)); };
  // Only digits reach the digits-only fields.
  edit("edBlock")->clear();
  QTest::keyClicks(edit("edBlock"), QStringLiteral("1x-"));
  QCOMPARE(edit("edBlock")->text(), QStringLiteral("1"));

  struct Case {
    std::function<void()> type;
    QString message, focus;
  };
  auto* description = dialog.findChild<QPlainTextEdit*>(QStringLiteral("edDescription"));
  const std::vector<Case> cases = {
      {[] {}, QStringLiteral("Название системы должно быть указано обязательно!"), QStringLiteral("edTitle")},
      {[&] {
         edit("edTitle")->setText(QStringLiteral("Пятёрка"));
         dialog.CombsEdit()->setPlainText(QStringLiteral("1 2 3 4 5"));
       },
       QStringLiteral("Указано недопустмое количество используемых чисел!"), QStringLiteral("edNums")},
      {[&] {
         dialog.CombsEdit()->setPlainText(QStringLiteral("1 2 3 4 5\n2 3 4 5 6"));
         edit("edBlock")->setText(QStringLiteral("5"));
       },
       QStringLiteral("Указан недопустмый размер блока!"), QStringLiteral("edBlock")},
      {[&] {
         edit("edBlock")->setText(QStringLiteral("2"));
         edit("edAuthor")->clear();
       },
       QStringLiteral("Имя автора должно быть указано обязательно!"), QStringLiteral("edAuthor")},
      {[&] { edit("edAuthor")->setText(QStringLiteral("Иван")); },
       QStringLiteral("Описание системы должно быть указано обязательно!"), QStringLiteral("edDescription")},
  };
  for (const Case& c : cases) {
    c.type();
    edit("edUrl")->setFocus();
    dialog.accept();
    QVERIFY(dialog.isVisible());
    QCOMPARE(user.boxes.back().text, c.message);
    QCOMPARE(dialog.focusWidget()->objectName(), c.focus);
  }
  QCOMPARE(user.boxes.size(), cases.size());
  description->setPlainText(QStringLiteral("Шесть чисел"));
  dialog.accept();
  QCOMPARE(dialog.result(), static_cast<int>(QDialog::Accepted));
  const TSystemDialogFields accepted = dialog.Fields();
  QCOMPARE(accepted.CombsText, std::string("01 02 03 04 05\n02 03 04 05 06"));
  QCOMPARE(accepted.NumsText, std::string("6"));
  QCOMPARE(accepted.CombinationsText, std::string("2"));
}

void TablesTest::readOnlySystemDialogOnlyCloses() {
  test::ScriptedUser user;
  tSystemData given;
  given.Info.Title = "Чужая";
  given.Combs = "01 02 03 04 05";
  TSystemDialogFields fields = SystemDialogPrefill(given);
  QStringList buttons;
  bool combsReadOnly = false;
  user.dialogs.push_back([&](QDialog& dialog) {
    for (const QPushButton* button : dialog.findChildren<QPushButton*>())
      if (button->objectName() != QStringLiteral("btOpenUrl")) buttons << button->text();
    combsReadOnly = dialog.findChild<QPlainTextEdit*>(QStringLiteral("edCombs"))->isReadOnly();
    dialog.accept();
    return dialog.result();
  });
  QVERIFY(!EditSystemDialog(nullptr, fields, false, {}));
  QCOMPARE(buttons, QStringList{QStringLiteral("Закрыть окно")});
  QVERIFY(combsReadOnly);
  QVERIFY(user.boxes.empty());
}

void TablesTest::columnWidthsAndSortOrderOutliveTheWindow() {
  test::DataFolder folder;
  test::ScriptedUser user;
  {
    auto window = StartWindow(folder);
    QVERIFY(window);
    window->findChild<TablesTab*>()->List()->horizontalHeader()->resizeSection(1, 123);
    QTableView* systems = window->findChild<SystemsTab*>()->List();
    systems->horizontalHeader()->resizeSection(0, 301);
    systems->sortByColumn(4, Qt::DescendingOrder);
  }
  auto window = StartWindow(folder);
  QVERIFY(window);
  QCOMPARE(window->findChild<TablesTab*>()->List()->horizontalHeader()->sectionSize(1), 123);
  const QHeaderView* header = window->findChild<SystemsTab*>()->List()->horizontalHeader();
  QCOMPARE(header->sectionSize(0), 301);
  QCOMPARE(header->sortIndicatorSection(), 4);
  QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
}

QTEST_MAIN(TablesTest)
#include "test_tables.moc"
