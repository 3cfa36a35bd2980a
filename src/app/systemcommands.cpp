// System play over the local systems folder.
#include "app/templatemain.h"
#include "core/cp1251.h"
#include "core/fileio.h"
#include "stakes/systemplay.h"

namespace kavrin {
namespace {

void SystemPlay(TTemplateMain& main, bool wholeSystem) {
  const TCombList& list = main.Combs.CombsList;
  TByteArray numbers;
  {
    TTemplateMain::TOperation busy(main, "Подождите пожалуйста...");
    numbers = DistinctNumberList(list.Storage(), list.Count());
  }
  TCombsArray system;
  std::string path, shortMessage;
  if (!main.SystemLoadForNumbers(numbers, system, path, shortMessage)) return;
  TStakeDialogFields fields{main.Archive.NextDrawNumber(main.DrawsOffset()), "",
                            SystemStakeComment(static_cast<int>(numbers.size()), wholeSystem, path), 1};
  if (!main.Host().EditMultiStake(fields)) return;
  TTemplateMain::TOperation busy(main, "Создание ставок...");
  main.StakesStartBatch();
  bool added = false, ok = true;
  for (const TStakeData& stake :
       SystemStakes(system, list.Combs(), wholeSystem, fields.DrawNumber, fields.Comment, main.Config)) {
    added = true;
    ok = main.StakesAddMany(stake, fields.DrawsCount, true);
    if (!ok) break;
  }
  if (added && ok) {
    main.StakesCheckAndCommit();
    main.StakesRefreshView(true, true);
  }
}

}  // namespace

bool TTemplateMain::SystemLoadForNumbers(const std::vector<uint8_t>& numbers, TCombsArray& combs, std::string& path,
                                         std::string& shortMessage) {
  const int count = static_cast<int>(numbers.size());
  std::optional<std::string> file = FindSystemFile(DataPath(SystemsFolderName), count);
  if (!file) {
    shortMessage = Format(SystemNotFoundShort, {count});
    host_.ShowError(Format(SystemNotFoundMessage, {count}));
    return false;
  }
  path = *file;
  combs.clear();
  bool read = Guarded("Ошибка загрузки комбинаций системы!",
                      [&] { combs = MapSystem(Cp1251ToUtf8(ReadFileBytes(path)), numbers); });
  return read && !combs.empty();
}

void TTemplateMain::SystemStakeAllExecute() { SystemPlay(*this, true); }

void TTemplateMain::SystemStakeFilterExecute() { SystemPlay(*this, false); }

}  // namespace kavrin
