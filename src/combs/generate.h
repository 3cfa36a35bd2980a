#pragma once
// Generation of a new combination list: the five modes, the parameter text of "my numbers" and
// the enumeration of the full set in lexicographic order.
#include <array>
#include <bitset>
#include <cstdint>
#include <string>

#include "combs/comblist.h"

namespace kavrin {

inline constexpr int GenerateModeCount = 5;
inline constexpr uint8_t GenerateModeFile = 4;  // the parameter text names a list file
inline constexpr size_t GenerateParametersMaxLength = 255;  // characters of the parameter text
inline constexpr char GenerateDialogCaption[] = "Создание нового списка комбинаций";
// The choices of the generation dialog, in mode order.
const std::array<std::string, GenerateModeCount>& GenerateModeCaptions();

// What the generation dialog returns.
struct TGenerateDialogFields {
  uint8_t Mode = 0;
  std::string Parameters;
  bool SaveAsDefault = false;  // unchecked each time the dialog opens
};

// The parameter text means something in every mode but the full list; a file is chosen only for
// the mode that loads one.
inline bool GenerateModeTakesText(uint8_t mode) { return mode != 0; }
inline bool GenerateModeTakesFile(uint8_t mode) { return mode == GenerateModeFile; }

// "5; 7,,9" gives {5, 7, 9}: pieces between runs of ',' and ';', trimmed; a piece that is no
// integer gives 0; values outside 0..255 are left out.
std::bitset<256> MyNumbersFromText(const std::string& text);

// Replaces the list with every combination of five different numbers 1..50, ascending within a
// combination and in lexicographic order, that passes the mode's rule: 1 at least one of my
// numbers, 2 only my numbers, 3 none of my numbers; every other mode keeps all of them. The
// storage grows to the full set first when it is smaller. Every mode but 1 gives the list its
// shape (TCombsShape), the combinations written when first read.
void EnumerateCombs(uint8_t mode, const std::bitset<256>& myNumbers, TCombList& list);

}  // namespace kavrin
