#include "core/filemask.h"

#include <algorithm>
#include <filesystem>

#include "core/textcase.h"

namespace kavrin {

bool MatchesFileMask(const std::string& nameText, const std::string& maskText) {
  const std::u32string name = CodePoints(nameText), mask = CodePoints(maskText);
  // Classic wildcard walk: remember the last "*" and retry from one character further.
  size_t n = 0, m = 0, star = std::u32string::npos, resume = 0;
  auto same = [](char32_t a, char32_t b) { return LocaleLower(a) == LocaleLower(b); };
  while (n < name.size()) {
    if (m < mask.size() && (mask[m] == '?' || (mask[m] != '*' && same(mask[m], name[n])))) {
      ++n;
      ++m;
    } else if (m < mask.size() && mask[m] == '*') {
      star = m++;
      resume = n;
    } else if (star != std::u32string::npos) {
      m = star + 1;
      n = ++resume;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == '*') ++m;
  return m == mask.size();
}

std::vector<std::string> FindFiles(const std::string& folder, const std::string& mask) {
  std::vector<std::string> names;
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    std::error_code ignored;
    if (it->is_directory(ignored)) continue;
    std::string name = it->path().filename().string();
    if (MatchesFileMask(name, mask)) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace kavrin
