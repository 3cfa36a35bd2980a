// A list file (".lcv") read into the working list, and the same bytes pasted as clipboard text.
#include "combs/listfile.h"
#include "core/errors.h"
#include "fuzz_support.h"

using namespace kavrin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Scratch scratch;
  TCombList list;
  try {
    ReadListFile(scratch.Write("list.lcv", fuzz::AsText(data, size)), list);
    TRowSelection selection;
    (void)CombsClipboardText(list, selection);
    WriteListFile(scratch.Path() + "/copy.lcv", list);
    TCombList copy;
    ReadListFile(scratch.Path() + "/copy.lcv", copy);
    if (copy.Count() != list.Count()) __builtin_trap();
  } catch (const KavrinError&) {
  }
  TCombList pasted;
  try {
    PasteCombs(fuzz::AsText(data, size), pasted);
  } catch (const KavrinError&) {
  }
  return 0;
}
