// Replies of the systems service: the catalog, a system's combinations (written as its local
// copy) and the answer to publishing.
#include "core/errors.h"
#include "fuzz_support.h"
#include "systems/systemcatalog.h"

using namespace kavrin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string body(fuzz::AsText(data, size));
  fuzz::Scratch scratch;
  std::vector<tSystemInfo> rows;
  try {
    (void)ReadSystemsList(body, [&](const tSystemInfo& info) { rows.push_back(info); });
  } catch (const KavrinError&) {
  }
  for (const tSystemInfo& info : rows) {
    TSystemRow row{info, false};
    (void)SystemRowCells(row);
    (void)SystemRowState(row, "user@example.org");
  }
  try {
    const std::string combs = ReadSystemCombs(body);
    tSystemInfo info = rows.empty() ? tSystemInfo{} : rows.front();
    info.Nums = info.Nums > 0 && info.Nums <= 50 ? info.Nums : 8;
    WriteSystemFile(scratch.Path(), info, combs);
  } catch (const KavrinError&) {
  }
  try {
    (void)ReadSystemPutReply(body);
  } catch (const KavrinError&) {
  }
  try {
    (void)Base64Decode(body);
  } catch (const KavrinError&) {
  }
  return 0;
}
