// The draw archive file: loaded as the program loads it, shown in the archive list, and run
// through one statistic method (chosen by the first byte) as the statistics page would.
#include "app/formmain.h"
#include "core/archive.h"
#include "core/drawlist.h"
#include "core/errors.h"
#include "fuzz_support.h"
#include "stats/statcalc.h"
#include "stats/statlist.h"

using namespace kavrin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TStatList* stats = &fuzz::BuiltStats();
  fuzz::Scratch scratch;
  TDrawArchive archive(scratch.Write(ArchiveFileName, fuzz::AsText(data, size)));
  try {
    archive.Load();
  } catch (const KavrinError&) {
    return 0;
  }
  for (int position = 0; position < archive.Count(); ++position) {
    (void)DrawListRow(archive.At(archive.IndexOfPosition(position)), position % 2 == 0);
    for (int column = 0; column < DrawListColumnCount; ++column)
      (void)DrawListCellColor(archive, position, column, true, true, 5);
    (void)archive.NextDrawText(position);
    (void)archive.DrawCombAt(position);
    if (archive.FindDrawByNumber(archive.At(position).Number) < 0) __builtin_trap();
  }
  archive.SetOffset(archive.MaxOffset() / 2);
  archive.UpdateNextDrawMarks();
  if (archive.Count() == 0 || size == 0) return 0;
  stats->SetDraws(archive.Draws());
  const int entry = data[0] % stats->Count();
  try {
    auto stat = stats->CreateStat(entry);
    (void)CalculateStatistics(*stat, StatWindow(archive.Count(), archive.Offset(), archive.Count()), data[0] & 1,
                              nullptr, stats->Config.Weights);
  } catch (const KavrinError&) {
  }
  return 0;
}
