// Writes the demonstration draw archive of demo/: 1,500 made-up draws, two a week (Saturday
// and Tuesday) from 14.07.2012, drawn with a fixed seed so that the file is the same on every
// machine.
//
//   make_demo_archive OUTPUT.ldr
//
// The numbers come from std::mt19937, whose output sequence the C++ standard fixes; the
// reduction to a range is done here rather than by a library distribution, whose algorithm
// differs between standard libraries.
#include <cstdio>
#include <random>

#include "core/archive.h"
#include "core/errors.h"

int main(int argc, char** argv) {
  using namespace kavrin;
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_demo_archive OUTPUT.ldr\n");
    return 2;
  }
  constexpr int DrawCount = 1500;
  std::mt19937 random(20120714u);
  auto below = [&](uint32_t n) { return static_cast<int>(random() % n); };

  TDrawArchive archive(argv[1]);
  TDateTime date = EncodeDateTime(2012, 7, 14, 21, 0);
  for (int i = 0; i < DrawCount; ++i) {
    TDrawRec draw;
    draw.Number = i + 1;
    bool used[NumberMax + 1] = {};
    for (int k = 0; k < DrawSize; ++k) {
      int n;
      do n = below(NumberMax) + 1;
      while (used[n]);
      used[n] = true;
      draw.Numbers[k] = static_cast<uint8_t>(n);
    }
    draw.Extra = static_cast<uint8_t>(below(ExtraMax) + 1);
    draw.Date = DateTimeToDrawText(date);
    archive.Append(draw);
    date += (i % 2 == 0) ? 3 : 4;  // Saturday and Tuesday
  }
  try {
    archive.Save();
  } catch (const KavrinError& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
