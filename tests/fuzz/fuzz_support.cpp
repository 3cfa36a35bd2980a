#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace kavrin::fuzz {

namespace {

// KAVRIN_FUZZ_SCRATCH when set (scripts/fuzz.sh names a folder it removes afterwards, so that
// not even the folder of a crashing input stays). Otherwise memory-backed when the system has
// it: the readers' atomic writes flush to disk, and on a disk that flush would cost more than
// everything else a run does.
std::filesystem::path ScratchRoot() {
  if (const char* root = std::getenv("KAVRIN_FUZZ_SCRATCH"); root && *root) return root;
  std::error_code ignored;
  if (std::filesystem::is_directory("/dev/shm", ignored)) return "/dev/shm";
  return std::filesystem::temp_directory_path();
}

}  // namespace

Scratch::Scratch() {
  static const std::filesystem::path root = ScratchRoot();
  std::string pattern = (root / "kavrin-fuzz-XXXXXX").string();
  if (!::mkdtemp(pattern.data())) throw std::runtime_error("no scratch folder");
  path_ = pattern;
}

Scratch::~Scratch() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string Scratch::Write(const std::string& name, std::string_view bytes) const {
  const std::string path = path_ + "/" + name;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
  return path;
}

}  // namespace kavrin::fuzz
