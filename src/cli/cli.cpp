#include "cli/cli.h"

#include <climits>
#include <functional>
#include <map>

#include "app/datadir.h"
#include "app/templatemain.h"
#include "cli/cliargs.h"
#include "cli/consolehost.h"
#include "core/errors.h"
#include "core/format.h"

namespace kavrin {
namespace {

struct Context {
  TTemplateMain& main;
  CliArgs& args;
  std::ostream& out;
  std::ostream& err;
};

template <typename Cells>
void PrintRow(std::ostream& out, const Cells& cells) {
  bool first = true;
  for (const std::string& cell : cells) {
    if (!first) out << '\t';
    out << cell;
    first = false;
  }
  out << '\n';
}

void NoPositionals(const CliArgs& args) {
  auto positionals = args.Positionals();
  if (!positionals.empty()) throw CliUsageError("unexpected argument " + positionals.front());
}

std::string OnePositional(const CliArgs& args, const std::string& what) {
  auto positionals = args.Positionals();
  if (positionals.size() != 1) throw CliUsageError("expected " + what);
  return positionals.front();
}

void DrawsList(Context& c) {
  int limit = c.args.TakeInt("--limit", 0, INT_MAX).value_or(INT_MAX);
  NoPositionals(c.args);
  PrintRow(c.out, DrawListCaptions());
  const TDrawArchive& archive = c.main.Archive;
  for (int position = 0; position < archive.Count() && position < limit; ++position)
    PrintRow(c.out, DrawListRow(archive.At(archive.IndexOfPosition(position)), c.main.View.SortedDraws));
}

void DrawsAdd(Context& c) {
  TDrawDialogFields fields;
  fields.Number = c.args.TakeInt("--number", 1, INT_MAX).value_or(c.main.Archive.NextDrawNumber(0));
  auto numbers = c.args.TakeOption("--numbers");
  if (!numbers) throw CliUsageError("draws add needs --numbers \"a;b;c;d;e;x\"");
  fields.NumbersText = *numbers;
  auto date = c.args.TakeOption("--date");
  NoPositionals(c.args);
  try {
    fields.DateTime = date ? DrawTextToDateTime(*date) : 0;
  } catch (const KavrinError& e) {
    c.main.Host().ShowError(e.what());
    return;
  }
  // As in the dialog, a draw without a given date gets the current one.
  if (fields.DateTime <= 0) fields.DateTime = NowDateTime();
  auto draw = DrawFromDialog(fields);
  if (!draw) {
    c.main.Host().ShowError(InvalidDrawNumbersMessage);
    return;
  }
  c.main.AppendDraw(*draw);
}

void DrawsImport(Context& c) {
  int appended = c.main.DrawsImportFile(OnePositional(c.args, "the CSV file to import"));
  if (appended >= 0) c.err << appended << "\n";
}

void DrawsExport(Context& c) {
  int written = c.main.DrawsExportFile(OnePositional(c.args, "the CSV file to write"));
  if (written >= 0) c.err << written << "\n";
}

using Handler = std::function<void(Context&)>;

const std::map<std::string, Handler>& Commands() {
  static const std::map<std::string, Handler> commands = {
      {"draws list", DrawsList},
      {"draws add", DrawsAdd},
      {"draws import", DrawsImport},
      {"draws export", DrawsExport},
  };
  return commands;
}

constexpr char Usage[] =
    "usage: kavrin-cli [--data-dir DIR] [--sorted] [--decimal-separator C] [--yes|--no] [--quiet] COMMAND [ARGS]\n"
    "commands: draws list|add|import|export\n";

}  // namespace

int RunCli(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err) {
  std::string dataDirOption;
  bool sorted = false, answerYes = false, quiet = false;
  std::string decimalSeparator = ".";
  size_t i = 0;
  try {
    for (; i < argv.size() && argv[i].rfind("--", 0) == 0; ++i) {
      const std::string& option = argv[i];
      auto value = [&]() -> std::string {
        if (i + 1 >= argv.size()) throw CliUsageError("option " + option + " needs a value");
        return argv[++i];
      };
      if (option == "--data-dir") dataDirOption = value();
      else if (option == "--sorted") sorted = true;
      else if (option == "--decimal-separator") decimalSeparator = value();
      else if (option == "--yes") answerYes = true;
      else if (option == "--no") answerYes = false;
      else if (option == "--quiet") quiet = true;
      else throw CliUsageError("unknown option " + option);
    }
    if (decimalSeparator.empty()) throw CliUsageError("--decimal-separator needs a character");
  } catch (const CliUsageError& e) {
    err << "error: " << e.what() << "\n" << Usage;
    return ExitBadArguments;
  }

  // Commands are one or two words: take the longest that names one.
  std::string name;
  size_t words = 0;
  for (size_t n = 2; n >= 1 && name.empty(); --n) {
    if (i + n > argv.size()) continue;
    std::string candidate = argv[i];
    for (size_t k = 1; k < n; ++k) candidate += " " + argv[i + k];
    if (Commands().count(candidate)) {
      name = candidate;
      words = n;
    }
  }
  if (name.empty()) {
    err << "error: " << (i < argv.size() ? "unknown command " + argv[i] : std::string("no command")) << "\n"
        << Usage;
    return ExitBadArguments;
  }

  FormatSettings().DecimalSeparator = decimalSeparator;
  ConsoleHost host(err, answerYes, quiet);
  TTemplateMain main(host, ResolveDataDir(dataDirOption));
  main.LoadViewSettings();
  if (sorted) main.View.SortedDraws = true;
  main.LoadConfig();
  main.LoadArchive();

  CliArgs args(std::vector<std::string>(argv.begin() + static_cast<long>(i + words), argv.end()));
  Context context{main, args, out, err};
  try {
    Commands().at(name)(context);
  } catch (const CliUsageError& e) {
    err << "error: " << e.what() << "\n";
    return ExitBadArguments;
  }
  return host.ErrorShown() ? ExitFailed : ExitOk;
}

}  // namespace kavrin
