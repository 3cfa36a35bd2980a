#pragma once
// The draw archive: the file of 28-byte records, the in-memory array (oldest first), positions
// (0 = newest) and the analysis offset with its next-draw marks.
#include <bitset>
#include <span>
#include <string>

#include "core/game.h"
#include "core/loadstate.h"

namespace kavrin {

inline constexpr size_t DrawRecordSize = 28;
inline constexpr char ArchiveFileName[] = "Kavrin_5x50.ldr";

void EncodeDrawRecord(const TDrawRec& draw, uint8_t* out);
TDrawRec DecodeDrawRecord(const uint8_t* in);
std::string EncodeDraws(const TDrawsArray& draws);
TDrawsArray DecodeDraws(std::string_view bytes);  // a trailing partial record is ignored

// Why a draw cannot be analysed (main numbers not five distinct numbers 1..50, an extra number
// above 11), or empty when it can. An extra number 0 is one the download could not read.
std::string DrawRecordProblem(const TDrawRec& draw);
// The same rule for numbers read as plain integers (CSV lines, regular-stake rules): every
// statistic indexes its tables by these numbers, so nothing else is a draw.
bool ValidDrawNumbers(std::span<const int32_t> numbers, int32_t extra);

// The date text as stored: its first 16 characters.
std::string CutDrawDate(const std::string& date);

// Index of the draw with the number, or -1 (interpolated guess, walk, then full scan).
int FindDrawByNumber(const TDrawsArray& draws, int number);

class TDrawArchive {
 public:
  explicit TDrawArchive(std::string path = {}) : path_(std::move(path)) {}

  const std::string& Path() const { return path_; }
  void SetPath(std::string path) { path_ = std::move(path); }

  // A missing file leaves the archive empty. Throws KavrinError on a read error and for a record
  // that names no valid draw (the error names the file and the record); the archive is then
  // empty and marked not loaded. Returns a warning, or empty: a trailing partial record is
  // ignored (and dropped by the next save), a date that does not read is kept as it stands.
  std::string Load();
  // Rewrites the file atomically. Throws KavrinError on a write error, and with the load error's
  // text, writing nothing, while the file that exists could not be loaded.
  void Save() const;
  bool Loaded() const { return state_.Loaded(); }

  const TDrawsArray& Draws() const { return draws_; }
  int Count() const { return static_cast<int>(draws_.size()); }
  const TDrawRec& At(int index) const { return draws_.at(index); }
  void Append(TDrawRec draw);
  void Replace(int index, TDrawRec draw);
  void DeleteDraw(int index);  // throws "Запись со индексом %d в файле данных не найдена!"
  void ClearDraws();

  int IndexOfPosition(int position) const { return Count() - 1 - position; }
  int NextDrawNumber(int position) const;
  TComb DrawCombAt(int position) const;
  std::string NextDrawText(int position) const;
  int FindDrawByNumber(int number) const { return kavrin::FindDrawByNumber(draws_, number); }

  // The analysis offset: the position that analysis treats as the newest draw.
  int Offset() const { return offset_; }
  // Returns false when the offset already had that value (nothing to recompute).
  bool SetOffset(int offset);
  int MaxOffset() const { return std::max(0, Count() - 1); }
  // Numbers of the draw just after the analysis end; empty at offset 0 or outside the archive.
  const std::bitset<256>& NextDrawMarks() const { return nextMarks_; }
  void UpdateNextDrawMarks();

 private:
  std::string path_;
  TLoadState state_;
  TDrawsArray draws_;
  int offset_ = 0;
  std::bitset<256> nextMarks_;
};

}  // namespace kavrin
