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
void WriteFileAtomic(const std::string& path, std::string_view bytes);

// Test seam: when set, called before each chunk is written with the number of bytes written so
// far; returning false makes that write fail as a full disk would.
using WriteFaultHook = std::function<bool(size_t written)>;
void SetWriteFaultHook(WriteFaultHook hook);

std::string JoinPath(const std::string& folder, const std::string& name);

}  // namespace kavrin
