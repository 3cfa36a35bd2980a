// An INI file as the configuration, the view settings, the favourites and the update description
// read it, then rewritten and read again.
#include <cstdlib>

#include "core/config.h"
#include "core/errors.h"
#include "core/inifile.h"
#include "core/netconfig.h"
#include "core/viewsettings.h"
#include "fuzz_support.h"
#include "stakes/stakerecord.h"
#include "stats/statlist.h"

using namespace kavrin;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TStatList* stats = &fuzz::BuiltStats();
  fuzz::Scratch scratch;
  const std::string path = scratch.Write("Kavrin_5x50.ini", fuzz::AsText(data, size));
  // The favourites file is an INI file too; every entry gets its favourite mark and caption anew.
  std::string error;
  if (stats->LoadFilterList(path, true, error)) {
    for (int i = 0; i < stats->Count(); ++i)
      if (!stats->Items(i).UserCaption.empty()) (void)stats->MethodListText(i, true);
  }
  try {
    TIniFile ini(path);
    TConfigData config;
    LoadMainConfig(ini, config);
    TGenerateConfig generate;
    LoadGenerateConfig(ini, generate);
    TShreddingConfig shredding;
    LoadShreddingConfig(ini, shredding);
    TProxy proxy;
    LoadProxyConfig(ini, proxy);
    TNetworkConfig network;
    LoadNetworkConfig(ini, network);
    TViewSettings view;
    LoadViewSettings(ini, view);
    TWindowPlacement placement;
    (void)LoadWindowPlacement(ini, MainWindowSection, 1920, 1080, 96, placement);
    std::vector<int> widths(9, 60);
    LoadListColumns(ini, MainWindowSection, "lvDraws", widths);
    TListSort sort;
    (void)LoadListSort(ini, MainWindowSection, "lvDraws", sort);
    // The price and prizes read are what every stake is charged and paid.
    for (int n = 0; n <= TNumberSet::Capacity; ++n) (void)StakeProfit(config, n, n % (DrawSize + 1));

    // What the program writes back must read back as the same settings.
    StoreMainConfig(ini, config);
    StoreShreddingConfig(ini, shredding);
    StoreProxyConfig(ini, proxy);
    ini.UpdateFile();
    TIniFile again(path);
    TConfigData config2;
    LoadMainConfig(again, config2);
    TProxy proxy2;
    LoadProxyConfig(again, proxy2);
    if (!(config2 == config) || !(proxy2 == proxy)) std::abort();
  } catch (const KavrinError&) {
  }
  return 0;
}
