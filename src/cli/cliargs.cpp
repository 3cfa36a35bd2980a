#include "cli/cliargs.h"

#include "core/inifile.h"

namespace kavrin {

bool CliArgs::TakeFlag(const std::string& name) {
  for (auto it = args_.begin(); it != args_.end(); ++it)
    if (*it == name) {
      args_.erase(it);
      return true;
    }
  return false;
}

std::optional<std::string> CliArgs::TakeOption(const std::string& name) {
  for (auto it = args_.begin(); it != args_.end(); ++it)
    if (*it == name) {
      if (it + 1 == args_.end()) throw CliUsageError("option " + name + " needs a value");
      std::string value = *(it + 1);
      args_.erase(it, it + 2);
      return value;
    }
  return std::nullopt;
}

std::vector<std::string> CliArgs::TakeRepeated(const std::string& name) {
  std::vector<std::string> values;
  while (auto value = TakeOption(name)) values.push_back(*value);
  return values;
}

std::optional<int> CliArgs::TakeInt(const std::string& name, int min, int max) {
  auto value = TakeOption(name);
  if (!value) return std::nullopt;
  return ParseIntArgument(*value, name, min, max);
}

std::optional<std::string> CliArgs::TakeWord() {
  if (args_.empty() || args_.front().rfind("--", 0) == 0) return std::nullopt;
  std::string word = args_.front();
  args_.erase(args_.begin());
  return word;
}

std::vector<std::string> CliArgs::Positionals() const {
  for (const std::string& arg : args_)
    if (arg.size() > 1 && arg.rfind("--", 0) == 0) throw CliUsageError("unknown option " + arg);
  return args_;
}

int ParseIntArgument(const std::string& text, const std::string& what, int min, int max) {
  int32_t v;
  if (!TextToInt(text, v) || v < min || v > max)
    throw CliUsageError(what + " must be a whole number from " + std::to_string(min) + " to " + std::to_string(max));
  return v;
}

}  // namespace kavrin
