#include "stats/statpage.h"

#include "core/format.h"

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
  std::optional<TFullSetData> fullSet;
  if (env.FullSetEnabled && stat->Class().HasNorm()) {
    const std::string path = FullSetFilePath(env.DataDir, stat->Class().Code(stat->Index));
    try {
      fullSet = ReadFullSetFile(path);
    } catch (const std::exception& e) {
      if (ShowError)
        ShowError(Format("Ошибка открытия файла данных для полного набора вариантов!\r\rИмя файла: %s\r\r%s",
                         {path, e.what()}));
    }
  }
  const TStatResult result =
      CalculateStatistics(*stat, Window, env.Sorted, fullSet ? &*fullSet : nullptr, registry_.Config.Weights);
  FullSetUsed = result.FullSetUsed;
  Table.Fill(*stat, result);
  Chart = BuildStatChart(*stat, result, env.ShowTotalLine);
  return true;
}

}  // namespace kavrin
