#include "support/temp_dir.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "test_paths.h"

namespace kavrin::test {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "kavrin-test-XXXXXX").string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  if (!::mkdtemp(name.data())) throw std::runtime_error("mkdtemp failed");
  path_ = name.data();
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!f) throw std::runtime_error("cannot write " + path);
}

std::string ReadBytes(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  if (!f) throw std::runtime_error("cannot read " + path);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

std::string CopyFixture(const TempDir& dir, const std::string& name) {
  std::string target = dir.File(std::filesystem::path(name).filename().string());
  std::filesystem::copy_file(std::string(KAVRIN_FIXTURES_DIR) + "/" + name, target,
                             std::filesystem::copy_options::overwrite_existing);
  return target;
}

}  // namespace kavrin::test
