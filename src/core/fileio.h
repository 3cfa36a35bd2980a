#pragma once
// Whole-file reading and the atomic whole-file writer.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace kavrin {

bool FileExists(const std::string& path);

// The whole file as bytes; throws KavrinError with the system's error text.
std::string ReadFileBytes(const std::string& path);

// Writes a temporary file in the same folder, flushes it to disk and renames it over `path`,
// so that at every moment either the old or the new file is complete. Throws KavrinError with
// the system's error text; on failure the old file is untouched and the temporary removed.
// The new file keeps the permission bits of the one it replaces (0644 for a new file); a
// symbolic link is followed, so its target is rewritten and the link stays.
void WriteFileAtomic(const std::string& path, std::string_view bytes);

// Whether a file name is one of the atomic writer's temporary files: "<name>.~" and six letters
// or digits.
bool IsAtomicWriteTempName(std::string_view fileName);
// Removes the writer's temporary files in the folder (not below it) that a crash or a kill left
// behind; only regular files with the writer's naming are touched, and failures are ignored.
// Call it only while no other copy of the program can be writing there (with the stakes file's
// lock held). Returns how many were removed.
int RemoveLeftoverTempFiles(const std::string& folder);

// Test seam: when set, called before each chunk is written with the number of bytes written so
// far; returning false makes that write fail as a full disk would.
using WriteFaultHook = std::function<bool(size_t written)>;
void SetWriteFaultHook(WriteFaultHook hook);
// For writers of their own (the stakes file): throws KavrinError "No space left on device (path)"
// when the seam makes the write of the next chunk fail.
void CheckWriteFault(size_t written, const std::string& path);

// Test seam: when set, called before each whole-file read with the path; returning false makes
// the read fail with an I/O error, as an unreadable disk would (even for root).
using ReadFaultHook = std::function<bool(const std::string& path)>;
void SetReadFaultHook(ReadFaultHook hook);

std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace kavrin
