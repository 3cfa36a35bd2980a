#include "cli/cli.h"

#include <algorithm>
#include <array>
#include <climits>
#include <functional>
#include <map>

#include "app/datadir.h"
#include "app/formmain.h"
#include "app/templatemain.h"
#include "cli/cliargs.h"
#include "cli/consolehost.h"
#include "combs/generate.h"
#include "core/cp1251.h"
#include "core/errors.h"
#include "core/format.h"
#include "stats/stattable.h"

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

// With --yes a failing batch is retried a few times, not for ever; a download that gave up is
// reported as failed (the window would have asked the retry question).
constexpr int CliDownloadRetries = 3;

void DrawsDownload(Context& c) {
  if (auto url = c.args.TakeOption("--url")) c.main.Network.ArchiveSite = *url;
  NoPositionals(c.args);
  c.main.DownloadRetryLimit = CliDownloadRetries;
  TTemplateMain::TDownloadOutcome outcome = c.main.DrawsDownloadExecute();
  if (outcome.Failed && !outcome.Error.empty())
    c.main.Host().ShowError(Format("Ошибка загрузки архива тиражей с сайта: \"%s\"", {outcome.Error}));
  c.out << outcome.Appended << "\n";
}

// Mode and parameter text default to the saved generation parameters, each on its own.
void CombsGenerateCommand(Context& c) {
  TGenerateConfig params = c.main.Generate;
  if (auto mode = c.args.TakeInt("--mode", 0, GenerateModeCount - 1)) params.Mode = static_cast<uint8_t>(*mode);
  if (auto text = c.args.TakeOption("--params")) params.Parameters = Utf8Prefix(*text, GenerateParametersMaxLength);
  auto outFile = c.args.TakeOption("--out");
  NoPositionals(c.args);
  c.main.Combs.ReserveFullSet();
  if (!c.main.CombsGenerate(params, true)) return;
  if (outFile && !c.main.CombsSaveFile(*outFile)) return;
  c.out << c.main.Combs.CombsList.Count() << "\n";
}

void PrintStakes(Context& c) {
  PrintRow(c.out, StakesTableCaptions());
  if (!c.main.Stakes.IsOpen()) return;
  c.main.Stakes.ForEach(0, [&](int64_t, const TStakeData& stake) {
    PrintRow(c.out, StakesTableRow(stake));
    return true;
  });
}

void StakesList(Context& c) {
  NoPositionals(c.args);
  PrintStakes(c);
}

void StakesCheckCommand(Context& c) {
  NoPositionals(c.args);
  c.main.StakesCheckManualExecute();
  PrintStakes(c);
}

// "COL", "COL:asc" or "COL:desc", COL being a column number or caption of the table.
struct TSortArgument {
  int Column = 0;
  bool Descending = false;
};
template <typename Captions>
TSortArgument SortArgument(std::string column, const Captions& captions) {
  TSortArgument order;
  if (size_t colon = column.rfind(':'); colon != std::string::npos) {
    std::string direction = column.substr(colon + 1);
    if (direction != "desc" && direction != "asc") throw CliUsageError("--sort takes COL, COL:asc or COL:desc");
    order.Descending = direction == "desc";
    column.resize(colon);
  }
  auto named = std::find(captions.begin(), captions.end(), column);
  order.Column = named != captions.end() ? static_cast<int>(named - captions.begin())
                                         : ParseIntArgument(column, "--sort column", 0, static_cast<int>(captions.size()) - 1);
  return order;
}

// COL is a column number or caption of the rating view; ":desc" sorts descending.
void RatingCommand(Context& c) {
  auto sort = c.args.TakeOption("--sort");
  NoPositionals(c.args);
  if (sort) {
    const TSortArgument order = SortArgument(*sort, RatingsCaptions());
    c.main.RatingsSort(order.Column, order.Descending ? 1 : 0);
  }
  PrintRow(c.out, RatingsCaptions());
  for (int row = 0; row < static_cast<int>(c.main.Ratings.size()); ++row) PrintRow(c.out, c.main.RatingsRowText(row));
}

// ---- statistics ----

// The registry entry of a method code; scripts may name any method, favourite or not.
int MethodEntry(Context& c, const std::string& code) {
  const int entry = c.main.Stats.FindCode(code);
  if (entry < 0) throw CliUsageError("unknown statistic method " + code);
  return entry;
}

void MethodsList(Context& c) {
  NoPositionals(c.args);
  PrintRow(c.out, std::array<std::string, 5>{"#", "Code", "Group", "Flags", "Caption"});
  const TStatList& stats = c.main.Stats;
  for (int i = 0; i < stats.Count(); ++i) {
    const TStatMethod& entry = stats.Items(i);
    PrintRow(c.out, std::array<std::string, 5>{std::to_string(i), entry.Code(),
                                               GroupShortName(entry.MethodClass->GroupIndex()),
                                               FlagLetters(entry.MethodClass->EffectiveFlags()),
                                               entry.CaptionWithFormula()});
  }
}

void StatsTable(Context& c) {
  auto window = c.args.TakeInt("--window", 1, INT_MAX);
  if (!window) throw CliUsageError("stats needs --window N");
  const int offset = c.args.TakeInt("--offset", 0, c.main.Archive.MaxOffset()).value_or(0);
  const bool fullSet = c.args.TakeFlag("--fullset");
  auto sort = c.args.TakeOption("--sort");
  const int entry = MethodEntry(c, OnePositional(c.args, "a statistic method code"));
  const TSortArgument order = sort ? SortArgument(*sort, StatTableCaptions()) : TSortArgument{ColCount, false};

  TTemplateMain& main = c.main;
  main.Stats.EnableAll();  // in memory only: the favourites file is not written
  main.Stats.FillKindLists(main.StatPage.Kinds, main.GraphKinds, false);
  main.StatPage.Kinds.SelectEntry(entry);
  main.StatPage.WindowLength = *window;
  main.View.PrefetchsEnabled = fullSet;
  main.SetDrawsOffset(offset);
  main.StatCalculate(false);
  main.StatPage.Table.SetSort(order.Column, order.Descending);
  PrintRow(c.out, StatTableCaptions());
  for (const TStatTableRow& row : main.StatPage.Table.Rows) PrintRow(c.out, row.Cells);
}

void StatValue(Context& c) {
  auto combText = c.args.TakeOption("--comb");
  if (!combText) throw CliUsageError("value needs --comb \"a b c d e\"");
  const int offset = c.args.TakeInt("--offset", 0, c.main.Archive.MaxOffset()).value_or(0);
  const std::string code = OnePositional(c.args, "a statistic method code");
  const int entry = MethodEntry(c, code);
  if (!c.main.Stats.Items(entry).MethodClass->IsGraph()) throw CliUsageError(code + " is not a graph method");
  TComb comb;
  try {
    comb = TextToComb(*combText);
  } catch (const KavrinError& e) {
    throw CliUsageError(e.what());
  }
  TComb sortedComb = comb;
  SortComb(sortedComb);
  if (sortedComb[0] < 1 || sortedComb[DrawSize - 1] > NumberMax ||
      std::adjacent_find(sortedComb.begin(), sortedComb.end()) != sortedComb.end())
    throw CliUsageError("--comb needs five different numbers from 1 to 50");
  c.main.RefreshSuspended = true;  // the value needs no view
  c.main.SetDrawsOffset(offset);
  c.out << c.main.StatCombinationValue(entry, comb) << "\n";
}

using Handler = std::function<void(Context&)>;

const std::map<std::string, Handler>& Commands() {
  static const std::map<std::string, Handler> commands = {
      {"draws list", DrawsList},
      {"draws add", DrawsAdd},
      {"draws import", DrawsImport},
      {"draws export", DrawsExport},
      {"draws download", DrawsDownload},
      {"combs generate", CombsGenerateCommand},
      {"stakes list", StakesList},
      {"stakes check", StakesCheckCommand},
      {"rating", RatingCommand},
      {"methods", MethodsList},
      {"stats", StatsTable},
      {"value", StatValue},
  };
  return commands;
}

constexpr char Usage[] =
    "usage: kavrin-cli [--data-dir DIR] [--sorted] [--decimal-separator C] [--yes|--no] [--quiet] COMMAND [ARGS]\n"
    "commands: draws list|add|import|export|download, combs generate, stakes list|check, rating, methods, stats, value\n";

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
  TFormMain main(host, ResolveDataDir(dataDirOption));
  main.LoadViewSettings();
  if (sorted) main.View.SortedDraws = true;
  main.LoadConfig();
  main.InitStatistics();
  // The stakes file's lock keeps the window and a second CLI run off this data folder.
  if (!main.StakesOpenAtStart()) return ExitFailed;
  main.LoadArchive();
  main.RatingsLoad();

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
