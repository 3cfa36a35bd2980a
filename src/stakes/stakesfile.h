#pragma once
// The stakes file "Kavrin_5x50.lsk": 320-byte stake records, held open with an exclusive lock
// from start-up to shut-down (the lock is what keeps a second copy of the program off the same
// data folder). Every operation throws KavrinError with the failure's text; the application
// object adds the fixed message of the operation.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "core/config.h"
#include "core/game.h"
#include "core/loadstate.h"
#include "stakes/stakerecord.h"

namespace kavrin {

inline constexpr char StakesFileName[] = "Kavrin_5x50.lsk";
inline constexpr char StakesNotOpenMessage[] = "Файл ставок не открыт!";

enum class TSeekOrigin { Begin = 0, Current = 1, End = 2 };

// What result checking reports while it runs.
struct TStakesCheckHooks {
  std::function<void(const std::string&)> Progress;  // the operation text
  std::function<void(const TStakeData&)> Checked;    // after the record was written back
};

class TStakesFile {
 public:
  explicit TStakesFile(std::string path = {}) : path_(std::move(path)) {}
  ~TStakesFile();
  TStakesFile(const TStakesFile&) = delete;
  TStakesFile& operator=(const TStakesFile&) = delete;

  const std::string& Path() const { return path_; }
  void SetPath(std::string path) { path_ = std::move(path); }
  // The stakes file name with its extension changed to ".~tmp": where deletions build the new file.
  std::string TempPath() const;

  // Opens for reading and writing, creating a missing file, and takes the exclusive lock; fails
  // when another holder (a second copy of the program) has it. The lock is taken on the file
  // that has the name at that moment, so it holds across the replacement by a deletion's rename.
  // With the lock held, a temporary file left by an interrupted deletion is removed: the stakes
  // file itself is always complete.
  void Open();
  // Releases the lock; the file counts as closed even when the close fails.
  void Close();
  void Reopen();
  bool IsOpen() const { return fd_ >= 0; }

  int64_t Size() const;  // bytes; 0 for a file refused as damaged
  int64_t Count() const { return Size() / static_cast<int64_t>(StakeRecordSize); }
  bool NotEmpty() const { return IsOpen() && Size() > 0; }
  // The version rule, applied once after the first Open. A file whose first record has an older
  // version is emptied; a current-version file whose last record was cut short (a crash while
  // appending) loses only that partial record. Either way the old file is first kept as a copy
  // beside it (a failed copy changes nothing and is raised). A file that is neither (a newer or
  // unknown version, or a record that is no stake of this program) is refused: KavrinError names
  // the file and the record, and every later operation but Close fails with that text, so
  // nothing is read from it or written to it until the user replaces it.
  struct TVersionRule {
    std::string Warning;  // the message to show, naming the copy; empty when nothing was done
    bool Emptied = false;
  };
  TVersionRule ApplyVersionRule();
  // Cuts the file to `size` bytes (0 empties it).
  void Truncate(int64_t size = 0);

  // The record at index x 320 bytes from the origin (index -1 from the end is the last one).
  TStakeData Read(TSeekOrigin origin, int64_t index);
  // Overwrites a record or, at the end of the file, appends one; never writes past the end.
  void Write(TSeekOrigin origin, int64_t index, const TStakeData& stake);

  // Appends the stake for `draws` consecutive draws starting with its own draw number; for more
  // than one draw each copy follows a separator unless the file is empty or ends with one.
  // Refuses a checked stake.
  void Append(const TStakeData& stake, int draws);
  // Some record, of any kind and state, has this draw number and the same set of numbers.
  bool Find(int drawNumber, const TNumberSet& numbers);

  // Fills in the results of every unchecked stake whose draw is in `draws`. Returns true when at
  // least one stake became checked; `changed` says so too when a failure cuts the work short.
  bool Check(const TDrawsArray& draws, const TConfigData& config, const TStakesCheckHooks& hooks, bool& changed);

  // The first record of the `n` most recent checked draws, walking back from the end.
  struct TRecentDraws {
    int Found = 0;
    int64_t FirstIndex = 0;
  };
  TRecentDraws SeekRecentDraws(int n);

  // Removes the records numbered first..last (1-based, as the table rows).
  void DeleteRows(int64_t first, int64_t last);
  // Removes checked and unchecked stakes whose overlap count meets the condition (modes 0..4:
  // =, >, >=, <, <= threshold); separators stay.
  void DeleteByCondition(int mode, int threshold);

  // Calls `visit` with each record from `first` to the end, in order, until it returns false.
  void ForEach(int64_t first, const std::function<bool(int64_t index, const TStakeData&)>& visit);

 private:
  void RequireOpen() const;
  // Open and not refused as damaged.
  void RequireUsable() const;
  // Writes the whole file to a free name beside it ("<name>.old", "<name>.old2", ...); returns it.
  std::string KeepCopy() const;
  int64_t Resolve(TSeekOrigin origin, int64_t index) const;
  // Replaces the file by one holding only the records `keep` accepts (1-based record number):
  // the new file is written completely and then renamed over the old one, so at every moment
  // one of them is whole.
  void Rewrite(const std::function<bool(int64_t number, const TStakeData&)>& keep);

  std::string path_;
  TLoadState state_;
  int fd_ = -1;
  int64_t position_ = 0;  // byte position after the last record read or written
  // One record read last, by its byte position; emptied by every change of the file.
  std::optional<std::pair<int64_t, TStakeData>> cache_;
};

// The condition captions of deletion by condition, modes 0..4.
const std::array<std::string, 5>& StakeConditionCaptions();
// Whether a stake with this overlap count (-1 when unchecked) is removed.
bool StakeMeetsCondition(int mode, int threshold, int overlaps);

}  // namespace kavrin
