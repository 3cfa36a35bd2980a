#pragma once
// Backtest passes computed ahead on a second core.
//
// The passes of a backtest differ only in the draws offset. When the first line of the scenario
// builds its own start list, a pass depends on nothing an earlier pass leaves except the stakes,
// and the stakes never feed back into the lists. So a worker thread runs such passes on a private
// copy of the application object (the same archive, settings and scenario; no stakes file, no
// log, a host that shows nothing), recording the result of each generation and filter in the
// order they ran. The calling thread still runs every pass itself, step by step, and takes those
// results instead of computing them; everything the user sees (status texts, log lines, history
// rows, messages, stakes, the rating, the stop checks) happens on the calling thread in the order
// of a run without the worker. A result is taken only when it is the next one recorded and it
// describes the same operation; otherwise the calling thread computes it, so a pass that went
// another way (a stop, a failure) ends exactly as it would alone.
#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "app/templatemain.h"
#include "combs/combsfeed.h"

namespace kavrin {

class TScenarioAhead {
 public:
  // Runs one pass on the copy at the copy's draws offset; `cancel` set means stop as soon as
  // possible (the results are no longer wanted).
  using TRunPass = std::function<void(TTemplateMain& copy, const std::atomic<bool>& cancel)>;

  // Whether the passes of a backtest of `main`'s scenario can be computed ahead: the first line
  // that runs builds its start list, and no full-set comparison (whose files a calculation may
  // have to build) takes part.
  static bool Applies(const TTemplateMain& main);

  // Called again and again while the calling thread waits for a pass computed ahead, at most
  // WaitSliceMs apart, so that the window is served meanwhile; true gives up the wait (a stop was
  // requested), and the calling thread then computes the rest of that pass itself.
  using TWhileWaiting = std::function<bool()>;
  static constexpr int WaitSliceMs = 20;

  // Starts the worker for the passes 1..tests, pass i at the draws offset tests - i + 1.
  TScenarioAhead(const TTemplateMain& main, int tests, TRunPass runPass, TWhileWaiting whileWaiting = {});
  // Cancels the passes still running or waiting and joins the worker.
  ~TScenarioAhead();
  TScenarioAhead(const TScenarioAhead&) = delete;
  TScenarioAhead& operator=(const TScenarioAhead&) = delete;

  // Before the calling thread runs pass `cycle`: the feed of the results recorded for it, or
  // nullptr when nobody computes it ahead (it is then the calling thread's own). After the pass,
  // EndPass releases what the feed still holds.
  TCombsFeed* BeginPass(int cycle);
  void EndPass(int cycle);

 private:
  class TPassRecord;
  class TRecordingFeed;
  class TStoragePool;
  // With the mutex held (or before the worker starts): the pass the worker computes next, or 0.
  int ClaimLocked();
  void Work(int cycle);

  std::unique_ptr<UiHost> silentHost_;
  std::unique_ptr<TTemplateMain> copy_;
  const int tests_;
  TRunPass runPass_;
  TWhileWaiting whileWaiting_;
  std::unique_ptr<TStoragePool> pool_;

  std::mutex mutex_;
  std::condition_variable changed_;
  // Per pass (index = cycle): who runs it (0 not yet decided, 1 the calling thread, 2 the worker)
  // and, for the worker's, the record.
  std::vector<int> owner_;
  std::vector<std::shared_ptr<TPassRecord>> records_;
  int current_ = 0;      // the pass the calling thread is at
  int outstanding_ = 0;  // records made and not yet released
  std::atomic<bool> cancel_{false};
  std::thread worker_;
};

}  // namespace kavrin
