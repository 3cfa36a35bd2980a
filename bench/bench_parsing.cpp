// Reading what comes from outside: a CSV import and an archive page, each at several sizes, so
// that the time per line or per byte shows whether it stays linear.
#include <benchmark/benchmark.h>

#include "app/formmain.h"
#include "core/csv.h"
#include "core/format.h"

namespace kavrin {
namespace {

std::string CsvText(int lines) {
  std::string text;
  for (int i = 1; i <= lines; ++i)
    text += Format("%d;\"01.02.2020 21:00\";%d;%d;%d;%d;%d;%d\r\n",
                   {i, i % 46 + 1, i % 46 + 2, i % 46 + 3, i % 46 + 4, i % 46 + 5, i % 11 + 1});
  return text;
}

void BM_ImportDrawsCsv(benchmark::State& state) {
  const std::string text = CsvText(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    TDrawsArray draws;
    benchmark::DoNotOptimize(ImportDrawsCsv(text, draws));
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ImportDrawsCsv)->Arg(10000)->Arg(80000)->Arg(320000)->Unit(benchmark::kMillisecond);

std::string ArchivePage(int draws) {
  std::string page = "<html><div class=\"data drawings_data\">";
  for (int i = 1; i <= draws; ++i)
    page += Format(
        "<div class=\"elem\"><a href=\"/5x50/archive/%d\">%d</a><div class=\"draw_date\" title=\"01.02.2020 21:00\">"
        "</div><div class=\"container cleared\"><b>%d</b><b>%d</b><b>%d</b><b>%d</b><b>%d</b><b>%d</b></div>"
        "<div class=\"controls\"></div></div>",
        {i, i, i % 46 + 1, i % 46 + 2, i % 46 + 3, i % 46 + 4, i % 46 + 5, i % 11 + 1});
  return page + "<div class=\"content_decor\"></html>";
}

void BM_ReadArchivePage(benchmark::State& state) {
  const int draws = static_cast<int>(state.range(0));
  const std::string page = ArchivePage(draws);
  for (auto _ : state) benchmark::DoNotOptimize(ReadArchivePage(page, 1, draws));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(page.size()));
}
BENCHMARK(BM_ReadArchivePage)->Arg(1000)->Arg(8000)->Arg(64000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kavrin
