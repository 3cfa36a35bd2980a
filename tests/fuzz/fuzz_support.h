#pragma once
// What every harness shares: the input as text, and a scratch folder for readers that take a path.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "stats/statlist.h"

namespace kavrin::fuzz {

inline std::string_view AsText(const uint8_t* data, size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// A fresh folder (in memory where the system allows) for one input, removed with everything in
// it (the readers' own temporary files included), so that no run leaves a file behind. Only an
// input that crashes the harness keeps its folder, which scripts/fuzz.sh then removes.
// The statistic registry with its methods built, made once for the whole run.
inline TStatList& BuiltStats() {
  static TStatList* stats = [] {
    auto* list = new TStatList;
    list->BuildMethods();
    return list;
  }();
  return *stats;
}

class Scratch {
 public:
  Scratch();
  ~Scratch();
  Scratch(const Scratch&) = delete;
  Scratch& operator=(const Scratch&) = delete;

  const std::string& Path() const { return path_; }
  // Writes the bytes as the file `name` of the folder and gives its path.
  std::string Write(const std::string& name, std::string_view bytes) const;

 private:
  std::string path_;
};

}  // namespace kavrin::fuzz
