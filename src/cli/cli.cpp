#include "cli/cli.h"

#include <algorithm>
#include <array>
#include <climits>
#include <functional>
#include <map>
#include <optional>

#include "app/datadir.h"
#include "app/formmain.h"
#include "app/tableexport.h"
#include "app/templatemain.h"
#include "cli/cliargs.h"
#include "cli/consolehost.h"
#include "cli/tableoutput.h"
#include "cli/viewcommands.h"
#include "combs/generate.h"
#include "core/cp1251.h"
#include "core/errors.h"
#include "core/format.h"
#include "stats/fullset.h"
#include "stats/stattable.h"

namespace kavrin {
namespace {

struct Context {
  TTemplateMain& main;
  ConsoleHost& host;
  CliArgs& args;
  TCliOutput& out;
  std::ostream& err;
};

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
  const bool sorted = c.main.View.SortedDraws;
  for (int position = 0; position < archive.Count() && position < limit; ++position)
    PrintRow(c.out, DrawListRow(archive.At(archive.IndexOfPosition(position)), sorted),
             DrawListRowColors(archive, position, sorted, c.main.View.ColorDraws, c.main.Config.ChannelSize));
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
  TTemplateMain::TDownloadOutcome outcome = c.main.DrawsDownload();
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
    PrintRow(c.out, StakesTableRow(stake), StakesTableColors(stake));
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

// The statistics table of the entry as the statistics tab computes it, with every method listed.
void CalculateStatTable(TTemplateMain& main, int entry, int window, int offset, bool fullSet) {
  main.Stats.EnableAll();  // in memory only: the favourites file is not written
  main.Stats.FillKindLists(main.StatPage.Kinds, main.GraphKinds, false);
  main.StatPage.Kinds.SelectEntry(entry);
  main.StatPage.WindowLength = window;
  main.View.PrefetchsEnabled = fullSet;
  main.SetDrawsOffset(offset);
  main.StatCalculate(false);
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

  CalculateStatTable(c.main, entry, *window, offset, fullSet);
  c.main.StatPage.Table.SetSort(order.Column, order.Descending);
  PrintRow(c.out, StatTableCaptions());
  for (const TStatTableRow& row : c.main.StatPage.Table.Rows) PrintRow(c.out, row.Cells);
}

// The combination list of the file narrowed as the statistics tab would: the rows whose value
// text is one of the --value texts are selected and the filter keeps (or removes) their
// combinations.
void CombsFilterCommand(Context& c) {
  auto inFile = c.args.TakeOption("--in");
  if (!inFile) throw CliUsageError("combs filter needs --in FILE");
  auto window = c.args.TakeInt("--window", 1, INT_MAX);
  if (!window) throw CliUsageError("combs filter needs --window N");
  const std::vector<std::string> values = c.args.TakeRepeated("--value");
  if (values.empty()) throw CliUsageError("combs filter needs at least one --value TEXT");
  const bool exclude = c.args.TakeFlag("--exclude");
  const int offset = c.args.TakeInt("--offset", 0, c.main.Archive.MaxOffset()).value_or(0);
  auto outFile = c.args.TakeOption("--out");
  const int entry = MethodEntry(c, OnePositional(c.args, "a statistic method code"));

  TTemplateMain& main = c.main;
  CalculateStatTable(main, entry, *window, offset, false);
  const std::vector<TStatTableRow>& rows = main.StatPage.Table.Rows;
  for (const std::string& value : values)
    if (std::none_of(rows.begin(), rows.end(), [&](const TStatTableRow& row) { return row.Cells[ColValue] == value; }))
      throw CliUsageError("the table of " + main.Stats.Items(entry).Code() + " has no row with the value " + value);
  main.StatSelection.clear();
  for (int row = 0; row < static_cast<int>(rows.size()); ++row)
    if (std::find(values.begin(), values.end(), rows[row].Cells[ColValue]) != values.end())
      main.StatSelection.push_back(row);
  main.Combs.ReserveFullSet();
  if (!main.CombsOpenFile(*inFile)) return;
  main.StatFilterExecute(exclude ? TFilterMode::Exclude : TFilterMode::Include);
  if (outFile && !main.CombsSaveFile(*outFile)) return;
  c.out << main.Combs.CombsList.Count() << "\n";
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
  if (!IsValidComb(comb))
    throw CliUsageError("--comb needs five different numbers from 1 to 50");
  c.main.RefreshSuspended = true;  // the value needs no view
  c.main.SetDrawsOffset(offset);
  c.out << c.main.StatCombinationValue(entry, comb) << "\n";
}

// Creates the missing full-set comparison files (with --force rebuilds them) of every method with
// a norm, or of the codes given, whatever the comparison option; one line per file written.
void FullSetBuild(Context& c) {
  const bool force = c.args.TakeFlag("--force");
  std::vector<int> entries;
  for (const std::string& code : c.args.Positionals()) {
    const int entry = MethodEntry(c, code);
    if (!c.main.Stats.Items(entry).MethodClass->HasNorm()) throw CliUsageError(code + " has no full-set file");
    entries.push_back(entry);
  }
  TTemplateMain& main = c.main;
  // The console shows the status texts; a progress count adds nothing to them.
  struct TTextsOnly : TProgress {
    explicit TTextsOnly(TProgress& main) : main(main) {}
    void Status(const std::string& text) override { main.Status(text); }
    void Error(const std::string& text) override { main.Error(text); }
    TProgress& main;
  } texts(main.Progress());
  const TFullSetContext context(main.Stats, main.DataDir(), main.View.PrefetchsEnabled, texts);
  for (int entry : EnsureFullSetFiles(context, true, force ? AllStatGroups : 0, entries))
    c.out << FullSetFilePath(main.DataDir(), main.Stats.Items(entry).Code()) << "\n";
}

// ---- scenarios ----

// The scenario of a .lsc file, loaded for this run only: the working file stays as it is.
bool LoadScenarioArgument(Context& c, const std::string& path) {
  if (!c.main.ScriptLoadFile(path, false)) return false;
  if (c.main.ScriptLines.empty()) {
    c.main.Host().ShowError(Format("Файл \"%s\" не содержит строк сценария!", {path}));
    return false;
  }
  if (c.main.Archive.Count() == 0) {
    c.main.Host().ShowError("Архив тиражей пуст!");
    return false;
  }
  c.main.Combs.ReserveFullSet();
  return true;
}

// Prediction; prints the stakes the run made (separators left out).
void ScenarioRun(Context& c) {
  const std::optional<int> offset = c.args.TakeInt("--offset", 0, c.main.Archive.MaxOffset());
  const std::string path = OnePositional(c.args, "the scenario file (.lsc)");
  if (!LoadScenarioArgument(c, path)) return;
  if (offset) c.main.SetDrawsOffset(*offset);
  c.main.ScriptRunExecute();
  PrintRow(c.out, StakesTableCaptions());
  if (!c.main.Stakes.IsOpen()) return;
  c.main.Stakes.ForEach(c.main.ScriptRunState.FirstRecord, [&](int64_t, const TStakeData& stake) {
    if (stake.DrawNumber > 0) PrintRow(c.out, StakesTableRow(stake), StakesTableColors(stake));
    return true;
  });
}

// Backtest over the last N draws; prints the rating rows that the run's checked stakes changed or
// created, in the rating's order.
void ScenarioTest(Context& c) {
  const std::optional<int> tests = c.args.TakeInt("--tests", 1, std::max(1, c.main.Archive.Count() - 1));
  if (!tests) throw CliUsageError("scenario test needs --tests N (1 to the number of draws - 1)");
  const std::string path = OnePositional(c.args, "the scenario file (.lsc)");
  if (!LoadScenarioArgument(c, path)) return;
  std::map<std::string, TRatingData> before;
  for (const TRatingData& row : c.main.Ratings) before.emplace(row.Key, row);
  const TTemplateMain::TScriptRunState& state = c.main.ScriptRunState;
  c.host.Steps = [&state, &tests] { return std::pair{state.Cycle, state.Running ? *tests : 0}; };
  c.main.ScriptTestRun(*tests);
  c.host.Steps = nullptr;
  PrintRow(c.out, RatingsCaptions());
  for (int row = 0; row < static_cast<int>(c.main.Ratings.size()); ++row) {
    auto old = before.find(c.main.Ratings[row].Key);
    if (old == before.end() || !(old->second == c.main.Ratings[row])) PrintRow(c.out, c.main.RatingsRowText(row));
  }
}

struct TCommand {
  std::function<void(Context&)> Run;
  // The tab whose table the command prints (the sheet of its --xlsx workbook); null when the
  // command prints no table.
  const char* SheetTitle = nullptr;
};

// The `view …` commands share one handler that prints the named view's table.
TCommand ViewEntry(const char* view, const char* sheetTitle) {
  return {[view](Context& c) {
            ViewCommand(c.main, view, c.args,
                        [&](const auto& row, const auto& colors) { PrintRow(c.out, row, colors); });
          },
          sheetTitle};
}

const std::map<std::string, TCommand>& Commands() {
  static const std::map<std::string, TCommand> commands = {
      {"draws list", {DrawsList, "Архив тиражей"}},
      {"draws add", {DrawsAdd}},
      {"draws import", {DrawsImport}},
      {"draws export", {DrawsExport}},
      {"draws download", {DrawsDownload}},
      {"combs generate", {CombsGenerateCommand}},
      {"combs filter", {CombsFilterCommand}},
      {"stakes list", {StakesList, "Ставки"}},
      {"stakes check", {StakesCheckCommand, "Ставки"}},
      {"rating", {RatingCommand, "Рейтинг"}},
      {"methods", {MethodsList, "Методы"}},
      {"stats", {StatsTable, "Статистика"}},
      {"value", {StatValue}},
      {"fullset build", {FullSetBuild}},
      {"scenario run", {ScenarioRun, "Ставки"}},
      {"scenario test", {ScenarioTest, "Рейтинг"}},
      {"view card", ViewEntry("card", "Карта")},
      {"view schema", ViewEntry("schema", "Схема")},
      {"view compare", ViewEntry("compare", "Схема")},
      {"view week", ViewEntry("week", "Неделя")},
      {"view graph", ViewEntry("graph", "Графики")},
      {"view sums", ViewEntry("sums", "Сравнение сумм")},
      {"view repeats", ViewEntry("repeats", "Повторы")},
  };
  return commands;
}

constexpr char Usage[] =
    "usage: kavrin-cli [--data-dir DIR] [--sorted] [--decimal-separator C] [--yes|--no] [--quiet] [--progress]\n"
    "                  [--xlsx FILE]\n"
    "                  COMMAND [ARGS]\n"
    "commands: draws list|add|import|export|download, combs generate|filter, stakes list|check,\n"
    "          rating, methods, stats, value, fullset build, scenario run|test,\n"
    "          view card|schema|compare|week|graph|sums|repeats\n";

}  // namespace

int RunCli(const std::vector<std::string>& argv, std::ostream& out, std::ostream& err, int errColumns) {
  std::string dataDirOption;
  std::optional<std::string> xlsxFile;
  bool sorted = false, answerYes = false, quiet = false, progress = false;
  std::string decimalSeparator = ".";
  size_t i = 0;
  try {
    for (; i < argv.size() && argv[i].rfind("--", 0) == 0; ++i) {
      const std::string& option = argv[i];
      auto value = [&]() -> std::string {
        if (i + 1 >= argv.size()) throw CliUsageError("option " + option + " needs a value");
        return argv[++i];
      };
      if (option == "--help") {
        out << Usage;
        return 0;
      }
      if (option == "--data-dir") dataDirOption = value();
      else if (option == "--sorted") sorted = true;
      else if (option == "--decimal-separator") decimalSeparator = value();
      else if (option == "--yes") answerYes = true;
      else if (option == "--no") answerYes = false;
      else if (option == "--quiet") quiet = true;
      else if (option == "--progress") progress = true;
      else if (option == "--xlsx") xlsxFile = value();
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
  const TCommand& command = Commands().at(name);
  if (xlsxFile && !command.SheetTitle) {
    err << "error: --xlsx: " << name << " prints no table\n";
    return ExitBadArguments;
  }

  FormatSettings().DecimalSeparator = decimalSeparator;
  // A terminal gets one line that rewrites itself; anything else the texts only when asked for.
  const TConsoleProgress shown = quiet             ? TConsoleProgress::None
                                 : errColumns > 0 ? TConsoleProgress::Line
                                 : progress       ? TConsoleProgress::Lines
                                                  : TConsoleProgress::None;
  ConsoleHost host(err, answerYes, shown, errColumns);
  TProgressClearingBuf clearing(out.rdbuf(), host);
  std::ostream tables(shown == TConsoleProgress::Line ? &clearing : out.rdbuf());
  TFormMain main(host, ResolveDataDir(dataDirOption));
  // The window's start-up without its interactive steps; the stakes file's lock keeps the window
  // and a second CLI run off this data folder.
  main.Interactive = false;
  if (!main.StartPhase1()) return ExitFailed;
  if (sorted) main.View.SortedDraws = true;
  if (!main.StartPhase2()) return ExitFailed;

  CliArgs args(std::vector<std::string>(argv.begin() + static_cast<long>(i + words), argv.end()));
  TCliOutput output(tables);
  if (xlsxFile) output.CollectTable(command.SheetTitle);
  Context context{main, host, args, output, err};
  try {
    command.Run(context);
  } catch (const CliUsageError& e) {
    err << "error: " << e.what() << "\n";
    return ExitBadArguments;
  } catch (const std::exception& e) {
    // A failure no command step caught (a file gone bad under the run) still ends in a message.
    host.ShowError(e.what());
    return ExitFailed;
  }
  if (const TExportTable* table = output.CollectedTable(); table && !TableExportFile(host, *xlsxFile, *table))
    return ExitFailed;
  return host.ErrorShown() ? ExitFailed : ExitOk;
}

}  // namespace kavrin
