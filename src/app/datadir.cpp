#include "app/datadir.h"

#include <unistd.h>

#include <climits>
#include <cstdlib>

namespace kavrin {

std::string ProgramDir() {
  char buf[PATH_MAX];
  ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return ".";
  std::string path(buf, static_cast<size_t>(n));
  size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? "." : path.substr(0, slash);
}

std::string ResolveDataDir(const std::string& option) {
  if (!option.empty()) return option;
  if (const char* env = std::getenv("KAVRIN_DATA_DIR"); env && *env) return env;
  return ProgramDir();
}

}  // namespace kavrin
