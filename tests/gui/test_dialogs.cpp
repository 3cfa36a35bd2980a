// The dialogs of the window, driven through their real widgets.
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QLineSeries>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include "core/format.h"
#include "gui/archive/drawdialog.h"
#include "gui/common/filedialogs.h"
#include "gui/common/graphwindow.h"
#include "gui/main/application.h"
#include "gui/settings/configdialog.h"
#include "gui/settings/proxydialog.h"
#include "guitest.h"

using namespace kavrin;
using namespace kavrin::gui;

class DialogsTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase();
  void standardButtonsAreRussian();
  void drawDialogRefusesInvalidNumbers_data();
  void drawDialogRefusesInvalidNumbers();
  void drawDialogAcceptsAndKeepsWhatWasTyped();
  void segmentCellOutOfRangeBecomesOne();
  void proxyDialogRefusesManualWithoutServer();
  void graphWindowFindsSeriesWithoutCase();
  void fileFilters();
};

void DialogsTest::initTestCase() { QVERIFY2(SetUpApplication(*qApp), "Qt's own translations are installed"); }

void DialogsTest::standardButtonsAreRussian() {
  QMessageBox box(QMessageBox::Question, QStringLiteral("Подтверждение"), QStringLiteral("?"),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  QCOMPARE(box.button(QMessageBox::Yes)->text().remove(QLatin1Char('&')), QStringLiteral("Да"));
  QCOMPARE(box.button(QMessageBox::No)->text().remove(QLatin1Char('&')), QStringLiteral("Нет"));
  QCOMPARE(box.button(QMessageBox::Cancel)->text().remove(QLatin1Char('&')), QStringLiteral("Отмена"));
}

void DialogsTest::drawDialogRefusesInvalidNumbers_data() {
  QTest::addColumn<QString>("numbers");
  QTest::newRow("no extra") << QStringLiteral("1;2;3;4;5");
  QTest::newRow("repeated main") << QStringLiteral("1;2;3;3;5;6");
  QTest::newRow("extra 12") << QStringLiteral("1;2;3;4;5;12");
  QTest::newRow("main 51") << QStringLiteral("1;2;3;4;51;6");
  QTest::newRow("new draw's zeros") << QStringLiteral("0;0;0;0;0;0");
}

void DialogsTest::drawDialogRefusesInvalidNumbers() {
  QFETCH(QString, numbers);
  test::ScriptedUser user;
  TDrawDialogFields fields;
  fields.Number = 101;
  fields.NumbersText = "0;0;0;0;0;0";
  fields.DateTime = EncodeDateTime(2024, 3, 2, 20, 30);
  DrawDialog dialog(nullptr, QStringLiteral("Введите данные следующего тиража"), fields);
  dialog.show();
  auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("edNumbers"));
  edit->setText(numbers);
  dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  QVERIFY2(dialog.isVisible(), "a refused OK keeps the dialog open");
  QCOMPARE(dialog.result(), int(QDialog::Rejected));
  QCOMPARE(user.boxes.size(), size_t(1));
  QCOMPARE(user.boxes[0].caption, QStringLiteral("Ошибка"));
  QCOMPARE(user.boxes[0].text, QStringLiteral("Введена некорректная комбинация!"));
  QCOMPARE(dialog.focusWidget(), static_cast<QWidget*>(edit));
}

void DialogsTest::drawDialogAcceptsAndKeepsWhatWasTyped() {
  test::ScriptedUser user;
  TDrawDialogFields fields;
  fields.Number = 7;
  fields.NumbersText = "0;0;0;0;0;0";
  fields.DateTime = EncodeDateTime(2024, 3, 2, 20, 30);
  user.dialogs.push_back([](QDialog& dialog) {
    dialog.findChild<QLineEdit*>(QStringLiteral("edNumbers"))->setText(QStringLiteral("9, 3;;41,17;50;11"));
    dialog.findChild<QSpinBox*>(QStringLiteral("edNumber"))->setValue(1234);
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    return dialog.result();
  });
  QVERIFY(EditDrawDialog(nullptr, "Введите данные следующего тиража", fields));
  QVERIFY(user.boxes.empty());
  const auto draw = DrawFromDialog(fields);
  QVERIFY(draw.has_value());
  QCOMPARE(draw->Number, 1234);
  QVERIFY2((draw->Numbers == TComb{9, 3, 41, 17, 50}), "the numbers in the order typed");
  QCOMPARE(int(draw->Extra), 11);
  QCOMPARE(DateTimeToDrawText(fields.DateTime), std::string("02.03.2024 20:30"));
}

void DialogsTest::segmentCellOutOfRangeBecomesOne() {
  test::ScriptedUser user;
  TConfigData config;
  config.MatrixCols = 10;
  ConfigDialog dialog(nullptr, config);
  auto* grid = dialog.findChild<QTableWidget*>(QStringLiteral("sgSegments"));
  QCOMPARE(grid->columnCount(), 10);
  QCOMPARE(grid->rowCount(), 5);
  grid->item(0, 2)->setText(QStringLiteral("4"));
  grid->item(1, 0)->setText(QStringLiteral("0"));
  QCOMPARE(user.boxes.size(), size_t(1));
  QCOMPARE(user.boxes[0].text, QStringLiteral("Некорректное значение: 0!\n\nУкажите любое число от 1 до 9"));
  QCOMPARE(grid->item(1, 0)->text(), QStringLiteral("1"));
  // Another column count lays out the same digits again.
  dialog.findChild<QSpinBox*>(QStringLiteral("edMatrixCols"))->setValue(7);
  QCOMPARE(grid->rowCount(), 8);
  QCOMPARE(grid->item(0, 2)->text(), QStringLiteral("4"));
  QVERIFY2(grid->item(7, 6)->flags() == Qt::NoItemFlags, "no number 56");
  const TConfigData result = dialog.Result();
  QCOMPARE(result.MatrixCols, 7);
  QCOMPARE(int(result.MatrixSegments[2]), 4);
  QCOMPARE(int(result.MatrixSegments[10]), 1);
  QCOMPARE(result.Profits.size(), size_t(6));
}

void DialogsTest::proxyDialogRefusesManualWithoutServer() {
  test::ScriptedUser user;
  ProxyDialog dialog(nullptr, TProxyDialogFields{});
  dialog.show();
  auto* server = dialog.findChild<QLineEdit*>(QStringLiteral("edServer"));
  QVERIFY2(!server->isEnabled(), "fields only for the manual choice");
  dialog.findChild<QRadioButton*>(QStringLiteral("rbManual"))->setChecked(true);
  QVERIFY(server->isEnabled());
  dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  QVERIFY(dialog.isVisible());
  QCOMPARE(user.boxes.size(), size_t(1));
  QCOMPARE(user.boxes[0].caption, QStringLiteral("Ошибка"));
  server->setText(QStringLiteral("proxy.example"));
  dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  QCOMPARE(dialog.result(), int(QDialog::Accepted));
  QCOMPARE(dialog.Fields().Server, std::string("proxy.example"));
  QCOMPARE(dialog.Fields().Choice, int(ProxyChoiceManual));
}

void DialogsTest::graphWindowFindsSeriesWithoutCase() {
  GraphWindow window(nullptr);
  QCOMPARE(window.windowTitle(), QStringLiteral("График"));
  window.AddGraphPoint(1, QStringLiteral("Прибыль"), 10, true, true, 0xFF0000);
  window.AddGraphPoint(2, QStringLiteral("ПРИБЫЛЬ"), -5, false, false, 0x00FF00);
  window.AddGraphPoint(1, QStringLiteral("Ставки"), 3, false, false, AutoColor);
  QCOMPARE(window.SeriesCount(), 2);
  QCOMPARE(window.Series(0)->count(), 2);
  QCOMPARE(window.Series(0)->color(), QColor(0xFF0000));
  QVERIFY(window.Series(0)->pointLabelsVisible());
  QVERIFY(!window.Series(1)->pointLabelsVisible());
  window.findChild<QCheckBox*>(QStringLiteral("cbMarks"))->setChecked(false);
  QVERIFY2(!window.Series(0)->pointLabelsVisible(), "the box hides the marks of the series created with them");
  window.findChild<QCheckBox*>(QStringLiteral("cbMarks"))->setChecked(true);
  QVERIFY(window.Series(0)->pointLabelsVisible());
  QVERIFY2(!window.Series(1)->pointLabelsVisible(), "and never shows marks of the others");
}

void DialogsTest::fileFilters() {
  QCOMPARE(FileDialogFilter("Файлы тиражей (*.csv)|*.csv"), QStringLiteral("Файлы тиражей (*.csv)"));
  QCOMPARE(FileDialogFilter("Списки|*.lcv;*.txt|Все файлы|*.*"),
           QStringLiteral("Списки (*.lcv *.txt);;Все файлы (*.*)"));
}

QTEST_MAIN(DialogsTest)
#include "test_dialogs.moc"
