#pragma once
// File name masks with "*" and "?" as the file dialogs and searches of the program use them.
#include <string>
#include <vector>

namespace kavrin {

// Letter case of Latin and Cyrillic letters is ignored, as the program's file searches always did;
// names and masks are UTF-8, "?" stands for one character.
bool MatchesFileMask(const std::string& name, const std::string& mask);
// Names (without folder) of the entries of `folder` that are not folders and match the mask,
// in name order; empty when the folder is missing.
std::vector<std::string> FindFiles(const std::string& folder, const std::string& mask);

}  // namespace kavrin
