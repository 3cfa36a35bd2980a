// Start-up of the window over the demonstration data folder, timed: from before the Qt
// application exists to the end of phase 2 (archive loaded, full list generated, statistics
// computed, status panels filled). Each run starts on a fresh copy of demo/.
// Usage: window_startup DEMO_DIR [RUNS]; run with QT_QPA_PLATFORM=offscreen or on a display.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "gui/main/application.h"
#include "gui/main/mainwindow.h"

int main(int argc, char* argv[]) {
  const auto processStart = std::chrono::steady_clock::now();
  QApplication app(argc, argv);
  kavrin::gui::SetUpApplication(app);
  const double appMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - processStart).count();
  if (argc < 2) {
    std::fprintf(stderr, "usage: window_startup DEMO_DIR [RUNS]\n");
    return 2;
  }
  const QDir demo(QString::fromLocal8Bit(argv[1]));
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    QTemporaryDir data;
    for (const QString& name : demo.entryList(QDir::Files)) QFile::copy(demo.filePath(name), data.filePath(name));
    QElapsedTimer timer;
    timer.start();
    {
      kavrin::gui::MainWindow window(data.path().toStdString(), {});
      window.show();
      if (!QTest::qWaitFor([&] { return window.Started(); }, 60000)) return 1;
      times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
      std::printf("run %d: %.0f ms, %s\n", run + 1, times.back(),
                  window.Host().Panel(kavrin::PanelCombs)->text().toUtf8().constData());
      window.close();
    }
  }
  std::sort(times.begin(), times.end());
  std::printf("Qt application set-up: %.0f ms; window to usable (median of %d): %.0f ms\n", appMs, runs,
              times[times.size() / 2]);
  return 0;
}
