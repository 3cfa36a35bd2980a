#pragma once
// The full-set comparison files: for a method with a norm, how often each of its values occurs
// among all combinations of 5 numbers out of 50. The statistics table reads them; the files are
// built elsewhere.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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
// nullopt when the file is missing or empty; throws KavrinError when it cannot be read.
std::optional<TFullSetData> ReadFullSetFile(const std::string& path);

}  // namespace kavrin
