#pragma once
// The statistics page without widgets: the kind list, the window length, the table and chart of
// the last calculation, and Calculate with its staleness rule.
#include <optional>
#include <string>

#include "core/progress.h"
#include "stats/statlist.h"
#include "stats/stattable.h"

namespace kavrin {

// What a calculation takes from the application besides the page's own inputs.
struct TStatEnvironment {
  int Offset = 0;               // newest draws hidden from the analysis
  bool Sorted = false;          // numbers of a draw ascending
  bool FullSetEnabled = false;  // compare with the full-set files
  bool ShowTotalLine = true;
  std::string DataDir;  // where the full-set files live
};

class TStatPage {
 public:
  explicit TStatPage(TStatList& registry) : registry_(registry) {}

  TStatKindList Kinds{"cbStatKind"};  // "Вид расчета статистики"
  int WindowLength = 1000;            // "Количество тиражей, использующихся для расчета статистики"
  TStatTable Table;
  TStatChart Chart;
  TStatWindow Window;  // of the last calculation
  bool FullSetUsed = false;

  // Takes the operation text of a running calculation ("" when it ends) and the messages it
  // shows while it goes on (a comparison file that cannot be read). Owned by the page's owner.
  TProgress* Progress = &NoProgress();

  // Runs the calculation of the selected kind. Without `force` nothing is done while the archive
  // size, offset, window length and selected kind are those of the previous call; returns
  // whether it ran. Failures propagate after the status text is cleared.
  bool Calculate(bool force, const TStatEnvironment& env);
  void ResetStaleness() { stamp_.reset(); }

 private:
  struct TStamp {
    size_t DrawCount;
    int Offset;
    int WindowLength;
    int Kind;
    friend bool operator==(const TStamp&, const TStamp&) = default;
  };
  void Status(const std::string& text) const { Progress->Status(text); }
  TStatList& registry_;
  std::optional<TStamp> stamp_;
};

}  // namespace kavrin
