#pragma once
// The list file (".lcv") and the clipboard text of combinations.
#include <string>
#include <string_view>

#include "combs/comblist.h"
#include "combs/rowselection.h"

namespace kavrin {

inline constexpr char ListFileFilter[] = "Файлы комбинаций (*.lcv)|*.lcv";
inline constexpr char ListFileExt[] = "lcv";

// Appends the combinations of a list file's text. A line is split at runs of ',' and ';'; a
// line with other than five fields is skipped; each field is trimmed and read as an integer (0
// when it is none), in the order given. Throws KavrinError naming the line for a five-field line
// that is no five distinct numbers 1..50; the lines before it are appended.
void AppendListText(std::string_view text, TCombList& list);
// Replaces the list with the file's combinations. Throws KavrinError when the file cannot be
// read or has a bad line (named with the file); the list is then untouched.
void ReadListFile(const std::string& path, TCombList& list);
// One line "a;b;c;d;e" ended by CR LF per combination.
std::string ListFileText(const TCombList& list);
// Writes ListFileText atomically. Throws KavrinError.
void WriteListFile(const std::string& path, const TCombList& list);

// The clipboard text of the selected rows in list order: "01 12 23 34 45" and CR LF per row.
std::string CombsClipboardText(const TCombList& list, const TRowSelection& selection);
// Replaces the list with one combination per line of the text (TextToComb); lines end at CR LF,
// CR or LF, and a final line break starts no further line, so an empty text has no lines.
// Throws KavrinError with the message for the first line that is no combination (an empty
// line included); the list then holds the lines before it.
void PasteCombs(std::string_view text, TCombList& list);

}  // namespace kavrin
