#include "combs/generate.h"

#include <string_view>

#include "core/inifile.h"

namespace kavrin {
namespace {

static_assert(DrawSize == 5, "the enumeration is five nested loops");

// The five loops carry the bit mask of the numbers chosen so far, so a mode's rule is one mask
// test.
template <typename Pass>
void Enumerate(TCombList& list, Pass pass) {
  TComb* out = list.Data();
  int32_t count = 0;
  for (int a = 1; a <= NumberMax - 4; ++a) {
    const uint64_t ma = uint64_t{1} << a;
    for (int b = a + 1; b <= NumberMax - 3; ++b) {
      const uint64_t mb = ma | uint64_t{1} << b;
      for (int c = b + 1; c <= NumberMax - 2; ++c) {
        const uint64_t mc = mb | uint64_t{1} << c;
        for (int d = c + 1; d <= NumberMax - 1; ++d) {
          const uint64_t md = mc | uint64_t{1} << d;
          for (int e = d + 1; e <= NumberMax; ++e) {
            if (pass(md | uint64_t{1} << e))
              out[count++] = {static_cast<uint8_t>(a), static_cast<uint8_t>(b), static_cast<uint8_t>(c),
                              static_cast<uint8_t>(d), static_cast<uint8_t>(e)};
          }
        }
      }
    }
  }
  list.SetCount(count);
}

uint64_t NumbersMask(const std::bitset<256>& numbers) {
  uint64_t mask = 0;
  for (int n = 1; n <= NumberMax; ++n)
    if (numbers.test(static_cast<size_t>(n))) mask |= uint64_t{1} << n;
  return mask;
}

constexpr uint64_t AllNumbers = ((uint64_t{1} << NumberMax) - 1) << 1;

}  // namespace

const std::array<std::string, GenerateModeCount>& GenerateModeCaptions() {
  static const std::array<std::string, GenerateModeCount> captions = {
      "Полный список (все возможные для данного лото варианты)",
      "Мои числа - должно присутствовать любое из указанных",
      "Мои числа - комбинации только из списка указанных",
      "Мои числа - исключить комбинации с любым из указанных",
      "Загрузить список из заранее подготовленного CSV-файла",
  };
  return captions;
}

std::bitset<256> MyNumbersFromText(const std::string& text) {
  std::bitset<256> numbers;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find_first_of(",;", start);
    if (end == std::string::npos) end = text.size();
    std::string piece = Trim(std::string_view(text).substr(start, end - start));
    if (!piece.empty()) {
      const int32_t value = NumberFromText(piece);
      if (value >= 0 && value <= 255) numbers.set(static_cast<size_t>(value));
    }
    start = end + 1;
  }
  return numbers;
}

void EnumerateCombs(uint8_t mode, const std::bitset<256>& myNumbers, TCombList& list) {
  static_assert(NumberMax < 64, "a combination's numbers fit one 64-bit mask");
  list.Clear();
  list.Reserve(FullSetSize);
  // Generated combinations hold only 1..50, so the rest of the 256-value set never decides.
  const uint64_t mine = NumbersMask(myNumbers);
  switch (mode) {
    case 1: Enumerate(list, [mine](uint64_t comb) { return (comb & mine) != 0; }); break;
    case 2: list.AssignShape({mine, {}}); break;
    case 3: list.AssignShape({AllNumbers & ~mine, {}}); break;
    default: list.AssignShape({AllNumbers, {}}); break;
  }
}

}  // namespace kavrin
