#include "scenarios/scenariofile.h"

#include <algorithm>

#include "core/cp1251.h"
#include "core/fileio.h"
#include "core/format.h"
#include "core/inifile.h"
#include "core/textlines.h"

namespace kavrin {

std::string ScenarioText(const TScenarioLines& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

TScenarioLines ReadScenarioFile(const std::string& path) { return TextLines(Cp1251ToUtf8(ReadFileBytes(path))); }

void SaveScenarioFile(const std::string& path, const TScenarioLines& lines) {
  WriteFileAtomic(path, Utf8ToCp1251(ScenarioText(lines)));
}


void AppendScenarioLines(TScenarioLines& scenario, const TScenarioLines& added) {
  if (scenario.empty()) {
    scenario = added;
    return;
  }
  if (added.empty()) return;
  if (!Trim(scenario.back()).empty()) scenario.emplace_back();
  scenario.insert(scenario.end(), added.begin(), added.end());
}

void DeleteScenarioLines(TScenarioLines& scenario, const std::vector<int>& indexes) {
  std::vector<bool> gone(scenario.size());
  for (int i : indexes)
    if (i >= 0 && i < static_cast<int>(scenario.size())) gone[i] = true;
  TScenarioLines kept;
  for (size_t i = 0; i < scenario.size(); ++i)
    if (!gone[i]) kept.push_back(std::move(scenario[i]));
  scenario = std::move(kept);
}

}  // namespace kavrin
