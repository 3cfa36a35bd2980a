#pragma once
// The stake logs "Kavrin_5x50-%d.log": one plain-text file per overlap count, one line per
// checked stake, each file capped at 256 MiB by starting it afresh.
#include <cstdint>
#include <string>

#include "core/game.h"
#include "stakes/stakerecord.h"

namespace kavrin {

inline constexpr char StakeLogFileName[] = "Kavrin_5x50-%d.log";
inline constexpr char StakeLogMask[] = "Kavrin_5x50-*.log";
inline constexpr int64_t StakeLogSizeLimit = 268435456;

std::string StakeLogPath(const std::string& folder, int overlaps);
// The line without its CR LF: local time "yyyy.mm.dd hh:nn:ss", ": " and the stake's result.
std::string StakeLogLine(const TStakeData& stake, TDateTime now);
// Deletes the log when it has grown past the limit. Throws KavrinError when the delete fails.
void RemoveOversizedLog(const std::string& path);
// Appends the line and CR LF in Windows-1251, creating the file. Throws KavrinError.
void AppendLogLine(const std::string& path, const std::string& line);

}  // namespace kavrin
