#pragma once
#include <string>

namespace kavrin::test {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);
// Copies a file of tests/fixtures into the folder and returns its path there.
std::string CopyFixture(const TempDir& dir, const std::string& name);

}  // namespace kavrin::test
