// A backtest with passes computed ahead on a second thread leaves exactly what the same backtest
// leaves on one thread: the demonstration scenario over the demonstration archive, compared file
// for file, status for status and message for message, also when a stop ends it midway.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "app/scenarioahead.h"
#include "app/templatemain.h"
#include "core/cp1251.h"
#include "stakes/rating.h"
#include "stakes/stakesfile.h"
#include "support/fake_host.h"
#include "support/temp_dir.h"
#include "test_paths.h"

namespace kavrin {
namespace {

// Stops the run at the given call of ProcessEvents, as the stop command would; counts the calls
// made while a pass took results computed ahead.
class StoppingHost : public test::FakeHost {
 public:
  TTemplateMain* main = nullptr;
  int stopAtCall = 0;  // 0: never
  int fedCalls = 0;
  void ProcessEvents() override {
    // A wait for the worker serves the window as often as the wait lasts: no step of the run.
    if (main && main->ScriptRunState.WaitingAhead) return;
    FakeHost::ProcessEvents();
    if (main && main->CombsFeed) ++fedCalls;
    if (main && processEventsCalls == stopAtCall) main->ScriptRunState.StopRequested = true;
  }
};

struct TBacktest {
  std::string stakes, rating;
  std::vector<std::string> log;  // without the time prefixes
  std::vector<std::string> status;
  std::vector<test::Message> messages;
  std::vector<TComb> list;
  std::vector<THistoryRow> history;
  int offset = 0;
  int calls = 0;
  int fedCalls = 0;
};

TBacktest Backtest(bool ahead, int tests, int stopAtCall = 0) {
  test::TempDir dir;
  for (const auto& file : std::filesystem::directory_iterator(KAVRIN_DEMO_DIR))
    std::filesystem::copy_file(file.path(), dir.File(file.path().filename().string()));
  TBacktest result;
  {
    StoppingHost host;
    TTemplateMain main(host, dir.Path());
    main.LoadViewSettings();
    main.LoadConfig();
    main.InitStatistics();
    EXPECT_TRUE(main.StakesOpenAtStart());
    main.LoadArchive();
    main.RatingsLoad();
    main.View.ScriptLogEnabled = true;
    EXPECT_TRUE(main.ScriptLoadFile(dir.File("demo.lsc"), false));
    main.Combs.ReserveFullSet();
    main.ScriptRandomSeed = 5;
    main.ScriptTestAhead = ahead;
    host.main = &main;
    host.stopAtCall = stopAtCall;
    main.ScriptTestRun(tests);
    host.main = nullptr;
    // The folder differs from run to run.
    for (std::string text : host.statusLog) {
      for (size_t at; (at = text.find(dir.Path())) != std::string::npos;) text.replace(at, dir.Path().size(), "DIR");
      result.status.push_back(text);
    }
    result.messages = host.messages;
    result.list.assign(main.Combs.CombsList.Combs().begin(), main.Combs.CombsList.Combs().end());
    result.history = main.Combs.History.Rows();
    result.offset = main.DrawsOffset();
    result.calls = host.processEventsCalls;
    result.fedCalls = host.fedCalls;
  }
  result.stakes = test::ReadBytes(dir.File(StakesFileName));
  result.rating = test::ReadBytes(dir.File(RatingFileName));
  for (const auto& file : std::filesystem::directory_iterator(dir.Path())) {
    if (file.path().filename().string().rfind("ScriptLog_", 0) != 0) continue;
    std::string text = Cp1251ToUtf8(test::ReadBytes(file.path().string()));
    for (size_t start = 0, end; start < text.size(); start = end + 2) {
      end = text.find("\r\n", start);
      if (end == std::string::npos) end = text.size();
      const std::string line = text.substr(start, end - start);
      const size_t prefix = line.rfind("]: ", 30);
      result.log.push_back(line.substr(prefix == std::string::npos ? 0 : prefix + 3));
    }
  }
  return result;
}

// The first line where two long texts part, rather than both whole.
void ExpectSameLines(const std::vector<std::string>& ahead, const std::vector<std::string>& alone, const char* what) {
  const size_t common = std::min(ahead.size(), alone.size());
  for (size_t i = 0; i < common; ++i)
    if (ahead[i] != alone[i]) {
      ADD_FAILURE() << what << " line " << i << ": \"" << ahead[i] << "\" instead of \"" << alone[i] << "\"";
      return;
    }
  EXPECT_EQ(ahead.size(), alone.size()) << what;
}

void ExpectSame(const TBacktest& ahead, const TBacktest& alone) {
  EXPECT_TRUE(ahead.stakes == alone.stakes);
  EXPECT_TRUE(ahead.rating == alone.rating);
  ExpectSameLines(ahead.log, alone.log, "log");
  ExpectSameLines(ahead.status, alone.status, "status");
  EXPECT_EQ(ahead.messages, alone.messages);
  EXPECT_EQ(ahead.list, alone.list);
  EXPECT_EQ(ahead.history, alone.history);
  EXPECT_EQ(ahead.offset, alone.offset);
  EXPECT_EQ(ahead.calls, alone.calls);
}

TEST(ScenarioAhead, DemoBacktestEqualsTheOneOnOneThread) {
  const TBacktest alone = Backtest(false, 3);
  const TBacktest ahead = Backtest(true, 3);
  EXPECT_EQ(alone.fedCalls, 0);
  EXPECT_GT(ahead.fedCalls, 0);  // some passes did take results computed ahead
  ASSERT_FALSE(alone.stakes.empty());
  ASSERT_GT(alone.log.size(), 100u);
  ExpectSame(ahead, alone);
}

TEST(ScenarioAhead, StopInAPassComputedAheadLeavesWhatAStopAloneLeaves) {
  // Pass 2 (offset 1) is the first the worker computes; stop in the middle of it.
  const int stopAt = Backtest(false, 2).calls * 3 / 4;
  const TBacktest alone = Backtest(false, 2, stopAt);
  const TBacktest ahead = Backtest(true, 2, stopAt);
  EXPECT_GT(ahead.fedCalls, 0);
  EXPECT_EQ(alone.offset, 1);
  ExpectSame(ahead, alone);
}

// While the calling thread waits for a pass the worker computes, the window is served between
// slices of the wait; a stop requested meanwhile ends the wait, the calling thread then computing
// that pass itself.
TEST(ScenarioAhead, WaitingForAPassServesTheWindowAndEndsOnAStop) {
  for (const bool stop : {false, true}) {
    test::TempDir dir;
    test::FakeHost host;
    TTemplateMain main(host, dir.Path());
    std::atomic<bool> release{false};
    std::atomic<int> waits{0};
    bool taken = false;
    {
      TScenarioAhead ahead(
          main, 3,
          [&](TTemplateMain& copy, const std::atomic<bool>& cancel) {
            copy.CombsFeed->Put("generate", TCombList());
            while (!release && !cancel) std::this_thread::sleep_for(std::chrono::milliseconds(1));
          },
          [&] {
            // The worker finishes once the window was served three times, unless the user stops.
            if (++waits == 3 && !stop) release = true;
            return stop;
          });
      EXPECT_EQ(ahead.BeginPass(1), nullptr);  // the calling thread's own
      ahead.EndPass(1);
      TCombsFeed* feed = ahead.BeginPass(2);
      ASSERT_NE(feed, nullptr);
      TCombList list;
      taken = feed->Take("generate", list);
      ahead.EndPass(2);
    }
    if (stop) {
      EXPECT_FALSE(taken);
      EXPECT_EQ(waits, 1);
    } else {
      EXPECT_TRUE(taken);
      EXPECT_GE(waits, 3);
    }
  }
}

}  // namespace
}  // namespace kavrin
