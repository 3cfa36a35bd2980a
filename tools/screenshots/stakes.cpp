// Shots of the stakes and rating tabs with stakes of every kind, and of their dialogs.
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include "gui/common/graphwindow.h"
#include "gui/main/mainwindow.h"
#include "gui/stakes/stakedialog.h"
#include "shots.h"

using namespace kavrin;
using namespace kavrin::gui;

namespace {

// Five numbers sharing `overlaps` numbers with the draw.
TNumberSet Sharing(const TComb& draw, int overlaps, int shift) {
  TNumberSet set;
  for (int i = 0; i < overlaps; ++i) set.Numbers[set.Count++] = draw[i];
  for (int n = 1 + shift; set.Count < DrawSize; ++n) {
    const auto number = static_cast<uint8_t>((n - 1) % NumberMax + 1);
    if (std::find(draw.begin(), draw.end(), number) == draw.end() &&
        std::find(set.Numbers.begin(), set.Numbers.begin() + set.Count, number) == set.Numbers.begin() + set.Count)
      set.Numbers[set.Count++] = number;
  }
  SortNumberSet(set);
  return set;
}

// Batches of stakes of each kind over the last draws, and stakes for the next draw.
void MakeStakes(TTemplateMain& main) {
  const struct {
    TStakeKind kind;
    const char* comment;
  } sources[] = {{StakeManual, ManualStakeComment},
                 {StakeScenario, "Сценарий: SUM5 [120-140], NUMS исключить горячие"},
                 {StakeSystem, "Система 7 чисел (5 из 7)"},
                 {StakeRegular, "Регуляр: мои числа"}};
  for (int back = 4; back >= 0; --back) {
    const TDrawRec& draw = main.Archive.At(main.Archive.Count() - 1 - back);
    main.StakesStartBatch();
    int i = 0;
    for (const auto& source : sources) {
      TStakeData stake =
          main.NewStake(source.kind, Sharing(draw.Numbers, (back + i) % 4, 7 * i + back), source.comment);
      stake.DrawNumber = draw.Number;
      main.StakesAddMany(stake, 1, true);
      ++i;
    }
  }
  main.StakesStartBatch();
  for (const auto& source : sources)
    main.StakesAddMany(main.NewStake(source.kind, Sharing({1, 2, 3, 4, 5}, 0, 11), source.comment), 1, true);
  main.StakesCheckAndCommit();
  main.StakesRefreshView(true, false);
}

const kavrin::shots::Shots stakes("stakes", [](MainWindow& window) {
  TFormMain& main = window.Main();
  MakeStakes(main);
  window.Pages().Tabs->setCurrentIndex(PageStakes);
  auto* grid = window.findChild<QTableView*>(QStringLiteral("sgStakes"));
  grid->selectRow(3);
  kavrin::shots::Save(window, QStringLiteral("stakes-tab"));

  window.show();
  window.Pages().Tabs->setCurrentIndex(PageRatings);
  auto* list = window.findChild<QTableView*>(QStringLiteral("lvRatings"));
  list->selectRow(0);
  kavrin::shots::Save(window, QStringLiteral("ratings-tab"));

  TStakeData stake = main.NewStake(StakeManual, Sharing({1, 2, 3, 4, 5}, 0, 4), ManualStakeComment);
  StakeDialog stakeDialog(&window, StakeDialogPrefill(stake, 1), false);
  kavrin::shots::Save(stakeDialog, QStringLiteral("stake-dialog"));
  StakeDialog multiDialog(&window, {stake.DrawNumber, "", ManualStakeComment, 1}, true);
  kavrin::shots::Save(multiDialog, QStringLiteral("multi-stake-dialog"));
  ConditionDialog condition(&window);
  kavrin::shots::Save(condition, QStringLiteral("stakes-condition-dialog"));

  GraphWindow graph(&window);
  graph.ShowData(RatingsOverlapGraph({main.Ratings.begin(), main.Ratings.end()}));
  kavrin::shots::Save(graph, QStringLiteral("ratings-overlap-graph"));
});

}  // namespace
