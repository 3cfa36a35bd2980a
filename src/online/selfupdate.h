#pragma once
// The self-update: the maker's update description names the newest build of each program file,
// its package, the package's checksum and the files to delete and programs to run around the
// copy of the new files. The source is an address or, for an update from a folder, a file path;
// everything derived from it is taken from the same kind of place.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/http.h"
#include "core/inifile.h"

namespace kavrin {

inline constexpr char UpdateInfoFileName[] = "SelfUpdates.inf";
inline constexpr char UpdateWorkFolderName[] = "SelfUpdate";
inline constexpr char UpdateGlobalSection[] = "GlobalOptions";
inline constexpr char UpdateNoDescriptionText[] = "< Описание обновления не доступно >";

struct TUpdateFileLists {
  std::vector<std::string> DeleteBefore, DeleteAfter, ExecBefore, ExecAfter;
};

struct TUpdateDescription {
  std::string VerId;             // the newest build, "a.b.c.d"
  std::string Description;       // what the new version is called for the user
  std::string DownloadUrl;       // the package's address or path; empty: no update
  std::string OriginalFileName;  // the name the package is run under
  std::string ChecksumCRC32;     // 8 hexadecimal digits; empty: not checked
  TUpdateFileLists Global;       // GlobalOptions: for every program file
  TUpdateFileLists Own;          // the program file's section
};

// The program file's section and GlobalOptions; VerId defaults to the running version, every
// other key to empty. Lists are names separated by ";".
TUpdateDescription ReadUpdateDescription(const TIniFile& ini, const std::string& programFile,
                                         const std::string& runningVersion);
// The fourth part of a version whose parts are separated by any of ",", "-", "." and "_"; 0
// when it is missing or no number.
int VersionBuild(std::string_view version);
// A newer build with a package to download.
bool UpdateAvailable(const std::string& runningVersion, const TUpdateDescription& description);

// Whether the source is an http or https address (else it is a file path).
bool IsAddressSource(std::string_view source);
// The folder of the description texts beside the source: ".../UpdDescr/".
std::string UpdateTextFolder(const std::string& source);
// The names a description text is looked for under, in order: with the language's
// abbreviation, with its id, with the version alone.
std::vector<std::string> UpdateTextNames(const std::string& languageAbbreviation, int languageId,
                                         const std::string& verId);

// Copies the source (one GET with the program's headers and no proxy, or a file copy) into the
// target file, creating its folder. Throws KavrinError.
void UpdateFetch(const THttpSettings& http, const std::string& source, const std::string& target);

// CRC-32 of IEEE 802.3 as zlib computes it.
uint32_t Crc32(std::string_view bytes);
uint32_t FileCrc32(const std::string& path);
// 8 upper-case hexadecimal digits.
std::string Crc32Text(uint32_t crc);

}  // namespace kavrin
