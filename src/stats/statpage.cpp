#include "stats/statpage.h"

namespace kavrin {

bool TStatPage::Calculate(bool force, const TStatEnvironment& env) {
  const TDrawsArray& draws = registry_.Draws();
  const TStamp stamp{draws.size(), env.Offset, WindowLength, Kinds.SelectedEntry()};
  if (!force && stamp_ == stamp) return false;
  stamp_ = stamp;

  Table.Clear();
  Chart = {};
  Window = {};
  FullSetUsed = false;
  if (draws.empty() || stamp.Kind < 0) return true;

  struct TStatusGuard {
    const TStatPage& page;
    ~TStatusGuard() { page.Status(""); }
  } guard{*this};
  Status("Анализ тиражей и расчет статистики...");

  std::unique_ptr<TCustomStat> stat = registry_.CreateSelected(Kinds);
  Window = StatWindow(static_cast<int>(draws.size()), env.Offset, WindowLength);
  // A missing comparison file is built, with its own status text, before the table is filled.
  struct TBuildProgress : TProgress {
    explicit TBuildProgress(TProgress& page) : page(page) {}
    void Status(const std::string& text) override {
      building = true;
      page.Status(text);
    }
    void Error(const std::string& text) override { page.Error(text); }
    TProgress& page;
    bool building = false;
  } build(*Progress);
  const std::optional<TFullSetData> fullSet =
      OpenFullSetFile(TFullSetContext(registry_, env.DataDir, env.FullSetEnabled, build), stamp.Kind);
  if (build.building) Status("Анализ тиражей и расчет статистики...");
  const TStatResult result =
      CalculateStatistics(*stat, Window, env.Sorted, fullSet ? &*fullSet : nullptr, registry_.Config.Weights);
  FullSetUsed = result.FullSetUsed;
  Table.Fill(*stat, result);
  Chart = BuildStatChart(*stat, result, env.ShowTotalLine);
  return true;
}

}  // namespace kavrin
