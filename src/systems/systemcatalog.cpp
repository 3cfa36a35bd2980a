#include "systems/systemcatalog.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "core/cp1251.h"
#include "core/errors.h"
#include "core/fileio.h"
#include "core/format.h"
#include "core/inifile.h"
#include "core/textlines.h"
#include "core/filemask.h"
#include "stakes/stakedialogs.h"
#include "stakes/systemplay.h"

namespace kavrin {

TSystemRow SystemsPlaceholderRow() {
  TSystemRow row;
  row.Info.Id = -1;
  row.Info.Title = SystemsPlaceholderTitle;
  return row;
}

bool IsOwnSystem(const tSystemInfo& info, const std::string& userMail) {
  return !Trim(userMail).empty() && SameText(Trim(info.Owner), Trim(userMail));
}

TSystemRowState SystemRowState(const TSystemRow& row, const std::string& userMail) {
  if (row.Info.Id <= 0) return TSystemRowState::None;
  if (IsOwnSystem(row.Info, userMail)) return row.Downloaded ? TSystemRowState::OwnDownloaded : TSystemRowState::Own;
  if (!Trim(row.Info.Owner).empty())
    return row.Downloaded ? TSystemRowState::ForeignDownloaded : TSystemRowState::Foreign;
  return row.Downloaded ? TSystemRowState::NoOwnerDownloaded : TSystemRowState::NoOwner;
}

std::array<std::string, SystemsColumnCount> SystemRowCells(const TSystemRow& row) {
  const tSystemInfo& i = row.Info;
  if (i.Id <= 0) return {i.Title};
  return {i.Title,
          i.Author,
          Format("%.2d", {i.Nums}),
          std::to_string(i.Block),
          std::to_string(i.Combinations),
          DateTimeToViewText(i.Created),
          row.Downloaded ? "Загружена" : "",
          std::to_string(i.Downloads),
          DateTimeToViewText(i.LastDownload),
          i.Description,
          i.Url};
}

// ---- local copies ----

std::string SystemLocalPath(const std::string& systemsFolder, const tSystemInfo& info) {
  return JoinPath(systemsFolder, SystemFileName(info.Nums, info.Block, info.Id));
}

bool SystemLocalCopyStale(const std::string& path, TDateTime created) {
  struct stat st {};
  if (created == 0 || ::stat(path.c_str(), &st) != 0) return false;
  return static_cast<int64_t>(st.st_mtime) != DateTimeToUnix(created);
}

void WriteSystemFile(const std::string& systemsFolder, const tSystemInfo& info, const std::string& combs) {
  const std::vector<std::string> lines = TextLines(combs);
  if (static_cast<int64_t>(lines.size()) != info.Combinations)
    throw KavrinError(Format("Количество скачанных комбинаций ( %d ) отличается от ожидаемого значения ( %d )",
                             {static_cast<long long>(lines.size()), info.Combinations}));
  std::error_code error;
  std::filesystem::create_directories(systemsFolder, error);
  if (error) throw KavrinError(error.message() + " (" + systemsFolder + ")");
  std::string bytes;
  for (const std::string& line : lines) bytes += Utf8ToCp1251(line) + "\r\n";
  const std::string path = SystemLocalPath(systemsFolder, info);
  WriteFileAtomic(path, bytes);
  if (info.Created == 0) return;
  // The last-write time is the version stamp of the local copy.
  const timespec times[2] = {{DateTimeToUnix(info.Created), 0}, {DateTimeToUnix(info.Created), 0}};
  if (::utimensat(AT_FDCWD, path.c_str(), times, 0) != 0)
    throw KavrinError(std::string(std::strerror(errno)) + " (" + path + ")");
}

void DeleteOtherSystemFiles(const std::string& systemsFolder, const tSystemInfo& info) {
  const std::string own = SystemFileName(info.Nums, info.Block, info.Id);
  for (const std::string& name : FindFiles(systemsFolder, Format("%d-%.2d-*_*.dat", {DrawSize, info.Nums}))) {
    if (name == own) continue;
    std::error_code error;
    if (!std::filesystem::remove(JoinPath(systemsFolder, name), error) && error)
      throw KavrinError(error.message() + " (" + JoinPath(systemsFolder, name) + ")");
  }
}

// ---- the system dialog ----

TSystemDialogFields SystemDialogPrefill(const tSystemData& data) {
  const tSystemInfo& i = data.Info;
  TSystemDialogFields f;
  f.Title = i.Title;
  f.Description = i.Description;
  f.Author = i.Author;
  f.Url = i.Url;
  f.CombsText = data.Combs;
  f.CreatedText = DateTimeToViewText(i.Created);
  f.CombinationsText = std::to_string(i.Combinations);
  f.NumsText = std::to_string(i.Nums);
  f.BlockText = std::to_string(i.Block);
  f.DownloadsText = std::to_string(i.Downloads);
  f.LastDownloadText = DateTimeToViewText(i.LastDownload);
  return f;
}

void NormaliseSystemCombs(TSystemDialogFields& fields) {
  std::vector<std::string> lines = TextLines(fields.CombsText);
  std::vector<std::string> kept;
  int low = 0, high = -1;
  for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
    const std::vector<std::string> words = SplitWords(Trim(*line), SystemWordSeparators);
    if (words.size() != static_cast<size_t>(DrawSize)) continue;
    std::string text;
    for (const std::string& word : words) {
      int32_t value;
      if (!TextToInt(word, value)) throw KavrinError(Format("\"%s\" - некорректное целое число!", {word}));
      if (high < low) low = high = value;
      low = std::min(low, value);
      high = std::max(high, value);
      text += (text.empty() ? "" : " ") + Format("%.2d", {value});
    }
    kept.push_back(text);
  }
  std::reverse(kept.begin(), kept.end());
  fields.CombsText.clear();
  for (size_t i = 0; i < kept.size(); ++i) fields.CombsText += (i ? "\r\n" : "") + kept[i];
  fields.NumsText = std::to_string(kept.empty() ? 0 : high - low + 1);
  fields.CombinationsText = std::to_string(kept.size());
}

std::optional<TSystemDialogError> ValidateSystemDialog(const TSystemDialogFields& fields) {
  auto inRange = [](const std::string& text, int min, int max) {
    int32_t value;
    return TextToInt(text, value) && value >= min && value <= max;
  };
  if (Trim(fields.Title).empty())
    return TSystemDialogError{"Название системы должно быть указано обязательно!", TSystemDialogField::Title};
  if (!inRange(fields.NumsText, 6, NumberMax))
    return TSystemDialogError{"Указано недопустмое количество используемых чисел!", TSystemDialogField::Nums};
  if (!inRange(fields.BlockText, 0, 4))
    return TSystemDialogError{"Указан недопустмый размер блока!", TSystemDialogField::Block};
  if (Trim(fields.Author).empty())
    return TSystemDialogError{"Имя автора должно быть указано обязательно!", TSystemDialogField::Author};
  if (Trim(fields.Description).empty())
    return TSystemDialogError{"Описание системы должно быть указано обязательно!", TSystemDialogField::Description};
  if (Trim(fields.CombsText).empty())
    return TSystemDialogError{"Содержимое системы должно быть указано обязательно!", TSystemDialogField::Combs};
  return std::nullopt;
}

tSystemData SystemFromDialog(const tSystemData& given, const TSystemDialogFields& fields) {
  tSystemData data;
  tSystemInfo& i = data.Info;
  i.Id = given.Info.Id;
  i.Owner = given.Info.Owner;
  i.Title = fields.Title;
  i.Description = fields.Description;
  i.Author = fields.Author;
  i.Url = fields.Url;
  i.Nums = NumberFromText(fields.NumsText);
  i.Block = NumberFromText(fields.BlockText);
  i.Combinations = NumberFromText(fields.CombinationsText);
  i.Downloads = NumberFromText(fields.DownloadsText);
  i.Created = Trim(fields.CreatedText).empty() ? NowDateTime() : ViewTextToDateTime(fields.CreatedText);
  i.LastDownload = ViewTextToDateTime(fields.LastDownloadText);
  data.Combs = fields.CombsText;
  return data;
}

}  // namespace kavrin
