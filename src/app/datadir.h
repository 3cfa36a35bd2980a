#pragma once
#include <string>

namespace kavrin {

// The data folder: the --data-dir option when given, else KAVRIN_DATA_DIR, else the folder of
// the running program file.
std::string ResolveDataDir(const std::string& option);
std::string ProgramDir();

}  // namespace kavrin
