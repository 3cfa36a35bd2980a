#pragma once
// The scenario in memory (an ordered list of lines, an empty one being a separator) and its
// files: scenario files ".lsc" and the working file, both Windows-1251 text with CR LF line ends.
#include <string>
#include <vector>

namespace kavrin {

using TScenarioLines = std::vector<std::string>;

// The working file in the program folder: the current scenario, rewritten after every change.
inline constexpr char ScriptWorkingFileName[] = "Kavrin_5x50.lss";
inline constexpr char ScriptFileFilter[] = "Файлы сценариев (*.lsc)|*.lsc";
inline constexpr char ScriptFileExt[] = "lsc";

// Each line followed by CR LF (UTF-8, as the catalog exchanges it).
std::string ScenarioText(const TScenarioLines& lines);
// Throws KavrinError with the system's error text.
TScenarioLines ReadScenarioFile(const std::string& path);
// Windows-1251, each line ended by CR LF, written atomically: on failure (KavrinError) the old
// file stays whole.
void SaveScenarioFile(const std::string& path, const TScenarioLines& lines);

// Adds a scenario file's lines: into an empty scenario they replace it; otherwise, when there
// are any, they follow one separator (none when the last line is already empty).
void AppendScenarioLines(TScenarioLines& scenario, const TScenarioLines& added);
// Deletes the lines at the indexes (any order, duplicates and indexes outside ignored), keeping
// the order of the rest.
void DeleteScenarioLines(TScenarioLines& scenario, const std::vector<int>& indexes);

}  // namespace kavrin
