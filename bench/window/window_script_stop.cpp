// Responsiveness of the window during a scenario backtest of the demonstration scenario, started
// from the window's "Тест" command: the longest time the window's event loop went unserved while
// the run lasted (a 1 ms timer notes when it fires), with the operation that was running then,
// and the time from pressing "Стоп" (confirmed at once) to the end of the run.
// Usage: window_script_stop DEMO_DIR [TESTS] [STOP_AT_CYCLE ...]; with no cycle the run goes to
// its end. Run with QT_QPA_PLATFORM=offscreen or on a display.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <ctime>
#include <cstdio>
#include <string>
#include <vector>

#include "gui/common/modal.h"
#include "gui/main/actionregistry.h"
#include "gui/main/application.h"
#include "gui/main/mainwindow.h"

using namespace kavrin;

namespace {

double ThreadCpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

struct TRun {
  double totalMs = 0;
  double longestGapMs = 0;
  std::string longestGapDuring;
  // The same between two of the run's own calls for the window's events.
  double longestStepMs = 0;
  double longestStepCpuMs = 0;  // of the calling thread: the rest of the wall time was the machine's load
  double longestStepCpuOnlyMs = 0;  // the step with the most CPU time of the calling thread
  std::string longestStepDuring;
  int gapsOver50 = 0, gapsOver100 = 0;
  double stopToEndMs = -1;
};

TRun Backtest(const QDir& demo, int tests, int stopAtCycle) {
  QTemporaryDir data;
  for (const QString& name : demo.entryList(QDir::Files)) QFile::copy(demo.filePath(name), data.filePath(name));
  gui::MainWindow window(data.path().toStdString(), {});
  window.show();
  TRun run;
  if (!QTest::qWaitFor([&] { return window.Started(); }, 60000)) return run;
  TFormMain& main = window.Main();
  main.ScriptLoadFile(data.filePath(QStringLiteral("demo.lsc")).toStdString(), false);
  // KAVRIN_AHEAD=0: every pass on the calling thread alone, for comparison.
  main.ScriptTestAhead = qEnvironmentVariable("KAVRIN_AHEAD") != QStringLiteral("0");
  window.UpdateCommandStates();
  gui::SetModalHook([tests](QDialog& dialog) -> int {
    if (auto* input = qobject_cast<QInputDialog*>(&dialog)) input->setIntValue(tests);
    if (qobject_cast<QMessageBox*>(&dialog)) return QMessageBox::Yes;
    return QDialog::Accepted;
  });

  QElapsedTimer clock;
  QElapsedTimer stopPressed;
  double last = -1;
  std::string operation;
  QTimer beat;
  beat.setInterval(1);
  QObject::connect(&beat, &QTimer::timeout, &window, [&] {
    if (!main.ScriptRunState.Running) return;
    const double now = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    if (last >= 0) {
      const double gap = now - last;
      if (gap > 50) ++run.gapsOver50;
      if (gap > 100) ++run.gapsOver100;
      if (gap > run.longestGapMs) {
        run.longestGapMs = gap;
        // What the run showed when the loop was served last, and now.
        run.longestGapDuring = operation + "\" -> \"" + main.ScriptRunState.Status.Text;
      }
    }
    last = now;
    operation = main.ScriptRunState.Status.Text;
    if (stopAtCycle > 0 && main.ScriptRunState.Cycle >= stopAtCycle && !stopPressed.isValid()) {
      stopPressed.start();
      window.Actions().Action("ScriptStop")->trigger();
    }
  });
  beat.start();
  double lastStep = -1, lastCpu = 0;
  std::string stepText;
  auto idle = window.Host().OnIdle;
  window.Host().OnIdle = [&] {
    idle();
    if (!main.ScriptRunState.Running) return;
    const double now = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    const double cpu = ThreadCpuMs();
    const std::string text = main.ScriptRunState.Status.Line + " " + main.ScriptRunState.Status.Text + " [" +
                             main.StatusText(PanelOperation) + "]";
    if (lastStep >= 0 && now - lastStep > run.longestStepMs) {
      run.longestStepMs = now - lastStep;
      run.longestStepCpuMs = cpu - lastCpu;
      run.longestStepDuring = stepText + "\" -> \"" + text;
    }
    if (lastStep >= 0) run.longestStepCpuOnlyMs = std::max(run.longestStepCpuOnlyMs, cpu - lastCpu);
    lastStep = now;
    lastCpu = cpu;
    stepText = text;
  };
  clock.start();
  window.Actions().Action("ScriptTest")->trigger();
  run.totalMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
  if (stopPressed.isValid()) run.stopToEndMs = static_cast<double>(stopPressed.nsecsElapsed()) / 1e6;
  beat.stop();
  gui::SetModalHook({});
  window.close();
  return run;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  gui::SetUpApplication(app);
  if (argc < 2) {
    std::fprintf(stderr, "usage: window_script_stop DEMO_DIR [TESTS] [STOP_AT_CYCLE ...]\n");
    return 2;
  }
  const QDir demo(QString::fromLocal8Bit(argv[1]));
  const int tests = argc > 2 ? std::max(1, std::atoi(argv[2])) : 20;
  std::vector<int> stops;
  for (int i = 3; i < argc; ++i) stops.push_back(std::atoi(argv[i]));
  if (stops.empty()) stops.push_back(0);
  for (int stop : stops) {
    const TRun run = Backtest(demo, tests, stop);
    std::printf("%d tests, %s: %.0f ms; longest unserved event loop %.1f ms (during \"%s\"); gaps > 50 ms: %d, "
                "> 100 ms: %d",
                tests, stop > 0 ? ("stop in cycle " + std::to_string(stop)).c_str() : "to the end", run.totalMs,
                run.longestGapMs, run.longestGapDuring.c_str(), run.gapsOver50, run.gapsOver100);
    std::printf("; longest step without events %.1f ms, %.1f ms of it CPU (\"%s\"); most CPU in one step %.1f ms",
                run.longestStepMs, run.longestStepCpuMs, run.longestStepDuring.c_str(), run.longestStepCpuOnlyMs);
    if (run.stopToEndMs >= 0) std::printf("; stop pressed to run ended %.1f ms", run.stopToEndMs);
    std::printf("\n");
  }
  return 0;
}
