// The combination list in the window, timed over the demonstration data folder: each command on
// the window's application object (with its models, status panel and the first screen of cells
// painted, offscreen) next to the same command on an application object without a window, whose
// time is the operation's own.
//   generate: the full list of 2,118,760 combinations generated after a short list (what
//             "Генерировать" does once its dialog is answered), then the view scrolled to its
//             end and painted;
//   undo:     the full list restored by undo after the filter, scrolled to its end and painted;
//   filter:   "Удалить выделенные" of five rows of the statistics table on the full list, the
//             list, the applied-filters list and the status following, the first screen painted.
// Usage: combs_list DEMO_DIR [RUNS]; run with QT_QPA_PLATFORM=offscreen.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/formmain.h"
#include "gui/main/application.h"
#include "gui/main/mainwindow.h"

using namespace kavrin;

namespace {

// The application object's host without a window: no boxes, no status panels.
class NoWindow : public UiHost {
 public:
  void ShowError(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
  void ShowInfo(const std::string&) override {}
  void ShowWarning(const std::string&, const std::string&) override {}
  bool Ask(const std::string&, const std::string&, bool defaultYes) override { return defaultYes; }
  void SetStatus(int, const std::string&) override {}
};

void CopyFolder(const QDir& from, const QTemporaryDir& to) {
  for (const QString& name : from.entryList(QDir::Files)) QFile::copy(from.filePath(name), to.filePath(name));
}

// CPU time of this thread: the figures of a shared machine's wall clock vary with the others'
// load far more than the work measured does.
double CpuMs() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

struct Times {
  std::vector<double> Cpu, Wall;
};
using Samples = std::map<std::string, Times>;

// The three commands, `runs` times each, on `main`; `screen` runs after each command (the
// window's scroll and paint, nothing without a window).
void Run(TTemplateMain& main, int runs, const std::function<void(bool toEnd)>& screen, Samples& samples) {
  const auto measure = [&](const char* name, const std::function<void()>& command, bool toEnd) {
    QCoreApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    const double cpu = CpuMs();
    command();
    screen(toEnd);
    samples[name].Cpu.push_back(CpuMs() - cpu);
    samples[name].Wall.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
  };
  for (int run = 0; run < runs; ++run) {
    main.StatSelection = {0, 1, 2, 3, 4};
    measure("filter", [&] { main.StatFilterExecute(TFilterMode::Exclude); }, false);
    measure("undo", [&] { main.CombsUndo(true); }, true);
    main.CombsGenerate({2, "1,2,3,4,5,6"}, true);
    measure("generate", [&] {
      main.CombsTakeUndoCopy(true);
      main.CombsGenerate({0, ""}, true);
    }, true);
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  gui::SetUpApplication(app);
  if (argc < 2) {
    std::fprintf(stderr, "usage: combs_list DEMO_DIR [RUNS]\n");
    return 2;
  }
  const QDir demo(QString::fromLocal8Bit(argv[1]));
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;

  Samples own;
  QTemporaryDir coreData;
  CopyFolder(demo, coreData);
  NoWindow host;
  TFormMain core(host, coreData.path().toStdString());
  if (!core.StartPhase1()) return 1;
  core.StartPhase2();
  Run(core, runs, [](bool) {}, own);

  Samples shown;
  QTemporaryDir windowData;
  CopyFolder(demo, windowData);
  gui::MainWindow window(windowData.path().toStdString(), {});
  window.resize(1280, 800);
  window.show();
  if (!QTest::qWaitFor([&] { return window.Started(); }, 120000)) return 1;
  window.findChild<QTabWidget*>(QStringLiteral("pcLeft"))->setCurrentWidget(window.Pages().Combinations);
  auto* list = window.findChild<QTableView*>(QStringLiteral("lvCombs"));
  QTest::qWait(200);
  Run(window.Main(), runs, [&](bool toEnd) {
    if (toEnd) list->scrollToBottom();
    list->viewport()->repaint();
  }, shown);
  if (list->model()->rowCount() != 2118760) return 1;

  std::printf("%d runs, median ms: CPU (wall)\n%-10s %18s %18s %18s\n", runs, "", "own time", "with window",
              "window adds");
  for (const auto& [name, times] : shown) {
    const Times& alone = own[name];
    const double cpu = Median(times.Cpu), wall = Median(times.Wall);
    const double ownCpu = Median(alone.Cpu), ownWall = Median(alone.Wall);
    std::printf("%-10s %8.2f (%7.2f) %8.2f (%7.2f) %8.2f (%7.2f)\n", name.c_str(), ownCpu, ownWall, cpu, wall,
                cpu - ownCpu, wall - ownWall);
  }
  return 0;
}
