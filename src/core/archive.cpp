#include "core/archive.h"

#include <climits>

#include "core/binio.h"
#include "core/cp1251.h"
#include "core/errors.h"
#include "core/fileio.h"
#include "core/format.h"

namespace kavrin {

static_assert(DrawRecordSize == 28);

void EncodeDrawRecord(const TDrawRec& draw, uint8_t* out) {
  RecordWriter w(out, DrawRecordSize);
  w.I32(0, draw.Number);
  w.Bytes(4, draw.Numbers.data(), DrawSize);
  w.U8(9, draw.Extra);
  w.ShortString(10, DrawDateLength, draw.Date);
}

TDrawRec DecodeDrawRecord(const uint8_t* in) {
  RecordReader r(in, DrawRecordSize);
  TDrawRec draw;
  draw.Number = r.I32(0);
  r.Bytes(4, draw.Numbers.data(), DrawSize);
  draw.Extra = r.U8(9);
  draw.Date = r.ShortString(10, DrawDateLength);
  return draw;
}

std::string EncodeDraws(const TDrawsArray& draws) { return EncodeRecords<DrawRecordSize>(draws, EncodeDrawRecord); }

TDrawsArray DecodeDraws(std::string_view bytes) {
  TDrawsArray draws;
  draws.reserve(bytes.size() / DrawRecordSize);
  ForEachRecord<DrawRecordSize>(bytes, [&](const uint8_t* record) { draws.push_back(DecodeDrawRecord(record)); });
  return draws;
}

namespace {

std::string DrawNumbersProblem(std::span<const int32_t> numbers, int32_t extra) {
  if (numbers.size() != DrawSize) return Format("чисел %d вместо %d", {static_cast<int>(numbers.size()), DrawSize});
  bool seen[NumberMax + 1] = {};
  for (int32_t n : numbers) {
    if (n < 1 || n > NumberMax) return Format("число %d вне диапазона от 1 до %d", {n, NumberMax});
    if (seen[n]) return Format("число %d повторяется", {n});
    seen[n] = true;
  }
  if (extra < 0 || extra > ExtraMax) return Format("дополнительное число %d больше %d", {extra, ExtraMax});
  return "";
}

}  // namespace

std::string DrawRecordProblem(const TDrawRec& draw) {
  const std::array<int32_t, DrawSize> numbers = {draw.Numbers[0], draw.Numbers[1], draw.Numbers[2], draw.Numbers[3],
                                                 draw.Numbers[4]};
  return DrawNumbersProblem(numbers, draw.Extra);
}

bool ValidDrawNumbers(std::span<const int32_t> numbers, int32_t extra) {
  return DrawNumbersProblem(numbers, extra).empty();
}

std::string CutDrawDate(const std::string& date) { return Utf8Prefix(date, DrawDateLength); }

int FindDrawByNumber(const TDrawsArray& draws, int number) {
  const int count = static_cast<int>(draws.size());
  if (count == 0) return -1;
  const int last = count - 1;
  if (draws[0].Number == number) return 0;
  if (draws[last].Number == number) return last;
  const int64_t first = draws[0].Number;
  const int64_t span = static_cast<int64_t>(draws[last].Number) - first + 1;
  int64_t guess = span == 0 ? -1 : static_cast<int64_t>(count) * (number - first) / span;
  if (guess < 0 || guess > last) guess = last;
  int i = static_cast<int>(guess);
  if (draws[i].Number == number) return i;
  const int step = draws[i].Number < number ? 1 : -1;
  for (i += step; i >= 0 && i <= last; i += step)
    if (draws[i].Number == number) return i;
  for (i = last; i >= 0; --i)
    if (draws[i].Number == number) return i;
  return -1;
}

std::string TDrawArchive::Load() {
  state_.SetLoaded();
  if (!FileExists(path_)) return "";
  std::string warning;
  try {
    const std::string bytes = ReadFileBytes(path_);
    TDrawsArray draws = DecodeDraws(bytes);
    int badDates = 0;
    for (size_t i = 0; i < draws.size(); ++i) {
      const std::string problem = DrawRecordProblem(draws[i]);
      if (!problem.empty())
        throw KavrinError(Format("Файл %s, запись %d (тираж %d): %s.", {path_, i + 1, draws[i].Number, problem}));
      try {
        DrawTextToDateTime(draws[i].Date);
      } catch (const KavrinError&) {
        ++badDates;
      }
    }
    if (const size_t tail = bytes.size() % DrawRecordSize)
      warning = Format("Файл %s обрывается внутри записи %d: последние %d байт не составляют целой записи и не "
                       "будут сохранены.",
                       {path_, draws.size() + 1, tail});
    if (badDates > 0)
      warning += (warning.empty() ? "" : "\r") +
                 Format("Файл %s: дата не читается в записях: %d.", {path_, badDates});
    draws_ = std::move(draws);
  } catch (const std::exception& e) {
    draws_.clear();
    state_.SetFailed(e.what());
    UpdateNextDrawMarks();
    throw;
  }
  UpdateNextDrawMarks();
  return warning;
}

void TDrawArchive::Save() const {
  state_.RequireLoaded();
  WriteFileAtomic(path_, EncodeDraws(draws_));
}

void TDrawArchive::Append(TDrawRec draw) {
  draw.Date = CutDrawDate(draw.Date);
  draws_.push_back(std::move(draw));
}

void TDrawArchive::Replace(int index, TDrawRec draw) {
  draw.Date = CutDrawDate(draw.Date);
  draws_.at(index) = std::move(draw);
}

void TDrawArchive::DeleteDraw(int index) {
  if (index < 0 || index >= Count())
    throw KavrinError(RecordNotFoundMessage(index));
  draws_.erase(draws_.begin() + index);
}

void TDrawArchive::ClearDraws() {
  draws_.clear();
  nextMarks_.reset();
}

int TDrawArchive::NextDrawNumber(int position) const {
  if (draws_.empty()) return 1;
  if (position < 0 || position >= Count()) return -1;
  // The largest draw number has no successor; stay on it rather than overflow.
  const int32_t number = draws_[IndexOfPosition(position)].Number;
  return number == INT32_MAX ? number : number + 1;
}

TComb TDrawArchive::DrawCombAt(int position) const {
  if (position < 0 || position >= Count()) return TComb{};
  return draws_[IndexOfPosition(position)].Numbers;
}

std::string TDrawArchive::NextDrawText(int position) const {
  if (position <= 0 || position >= Count()) return "";
  return CombToText(DrawCombAt(position - 1));
}

bool TDrawArchive::SetOffset(int offset) {
  if (offset == offset_) return false;
  offset_ = offset;
  UpdateNextDrawMarks();
  return true;
}

void TDrawArchive::UpdateNextDrawMarks() {
  nextMarks_.reset();
  if (offset_ <= 0 || offset_ >= Count()) return;
  for (uint8_t n : DrawCombAt(offset_ - 1)) nextMarks_.set(n);
}

}  // namespace kavrin
