#pragma once
// The arguments of one command: options are taken out by name, what remains are positionals.
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace kavrin {

// Bad arguments: the message goes to stderr and the exit status is 2.
class CliUsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class CliArgs {
 public:
  explicit CliArgs(std::vector<std::string> args) : args_(std::move(args)) {}

  bool TakeFlag(const std::string& name);
  std::optional<std::string> TakeOption(const std::string& name);
  std::vector<std::string> TakeRepeated(const std::string& name);
  std::optional<int> TakeInt(const std::string& name, int min, int max);
  // The first argument when it is no option (a subcommand), taken out.
  std::optional<std::string> TakeWord();
  // The remaining arguments; an unknown option among them is a usage error.
  std::vector<std::string> Positionals() const;

 private:
  std::vector<std::string> args_;
};

// A whole decimal integer in min..max, or a usage error naming `what`.
int ParseIntArgument(const std::string& text, const std::string& what, int min, int max);

}  // namespace kavrin
