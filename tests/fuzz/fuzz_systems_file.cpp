// A local system file mapped onto chosen numbers and turned into stakes, and the same text as the
// system dialog's combinations field. The first byte chooses how many numbers are played.
#include "core/config.h"
#include "core/cp1251.h"
#include "core/errors.h"
#include "fuzz_support.h"
#include "stakes/systemplay.h"
#include "systems/systemcatalog.h"

using namespace kavrin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const int nums = DrawSize + data[0] % 8;  // 5..12, as the systems come
  std::vector<uint8_t> numbers;
  for (int k = 0; k < nums; ++k) numbers.push_back(static_cast<uint8_t>(k * 4 + 1));
  fuzz::Scratch scratch;
  const std::string path = scratch.Write(SystemFileName(nums, 3, 42), fuzz::AsText(data + 1, size - 1));
  const std::string text = Cp1251ToUtf8(fuzz::AsText(data + 1, size - 1));
  try {
    const TCombsArray system = MapSystem(text, numbers);
    const TConfigData config;
    (void)SystemStakes(system, system, data[0] & 0x80, 7, SystemStakeComment(nums, true, path), config);
  } catch (const KavrinError&) {
  }
  TSystemDialogFields fields;
  fields.CombsText = text;
  try {
    NormaliseSystemCombs(fields);
    (void)ValidateSystemDialog(fields);
  } catch (const KavrinError&) {
  }
  return 0;
}
