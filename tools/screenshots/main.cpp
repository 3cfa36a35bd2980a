// Screenshots of the main window and of each dialog, for looking at them and for the README.
// Usage: kavrin_screenshots DATA_DIR OUTPUT_DIR. Run under a display (scripts/screenshot.sh
// starts Xvfb for it).
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPixmap>
#include <QTableView>
#include <QTest>
#include <cstdio>
#include <functional>
#include <map>
#include <string>

#include "app/appidentity.h"
#include "gui/archive/archivetab.h"
#include "gui/archive/drawdialog.h"
#include "gui/common/detailsdialog.h"
#include "gui/common/graphwindow.h"
#include "gui/common/progresswindow.h"
#include "gui/common/waitwindow.h"
#include "gui/help/aboutdialog.h"
#include "gui/help/firstrundialog.h"
#include "gui/help/updatedialog.h"
#include "gui/main/application.h"
#include "gui/main/mainwindow.h"
#include "gui/settings/configdialog.h"
#include "gui/settings/proxydialog.h"
#include "gui/settings/shreddingdialog.h"
#include "shots.h"

using namespace kavrin;
using namespace kavrin::gui;

namespace kavrin::shots {
namespace {

QString outputDir;

std::map<std::string, std::function<void(MainWindow&)>>& Registered() {
  static std::map<std::string, std::function<void(MainWindow&)>> shots;
  return shots;
}

}  // namespace

Shots::Shots(const char* name, std::function<void(MainWindow&)> take) { Registered().emplace(name, std::move(take)); }

void Save(QWidget& widget, const QString& name) {
  widget.show();
  widget.raise();
  QTest::qWait(150);
  const QString path = QDir(outputDir).filePath(name + QStringLiteral(".png"));
  if (!widget.grab().save(path)) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  widget.hide();
}

}  // namespace kavrin::shots

using kavrin::shots::Save;

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: kavrin_screenshots DATA_DIR OUTPUT_DIR\n");
    return 2;
  }
  if (!SetUpApplication(app)) std::fprintf(stderr, "Qt's Russian translations are missing\n");
  kavrin::shots::outputDir = QString::fromLocal8Bit(argv[2]);
  QDir().mkpath(kavrin::shots::outputDir);

  MainWindow window(argv[1], {});
  window.resize(1280, 800);
  window.show();
  if (!QTest::qWaitFor([&] { return window.Started(); }, 120000)) return 1;
  window.Archive().List()->selectRow(0);
  QTest::qWait(300);
  Save(window, QStringLiteral("main-window"));
  window.show();
  TFormMain& main = window.Main();

  DrawDialog draw(&window, QStringLiteral("Введите данные следующего тиража"),
                  DrawDialogPrefill(main.Archive.At(main.Archive.Count() - 1)));
  Save(draw, QStringLiteral("draw-dialog"));
  ConfigDialog config(&window, main.Config);
  Save(config, QStringLiteral("config-dialog"));
  ShreddingDialog shredding(&window, main.Shredding);
  Save(shredding, QStringLiteral("shredding-dialog"));
  ProxyDialog proxy(&window, ProxyDialogPrefill(main.Proxy));
  Save(proxy, QStringLiteral("proxy-dialog"));
  AboutDialog about(&window, "Kavrin 5x50", ApplicationVersion(), main.DataDir());
  Save(about, QStringLiteral("about-dialog"));
  FirstRunWindow firstRun(&window, FirstRunDialog(false), [] {}, [](const std::string&) {});
  Save(firstRun, QStringLiteral("first-run-dialog"));
  UpdateDialog update(&window, {"0.1.0.1", "0.1.0.2", "Исправления и улучшения.\r\nНовые статистики."});
  Save(update, QStringLiteral("update-dialog"));

  TDetailsView details;
  details.Numbers = main.Archive.At(main.Archive.Count() - 1).Numbers;
  details.MatrixCols = main.Config.MatrixCols;
  details.ChannelSize = main.Config.ChannelSize;
  details.Properties = {{"Номер тиража:", "1500"}, {"Дата тиража:", main.Archive.At(main.Archive.Count() - 1).Date},
                        {"Сумма тиража: все значения", "120"}};
  DetailsDialog detailsDialog(&window, details);
  Save(detailsDialog, QStringLiteral("details-dialog"));

  GraphWindow graph(&window);
  for (int x = 1; x <= 20; ++x) {
    graph.AddGraphPoint(x, QStringLiteral("Прибыль"), (x % 7) * 100.0 - 250, true, true, 0xC00000);
    graph.AddGraphPoint(x, QStringLiteral("Ставки"), x * 20.0, false, false, AutoColor);
  }
  Save(graph, QStringLiteral("graph-window"));

  QMessageBox question(QMessageBox::Question, QStringLiteral("Предупреждение"),
                       QStringLiteral("Удалить все выделенные записи (всего будет удалено 2 записи(ей))?"),
                       QMessageBox::Yes | QMessageBox::No, &window);
  question.setDefaultButton(QMessageBox::No);
  Save(question, QStringLiteral("question-box"));
  QMessageBox error(QMessageBox::Critical, QStringLiteral("Ошибка"),
                    QStringLiteral("Ошибка чтения файла тиражей!\n\nНет доступа к файлу."), QMessageBox::Ok, &window);
  Save(error, QStringLiteral("error-box"));

  WaitWindow wait(&window);
  wait.SetText(QStringLiteral("Загрузка архива тиражей...\n\nПопытка 2, proxy 10.0.0.1 : 8080"));
  Save(wait, QStringLiteral("wait-window"));
  ProgressWindow progress(&window);
  progress.Start(QStringLiteral("Поиск доступных обновлений..."), 5);
  progress.Step(2);
  Save(progress, QStringLiteral("progress-window"));
  progress.hide();

  for (const auto& [name, take] : kavrin::shots::Registered()) {
    window.show();
    take(window);
  }
  return 0;
}
