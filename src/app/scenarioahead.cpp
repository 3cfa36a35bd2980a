#include "app/scenarioahead.h"

#include <chrono>
#include <deque>
#include <utility>

#include "scenarios/scriptline.h"

namespace kavrin {
namespace {

// The worker's copy shows nothing and is asked nothing.
class TSilentHost final : public UiHost {
 public:
  void ShowError(const std::string&) override {}
  void ShowInfo(const std::string&) override {}
  void ShowWarning(const std::string&, const std::string&) override {}
  bool Ask(const std::string&, const std::string&, bool) override { return false; }
  void SetStatus(int, const std::string&) override {}
};

// Passes recorded and not yet run by the calling thread, at most: each holds every list its
// operations produced.
constexpr int MaxPassesAhead = 2;

}  // namespace

// List storages passed between the two threads, so that neither allocates (and faults in) a
// fresh one for each result.
class TScenarioAhead::TStoragePool {
 public:
  // The smallest storage that holds `entries` without growing, else the largest there is.
  TCombList Acquire(int64_t entries) {
    std::lock_guard lock(mutex_);
    if (free_.empty()) return {};
    auto best = free_.begin();
    for (auto it = free_.begin(); it != free_.end(); ++it) {
      const bool fits = it->Capacity() >= entries, bestFits = best->Capacity() >= entries;
      if (fits != bestFits ? fits : (fits ? it->Capacity() < best->Capacity() : it->Capacity() > best->Capacity()))
        best = it;
    }
    TCombList list = std::move(*best);
    free_.erase(best);
    return list;
  }
  void Release(TCombList&& list) {
    std::lock_guard lock(mutex_);
    free_.push_back(std::move(list));
  }

 private:
  std::mutex mutex_;
  std::vector<TCombList> free_;
};

// The results of one pass, filled by the worker and taken in order by the calling thread.
class TScenarioAhead::TPassRecord final : public TCombsFeed {
 public:
  TPassRecord(TStoragePool& pool, const TWhileWaiting& whileWaiting) : pool_(pool), whileWaiting_(whileWaiting) {}

  void Push(const std::string& key, TCombList&& list) {
    std::lock_guard lock(mutex_);
    results_.emplace_back(key, std::move(list));
  }
  void Finish() {
    {
      std::lock_guard lock(mutex_);
      done_ = true;
    }
    changed_.notify_all();
  }
  // The calling thread's side: waits once, until the worker is through the pass. (Waiting for
  // each result as it comes would hand the thread back and forth for every list, and on a busy
  // machine each handing over costs more than the list.) The wait is cut into slices, between
  // which the window gets its events: on a loaded machine the rest of a pass may take seconds.
  bool Take(const std::string& key, TCombList& list) override {
    std::unique_lock lock(mutex_);
    if (parted_) return false;
    while (!changed_.wait_for(lock, std::chrono::milliseconds(WaitSliceMs), [&] { return done_; })) {
      if (!whileWaiting_) continue;
      lock.unlock();
      const bool giveUp = whileWaiting_();
      lock.lock();
      if (giveUp && !done_) {
        parted_ = true;
        return false;
      }
    }
    if (results_.empty() || results_.front().first != key) {
      // The pass went another way from here on: the calling thread computes the rest itself.
      parted_ = true;
      return false;
    }
    TCombList result = std::move(results_.front().second);
    results_.pop_front();
    lock.unlock();
    list.Swap(result);
    pool_.Release(std::move(result));
    return true;
  }
  // What the calling thread computes itself stays its own.
  void Put(const std::string&, const TCombList&) override {}
  void ReleaseAll() {
    std::lock_guard lock(mutex_);
    for (auto& result : results_) pool_.Release(std::move(result.second));
    results_.clear();
  }

 private:
  TStoragePool& pool_;
  const TWhileWaiting& whileWaiting_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::pair<std::string, TCombList>> results_;
  bool done_ = false;
  bool parted_ = false;
};

// The worker's side: every list its copy computes is recorded; nothing is taken.
class TScenarioAhead::TRecordingFeed final : public TCombsFeed {
 public:
  TRecordingFeed(TPassRecord& record, TStoragePool& pool) : record_(record), pool_(pool) {}
  bool Take(const std::string&, TCombList&) override { return false; }
  void Put(const std::string& key, const TCombList& list) override {
    TCombList copy = pool_.Acquire(list.Count());
    copy.CopyFrom(list);
    record_.Push(key, std::move(copy));
  }

 private:
  TPassRecord& record_;
  TStoragePool& pool_;
};

bool TScenarioAhead::Applies(const TTemplateMain& main) {
  if (main.View.PrefetchsEnabled || std::thread::hardware_concurrency() < 2) return false;
  for (const std::string& line : main.ScriptLines)
    if (!IsScriptSeparator(line))
      return LineOptionsFromText(ScriptLineOptions(line)).StartCombsType != TStartCombsType::CURR;
  return false;
}

TScenarioAhead::TScenarioAhead(const TTemplateMain& main, int tests, TRunPass runPass, TWhileWaiting whileWaiting)
    : silentHost_(std::make_unique<TSilentHost>()),
      copy_(std::make_unique<TTemplateMain>(*silentHost_, main.DataDir())),
      tests_(tests),
      runPass_(std::move(runPass)),
      whileWaiting_(std::move(whileWaiting)),
      pool_(std::make_unique<TStoragePool>()),
      owner_(static_cast<size_t>(tests) + 1, 0),
      records_(static_cast<size_t>(tests) + 1) {
  TTemplateMain& copy = *copy_;
  copy.View = main.View;
  copy.View.ScriptLogEnabled = false;
  copy.Stats.CopySettingsFrom(main.Stats);
  copy.Archive = main.Archive;
  copy.Stats.SetDraws(copy.Archive.Draws());
  copy.StatPage.Kinds = main.StatPage.Kinds;
  copy.RefreshSuspended = true;
  copy.ScriptLines = main.ScriptLines;
  // The first pass is the calling thread's; the worker starts at once with the second.
  const int first = ClaimLocked();
  worker_ = std::thread([this, first] { Work(first); });
}

int TScenarioAhead::ClaimLocked() {
  // The first pass not yet taken after the calling thread's is its next one (it gets there
  // before any other thread could compute it); the worker takes the one after.
  bool skipped = false;
  for (int i = current_ + 1; i <= tests_; ++i) {
    if (owner_[i] != 0) continue;
    if (!skipped) {
      skipped = true;
      continue;
    }
    owner_[i] = 2;
    records_[i] = std::make_shared<TPassRecord>(*pool_, whileWaiting_);
    ++outstanding_;
    return i;
  }
  return 0;
}

TScenarioAhead::~TScenarioAhead() {
  {
    std::lock_guard lock(mutex_);
    cancel_ = true;
  }
  changed_.notify_all();
  worker_.join();
}

void TScenarioAhead::Work(int cycle) {
  while (cycle != 0) {
    std::shared_ptr<TPassRecord> record;
    {
      std::lock_guard lock(mutex_);
      record = records_[cycle];
    }
    bool stopped = true;
    try {
      copy_->SetDrawsOffset(tests_ - cycle + 1);
      copy_->ScriptRunState.StopRequested = false;
      TRecordingFeed feed(*record, *pool_);
      copy_->CombsFeed = &feed;
      runPass_(*copy_, cancel_);
      copy_->CombsFeed = nullptr;
      stopped = copy_->ScriptRunState.StopRequested;
    } catch (...) {
      copy_->CombsFeed = nullptr;
    }
    record->Finish();
    // A pass that stopped ends the run there, or the calling thread goes on alone.
    if (stopped) return;
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return cancel_ || outstanding_ < MaxPassesAhead; });
    cycle = cancel_ ? 0 : ClaimLocked();
  }
}

TCombsFeed* TScenarioAhead::BeginPass(int cycle) {
  std::lock_guard lock(mutex_);
  current_ = cycle;
  TCombsFeed* feed = nullptr;
  if (owner_.at(cycle) == 0)
    owner_[cycle] = 1;
  else
    feed = records_[cycle].get();
  changed_.notify_all();
  return feed;
}

void TScenarioAhead::EndPass(int cycle) {
  std::shared_ptr<TPassRecord> record;
  {
    std::lock_guard lock(mutex_);
    record = std::move(records_.at(cycle));
    if (record) --outstanding_;
  }
  if (record) record->ReleaseAll();
  changed_.notify_all();
}

}  // namespace kavrin
