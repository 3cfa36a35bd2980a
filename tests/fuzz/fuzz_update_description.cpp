// The update description (an INI file fetched from the maker): read for this program's file.
#include "core/errors.h"
#include "fuzz_support.h"
#include "online/selfupdate.h"

using namespace kavrin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Scratch scratch;
  try {
    const TIniFile ini(scratch.Write(UpdateInfoFileName, fuzz::AsText(data, size)));
    const TUpdateDescription description = ReadUpdateDescription(ini, "Kavrin_5x50", "0.1.0.1");
    (void)UpdateAvailable("0.1.0.1", description);
    (void)VersionBuild(description.VerId);
    (void)UpdateTextNames("RUS", 1049, description.VerId);
    (void)IsAddressSource(description.DownloadUrl);
  } catch (const KavrinError&) {
  }
  (void)VersionBuild(fuzz::AsText(data, size));
  return 0;
}
