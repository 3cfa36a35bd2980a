#pragma once
// Draw CSV files: ";"-separated, optionally quoted fields, Windows-1251, no header.
#include <string>
#include <vector>

#include "core/game.h"

namespace kavrin {

// The export text (UTF-8), one CR LF-terminated line per draw, oldest first.
std::string DrawsToCsv(const TDrawsArray& draws);

// Splits a line as the import does: a space or control character ends an unquoted field too.
std::vector<std::string> SplitCsvLine(const std::string& line);

struct TCsvImportResult {
  int Appended = 0;
  int SkippedInvalid = 0;  // lines whose numbers are no valid draw
};

// Appends the lines' draws whose numbers are not in `draws` yet (UTF-8 text, any line ends).
// A line of 7 fields has no draw number and takes the highest number in `draws` plus one.
TCsvImportResult ImportDrawsCsv(const std::string& text, TDrawsArray& draws);

}  // namespace kavrin
