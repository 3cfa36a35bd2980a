#pragma once
// The full-set comparison files: for a method with a norm, how often each of its values occurs
// among all combinations of 5 numbers out of 50, computed once and kept next to the program.
// The statistics table scales them into the expected count of each value.
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/progress.h"
#include "stats/statlist.h"
#include "stats/statrec.h"

namespace kavrin {

inline constexpr char FullSetFolder[] = "Prefetchs";
inline constexpr size_t FullSetRecordSize = 12;  // Key1..Key4 as uint16, Count as int32

struct TFullSetRecord {
  TStatKey Key = 0;
  int32_t Count = 0;
};

struct TFullSetData {
  std::vector<TFullSetRecord> Records;  // in file order: ascending keys
  int32_t MinCount = 0;                 // from the 12-byte trailer
  int32_t MaxCount = 0;
};

// "<data folder>/Prefetchs/Kavrin_5x50_<code>.dfc".
std::string FullSetFilePath(const std::string& dataDir, const std::string& code);

// The records and the trailer of a file's bytes. Throws KavrinError when the size is no whole
// number of records with a trailer.
TFullSetData DecodeFullSet(std::string_view bytes);
// The file's bytes: the records, then MinCount, MaxCount and 0.
std::string EncodeFullSet(const TFullSetData& data);
// nullopt when the file is missing or empty; throws KavrinError when it cannot be read.
std::optional<TFullSetData> ReadFullSetFile(const std::string& path);

// The values of the method over every combination of the full set (AddCombination of each, a
// value carried several times counting as often), ordered by key, with the least and the
// greatest count.
TFullSetData ComputeFullSet(TCustomStat& stat);

// A set of method groups, bit g standing for group g. The dependency mask of a settings change
// (ConfigChangeMask: 16 matrix columns, 8 channel size, 32 segments) is the set of the groups
// whose files depend on it.
using TStatGroupSet = uint32_t;
inline constexpr TStatGroupSet AllStatGroups = (1u << StatGroupCount) - 1;  // start-up with "fullrecreate"
inline constexpr TStatGroupSet ShreddingStatGroups = 1u << 12;              // after the shredding formula dialog

// The file operations report their texts, errors and steps to `Progress`, which outlives them.
struct TFullSetContext {
  TFullSetContext(TStatList& stats, std::string dataDir, bool enabled, TProgress& progress = NoProgress())
      : Stats(stats), DataDir(std::move(dataDir)), Enabled(enabled), Progress(progress) {}
  TStatList& Stats;
  std::string DataDir;
  bool Enabled;  // the comparison option of the statistics page
  TProgress& Progress;
};

// The comparison data of registry entry `entry`: nullopt when the option is off or the method
// has no norm. A missing or empty file is built first. Failures are shown and give nullopt.
std::optional<TFullSetData> OpenFullSetFile(const TFullSetContext& context, int entry);
// Writes the entry's file and gives its data; on failure shows "Ошибка создания файла данных
// для полного набора вариантов!...", leaves no file and gives nullopt.
std::optional<TFullSetData> BuildFullSetFile(const TFullSetContext& context, int entry);
// Runs when `force` is set or the option is on: for every entry with a norm (among `entries`
// when given), builds its file unless the file exists and the entry's group is not in `groups`.
// The files are computed in parallel and written, reported and counted in registry order.
// Returns the entries whose files were written.
std::vector<int> EnsureFullSetFiles(const TFullSetContext& context, bool force, TStatGroupSet groups,
                                    std::span<const int> entries = {});

}  // namespace kavrin
