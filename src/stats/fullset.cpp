#include "stats/fullset.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <thread>

#include "core/binio.h"
#include "core/errors.h"
#include "core/fileio.h"
#include "core/format.h"

namespace kavrin {
namespace {

constexpr char ProgramName[] = "Kavrin_5x50";

// A file of size 0 counts as missing.
bool FullSetFileExists(const std::string& path) {
  std::error_code error;
  const auto size = std::filesystem::file_size(path, error);
  return !error && size > 0;
}

std::string FileNameOf(const std::string& path) { return std::filesystem::path(path).filename().string(); }

std::string EntryPath(const TFullSetContext& context, int entry) {
  return FullSetFilePath(context.DataDir, context.Stats.Items(entry).Code());
}

// A file that could not be rebuilt is removed: its old contents may belong to settings that no
// longer hold, and a missing file is built again when next needed.
void DropFullSetFile(TProgress& progress, const std::string& path, const std::string& reason) {
  std::error_code ignored;
  std::filesystem::remove(path, ignored);
  progress.Error(Format("Ошибка создания файла данных для полного набора вариантов!\r\rИмя файла: %s\r\r%s", {path, reason}));
}

// Writes the bytes in place of the old file.
bool WriteFullSetFile(TProgress& progress, const std::string& path, const std::string& bytes) {
  try {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    WriteFileAtomic(path, bytes);
    return true;
  } catch (const std::exception& e) {
    DropFullSetFile(progress, path, e.what());
    return false;
  }
}

}  // namespace

std::string FullSetFilePath(const std::string& dataDir, const std::string& code) {
  return JoinPath(JoinPath(dataDir, FullSetFolder), Format("%s_%s.dfc", {ProgramName, code}));
}

TFullSetData DecodeFullSet(std::string_view bytes) {
  if (bytes.size() < FullSetRecordSize || bytes.size() % FullSetRecordSize != 0)
    throw KavrinError(Format("Неверный размер файла: %d байт", {bytes.size()}));
  const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
  const size_t records = bytes.size() / FullSetRecordSize - 1;
  TFullSetData set;
  set.Records.reserve(records);
  for (size_t i = 0; i < records; ++i) {
    RecordReader r(data + i * FullSetRecordSize, FullSetRecordSize);
    TStatDrawRec rec;
    rec.Key1 = static_cast<uint16_t>(r.U32(0));
    rec.Key2 = static_cast<uint16_t>(r.U32(0) >> 16);
    rec.Key3 = static_cast<uint16_t>(r.U32(4));
    rec.Key4 = static_cast<uint16_t>(r.U32(4) >> 16);
    set.Records.push_back({rec.Key(), r.I32(8)});
  }
  RecordReader trailer(data + records * FullSetRecordSize, FullSetRecordSize);
  set.MinCount = trailer.I32(0);
  set.MaxCount = trailer.I32(4);
  return set;
}

std::string EncodeFullSet(const TFullSetData& data) {
  std::string bytes((data.Records.size() + 1) * FullSetRecordSize, '\0');
  auto* out = reinterpret_cast<uint8_t*>(bytes.data());
  for (size_t i = 0; i < data.Records.size(); ++i) {
    RecordWriter w(out + i * FullSetRecordSize, FullSetRecordSize);
    TStatDrawRec rec;
    rec.SetKey(data.Records[i].Key);
    w.U32(0, rec.Dword1());
    w.U32(4, rec.Dword2());
    w.I32(8, data.Records[i].Count);
  }
  RecordWriter trailer(out + data.Records.size() * FullSetRecordSize, FullSetRecordSize);
  trailer.I32(0, data.MinCount);
  trailer.I32(4, data.MaxCount);
  trailer.I32(8, 0);
  return bytes;
}

std::optional<TFullSetData> ReadFullSetFile(const std::string& path) {
  if (!FileExists(path)) return std::nullopt;
  const std::string bytes = ReadFileBytes(path);
  if (bytes.empty()) return std::nullopt;
  return DecodeFullSet(bytes);
}

TFullSetData ComputeFullSet(TCustomStat& stat) {
  // The full set is enumerated in order and handed over in blocks: the builder needs no list of
  // the whole set.
  TStatDrawArray items;
  std::vector<TComb> block;
  constexpr size_t BlockSize = 4096;
  block.reserve(BlockSize);
  TComb c;
  for (c[0] = 1; c[0] <= NumberMax - 4; ++c[0])
    for (c[1] = c[0] + 1; c[1] <= NumberMax - 3; ++c[1])
      for (c[2] = c[1] + 1; c[2] <= NumberMax - 2; ++c[2])
        for (c[3] = c[2] + 1; c[3] <= NumberMax - 1; ++c[3])
          for (c[4] = c[3] + 1; c[4] <= NumberMax; ++c[4]) {
            block.push_back(c);
            if (block.size() == BlockSize) {
              stat.AddCombinations(block, items);
              block.clear();
            }
          }
  stat.AddCombinations(block, items);
  SortStatValues(items);
  const TStatTotals totals = StatTotals(items);
  TFullSetData data;
  data.Records.reserve(items.size());
  for (const TStatDrawRec& e : items) data.Records.push_back({e.Key(), e.Count});
  data.MinCount = totals.MinCount;
  data.MaxCount = totals.MaxCount;
  return data;
}

std::optional<TFullSetData> OpenFullSetFile(const TFullSetContext& context, int entry) {
  if (!context.Enabled || !context.Stats.Items(entry).MethodClass->HasNorm()) return std::nullopt;
  const std::string path = EntryPath(context, entry);
  try {
    if (std::optional<TFullSetData> data = ReadFullSetFile(path)) return data;
  } catch (const std::exception& e) {
    context.Progress.Error(Format("Ошибка открытия файла данных для полного набора вариантов!\r\rИмя файла: %s\r\r%s", {path, e.what()}));
    return std::nullopt;
  }
  return BuildFullSetFile(context, entry);
}

std::optional<TFullSetData> BuildFullSetFile(const TFullSetContext& context, int entry) {
  const std::string path = EntryPath(context, entry);
  context.Progress.Status(Format("Создание файла предварительной выборки %s...", {FileNameOf(path)}));
  std::optional<TFullSetData> data;
  try {
    data = ComputeFullSet(*context.Stats.CreateStat(entry));
  } catch (const std::exception& e) {
    DropFullSetFile(context.Progress, path, e.what());
  }
  if (data && !WriteFullSetFile(context.Progress, path, EncodeFullSet(*data))) data.reset();
  context.Progress.Status("");
  return data;
}

namespace {

// One file of EnsureFullSetFiles, computed by a worker thread and written by the caller's.
struct TFullSetJob {
  std::string Path;
  std::unique_ptr<TCustomStat> Stat;
  bool Done = false;
  std::string Bytes;
  bool Failed = false;
  std::string Error;  // why the computation failed
};

// Computes the jobs on all cores; the caller takes them in order with Wait.
class TFullSetWorkers {
 public:
  explicit TFullSetWorkers(std::vector<TFullSetJob>& jobs) : jobs_(jobs) {
    const size_t cores = std::max(1u, std::thread::hardware_concurrency());
    for (size_t i = 0; i < std::min(cores, jobs.size()); ++i) threads_.emplace_back([this] { Work(); });
  }
  // Jobs not yet started are dropped when the caller leaves early.
  ~TFullSetWorkers() { next_ = jobs_.size(); }

  // Waits for job k, letting the window process its events now and then.
  void Wait(size_t k, const std::function<void()>& processEvents) {
    for (;;) {
      {
        std::unique_lock lock(mutex_);
        if (done_.wait_for(lock, std::chrono::milliseconds(50), [&] { return jobs_[k].Done; })) return;
      }
      if (processEvents) processEvents();
    }
  }

 private:
  void Work() {
    for (size_t k; (k = next_++) < jobs_.size();) {
      TFullSetJob& job = jobs_[k];
      std::string bytes, error;
      bool failed = false;
      try {
        bytes = EncodeFullSet(ComputeFullSet(*job.Stat));
      } catch (const std::exception& e) {
        failed = true;
        error = e.what();
      }
      {
        std::lock_guard lock(mutex_);
        job.Bytes = std::move(bytes);
        job.Failed = failed;
        job.Error = std::move(error);
        job.Done = true;
      }
      done_.notify_all();
    }
  }

  std::vector<TFullSetJob>& jobs_;
  std::atomic<size_t> next_ = 0;
  std::mutex mutex_;
  std::condition_variable done_;
  std::vector<std::jthread> threads_;  // last: joined before the rest is destroyed
};

}  // namespace

std::vector<int> EnsureFullSetFiles(const TFullSetContext& context, bool force, TStatGroupSet groups,
                                    std::span<const int> entries) {
  std::vector<int> written;
  if (!force && !context.Enabled) return written;
  TProgress& progress = context.Progress;
  const std::string title = "Создание файлов для полного набора комбинаций...";
  progress.Status(title);
  TStatList& stats = context.Stats;
  progress.ProgressStart(title, stats.Count());

  // The method objects are made here, one per file, so that the workers only compute.
  std::vector<TFullSetJob> jobs;
  std::vector<size_t> jobOf(stats.Count(), SIZE_MAX);
  for (int i = 0; i < stats.Count(); ++i) {
    const TStatClass& c = *stats.Items(i).MethodClass;
    if (!c.HasNorm()) continue;
    if (!entries.empty() && std::find(entries.begin(), entries.end(), i) == entries.end()) continue;
    const std::string path = EntryPath(context, i);
    if (FullSetFileExists(path) && !(groups >> c.GroupIndex() & 1)) continue;
    jobOf[i] = jobs.size();
    TFullSetJob& job = jobs.emplace_back();
    job.Path = path;
    job.Stat = stats.CreateStat(i);
  }

  {
    TFullSetWorkers workers(jobs);
    for (int i = 0; i < stats.Count(); ++i) {
      if (jobOf[i] != SIZE_MAX) {
        TFullSetJob& job = jobs[jobOf[i]];
        progress.Status(Format("Создание файла предварительной выборки %s...", {FileNameOf(job.Path)}));
        workers.Wait(jobOf[i], [&] { progress.ProcessEvents(); });
        if (job.Failed)
          DropFullSetFile(progress, job.Path, job.Error);
        else if (WriteFullSetFile(progress, job.Path, job.Bytes))
          written.push_back(i);
        job.Bytes = {};
      }
      progress.ProgressStep(i + 1);
    }
  }
  progress.ProgressEnd();
  progress.Status("");
  return written;
}

}  // namespace kavrin
