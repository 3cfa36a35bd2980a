#include "stats/fullset.h"

#include "core/binio.h"
#include "core/errors.h"
#include "core/fileio.h"
#include "core/format.h"

namespace kavrin {
namespace {

constexpr char ProgramName[] = "Kavrin_5x50";

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

std::optional<TFullSetData> ReadFullSetFile(const std::string& path) {
  if (!FileExists(path)) return std::nullopt;
  const std::string bytes = ReadFileBytes(path);
  if (bytes.empty()) return std::nullopt;
  return DecodeFullSet(bytes);
}

}  // namespace kavrin
