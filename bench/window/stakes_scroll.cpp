// The stakes grid over a stakes file of a million records, timed: start-up with the file, the
// first paint of the stakes tab, and page jumps across the whole file, each painted at once.
// Usage: stakes_scroll DEMO_DIR [RECORDS]; run with QT_QPA_PLATFORM=offscreen or on a display.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <random>
#include <vector>

#include "gui/main/application.h"
#include "gui/main/mainwindow.h"
#include "stakes/stakesfile.h"

namespace {

// Stakes of every kind for draws 1..1500, checked, with a separator after every tenth.
void WriteStakes(const std::string& path, int records) {
  std::ofstream out(path, std::ios::binary);
  std::vector<uint8_t> record(kavrin::StakeRecordSize);
  for (int i = 0; i < records; ++i) {
    kavrin::TStakeData stake = kavrin::StakesNewSeparator();
    if (i % 10 != 9) {
      stake.Kind = static_cast<uint8_t>(1 + i % 4);
      stake.DrawNumber = 1 + i % 1500;
      stake.Checked = true;
      stake.Selection = 2118760;
      stake.Numbers.Count = 5;
      stake.Numbers.Numbers = {3, 11, 25, 40, 49};
      stake.DrawNumbers = {40, 2, 11, 7, 30};
      stake.Overlaps.Count = 2;
      stake.Overlaps.Numbers = {11, 40};
      stake.Profit = kavrin::TCurrency::FromAmount(50);
      stake.Comment = "Ставка \"вручную\"";
    }
    kavrin::EncodeStakeRecord(stake, record.data());
    out.write(reinterpret_cast<const char*>(record.data()), static_cast<std::streamsize>(record.size()));
  }
}

double Elapsed(const QElapsedTimer& timer) { return static_cast<double>(timer.nsecsElapsed()) / 1e6; }

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  kavrin::gui::SetUpApplication(app);
  if (argc < 2) {
    std::fprintf(stderr, "usage: stakes_scroll DEMO_DIR [RECORDS]\n");
    return 2;
  }
  const QDir demo(QString::fromLocal8Bit(argv[1]));
  const int records = argc > 2 ? std::max(1, std::atoi(argv[2])) : 1000000;
  QTemporaryDir data;
  for (const QString& name : demo.entryList(QDir::Files)) QFile::copy(demo.filePath(name), data.filePath(name));
  WriteStakes(data.filePath(QString::fromLatin1(kavrin::StakesFileName)).toStdString(), records);

  QElapsedTimer timer;
  timer.start();
  kavrin::gui::MainWindow window(data.path().toStdString(), {});
  window.resize(1280, 800);
  window.show();
  if (!QTest::qWaitFor([&] { return window.Started(); }, 600000)) return 1;
  std::printf("window to usable with %d stakes: %.0f ms\n", records, Elapsed(timer));

  timer.restart();
  window.Pages().Tabs->setCurrentIndex(kavrin::gui::PageStakes);
  auto* grid = window.findChild<QTableView*>(QStringLiteral("sgStakes"));
  grid->viewport()->repaint();
  std::printf("stakes tab shown and painted: %.2f ms (%d rows)\n", Elapsed(timer), grid->model()->rowCount());

  // Page jumps anywhere in the file, each painted before the next.
  std::mt19937 random(1);
  QScrollBar* bar = grid->verticalScrollBar();
  std::vector<double> jumps;
  for (int i = 0; i < 200; ++i) {
    timer.restart();
    bar->setValue(std::uniform_int_distribution<int>(0, bar->maximum())(random));
    grid->viewport()->repaint();
    jumps.push_back(Elapsed(timer));
  }
  std::sort(jumps.begin(), jumps.end());
  std::printf("page jump and paint (200 jumps): median %.2f ms, slowest %.2f ms\n", jumps[jumps.size() / 2],
              jumps.back());
  timer.restart();
  grid->scrollToBottom();
  grid->viewport()->repaint();
  std::printf("to the last record and painted: %.2f ms\n", Elapsed(timer));
  window.close();
  return 0;
}
