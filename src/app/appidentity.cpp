#include "app/appidentity.h"

#include <unistd.h>

#include "core/fileio.h"
#include "core/inifile.h"
#include "online/selfupdate.h"

namespace kavrin {

// KAVRIN_FILE_VERSION comes from the build (CMakeLists.txt).
std::string ApplicationVersion() { return KAVRIN_FILE_VERSION; }

std::string HardwareId() {
  static const std::string id = [] {
  std::string source;
  for (const char* path : {"/etc/machine-id", "/var/lib/dbus/machine-id"}) {
    try {
      source = Trim(ReadFileBytes(path));
    } catch (const std::exception&) {
    }
    if (!source.empty()) break;
  }
  if (source.empty()) {
    char host[256] = {};
    ::gethostname(host, sizeof host - 1);
    source = host;
  }
  return Crc32Text(Crc32(source));
  }();
  return id;
}

}  // namespace kavrin
