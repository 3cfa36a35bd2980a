#include "online/selfupdate.h"

#include <zlib.h>

#include <filesystem>
#include <fstream>

#include "core/errors.h"
#include "core/fileio.h"
#include "core/format.h"

namespace kavrin {
namespace {

std::vector<std::string> FileList(const TIniFile& ini, const std::string& section, const char* key) {
  std::vector<std::string> names;
  std::string name;
  for (char c : ini.ReadString(section, key, "") + ";") {
    if (c != ';') {
      name += c;
      continue;
    }
    if (!Trim(name).empty()) names.push_back(Trim(name));
    name.clear();
  }
  return names;
}

TUpdateFileLists FileLists(const TIniFile& ini, const std::string& section) {
  return {FileList(ini, section, "DeleteBefore"), FileList(ini, section, "DeleteAfter"),
          FileList(ini, section, "ExecBefore"), FileList(ini, section, "ExecAfter")};
}

}  // namespace

TUpdateDescription ReadUpdateDescription(const TIniFile& ini, const std::string& programFile,
                                         const std::string& runningVersion) {
  TUpdateDescription d;
  d.VerId = Trim(ini.ReadString(programFile, "VerId", runningVersion));
  d.Description = ini.ReadString(programFile, "Description", "");
  d.DownloadUrl = Trim(ini.ReadString(programFile, "DownloadUrl", ""));
  d.OriginalFileName = Trim(ini.ReadString(programFile, "OriginalFileName", ""));
  d.ChecksumCRC32 = Trim(ini.ReadString(programFile, "ChecksumCRC32", ""));
  d.Global = FileLists(ini, UpdateGlobalSection);
  d.Own = FileLists(ini, programFile);
  return d;
}

int VersionBuild(std::string_view version) {
  int part = 0;
  std::string fourth;
  for (char c : version) {
    if (c == ',' || c == '-' || c == '.' || c == '_') ++part;
    else if (part == 3) fourth += c;
  }
  int32_t build = 0;
  return TextToInt(fourth, build) ? build : 0;
}

bool UpdateAvailable(const std::string& runningVersion, const TUpdateDescription& description) {
  return VersionBuild(runningVersion) < VersionBuild(description.VerId) && !description.DownloadUrl.empty();
}

bool IsAddressSource(std::string_view source) {
  return HasUrlScheme(source, "http") || HasUrlScheme(source, "https");
}

std::string UpdateTextFolder(const std::string& source) {
  if (IsAddressSource(source)) return source.substr(0, source.rfind('/') + 1) + "UpdDescr/";
  const std::string folder = std::filesystem::path(source).parent_path().string();
  return folder.empty() ? "UpdDescr/" : folder + "/UpdDescr/";
}

std::vector<std::string> UpdateTextNames(const std::string& languageAbbreviation, int languageId,
                                         const std::string& verId) {
  return {Format("UpdDescr_%s_%s.txt", {languageAbbreviation, verId}),
          Format("UpdDescr_%d_%s.txt", {languageId, verId}), Format("UpdDescr_%s.txt", {verId})};
}

void UpdateFetch(const THttpSettings& http, const std::string& source, const std::string& target) {
  std::error_code error;
  const std::filesystem::path folder = std::filesystem::path(target).parent_path();
  if (!folder.empty()) std::filesystem::create_directories(folder, error);
  if (error) throw KavrinError(error.message() + " (" + folder.string() + ")");
  if (IsAddressSource(source)) {
    // A client of its own: no proxy, and nothing of other requests carried over.
    THttpClient client;
    client.Settings = http;
    WriteFileAtomic(target, client.Get(source));
    return;
  }
  std::filesystem::copy_file(source, target, std::filesystem::copy_options::overwrite_existing, error);
  if (error) throw KavrinError(error.message() + " (" + source + ")");
}

uint32_t Crc32(std::string_view bytes) {
  uLong crc = crc32(0L, Z_NULL, 0);
  // zlib takes at most 4 GiB a call.
  for (size_t done = 0; done < bytes.size();) {
    const size_t chunk = std::min<size_t>(bytes.size() - done, 1u << 30);
    crc = crc32(crc, reinterpret_cast<const Bytef*>(bytes.data() + done), static_cast<uInt>(chunk));
    done += chunk;
  }
  return static_cast<uint32_t>(crc);
}

uint32_t FileCrc32(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw KavrinError(Format("Файл \"%s\" не найден!", {path}));
  uLong crc = crc32(0L, Z_NULL, 0);
  std::vector<char> buffer(1 << 16);
  while (in) {
    in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    crc = crc32(crc, reinterpret_cast<const Bytef*>(buffer.data()), static_cast<uInt>(in.gcount()));
  }
  return static_cast<uint32_t>(crc);
}

std::string Crc32Text(uint32_t crc) { return Format("%.8X", {static_cast<long long>(crc)}); }

}  // namespace kavrin
