#include "combs/combsstore.h"

#include <gtest/gtest.h>

namespace kavrin {
namespace {

std::vector<TComb> Items(const TCombList& list) { return {list.Combs().begin(), list.Combs().end()}; }

TCombList ListOf(int count) {
  TCombList list;
  for (int i = 0; i < count; ++i) list.Append({static_cast<uint8_t>(i + 1), 2, 3, 4, 5});
  return list;
}

TEST(CombList, ReservesTheFullSetInFiveBytesPerCombinationAndGrowsBeyond) {
  TCombsStore store;
  store.ReserveFullSet();
  for (const TCombList* list : {&store.CombsList, &store.CombsUndoList, &store.CombsBuffer}) {
    EXPECT_EQ(list->Capacity() * static_cast<int64_t>(sizeof(TComb)), 10593800);
    EXPECT_EQ(list->Storage().capacity(), list->Storage().size());
    EXPECT_EQ(list->Count(), 0);
  }

  TCombList small = ListOf(3);
  small.Reserve(3);
  small.Clear();
  EXPECT_EQ(small.Capacity(), 1024);  // emptying keeps the storage
  TCombList big = ListOf(1500);
  small.CopyFrom(big);
  EXPECT_EQ(Items(small), Items(big));
  EXPECT_TRUE(big.Contains({1500 % 256, 2, 3, 4, 5}));
  EXPECT_FALSE(big.Contains({1, 2, 3, 5, 4}));
}

TEST(CombsStore, UndoIsOneLevel) {
  TCombsStore store;
  store.CombsList = ListOf(5);
  store.TakeUndoCopy();
  store.CombsList = ListOf(2);
  store.Undo();
  EXPECT_EQ(Items(store.CombsList), Items(ListOf(5)));
  EXPECT_TRUE(store.CombsUndoList.Empty());
}

TEST(CombsStore, RemoveSelectedKeepsTheOtherRowsInOrder) {
  TCombsStore store;
  store.CombsUndoList = ListOf(10);
  TRowSelection selection;
  selection.Select(0, 1);
  selection.Select(4, 4);
  selection.Select(8, 20);  // beyond the list
  store.RemoveSelected(selection);
  std::vector<TComb> expected;
  for (int row : {2, 3, 5, 6, 7}) expected.push_back(store.CombsUndoList[row]);
  EXPECT_EQ(Items(store.CombsList), expected);
}

TEST(CombsStore, BufferIsUsedOnlyForItsKey) {
  TCombsStore store;
  EXPECT_EQ(store.BufferKey(), (TBufferKey{-1, -1}));
  store.CombsList = ListOf(4);
  EXPECT_TRUE(store.BufferStore({3, 10}));
  store.CombsList = ListOf(2);
  EXPECT_FALSE(store.BufferStore({3, 10}));  // same key: the buffer keeps the first list
  EXPECT_FALSE(store.BufferLoad({3, 11}));
  EXPECT_EQ(store.CombsList.Count(), 2);
  EXPECT_TRUE(store.BufferLoad({3, 10}));
  EXPECT_EQ(Items(store.CombsList), Items(ListOf(4)));

  store.BufferInvalidate();
  EXPECT_EQ(store.BufferKey(), (TBufferKey{-1, -1}));
  EXPECT_FALSE(store.BufferLoad({-1, -1}));  // an empty buffer never loads

  store.CombsList.Clear();
  store.BufferStore({0, 5});
  EXPECT_FALSE(store.BufferLoad({0, 5}));
}

TEST(RowSelection, RangesMergeAndStayWithinTheList) {
  TRowSelection s;
  s.Select(5, 7);
  s.Select(1, 2);
  s.Select(3, 3);  // touches 1..2: merged
  s.Select(10, 12);
  EXPECT_EQ(s.Ranges(), (std::vector<TRowSelection::Range>{{1, 3}, {5, 7}, {10, 12}}));
  EXPECT_EQ(s.Count(), 9);
  EXPECT_EQ(s.First(), 1);
  EXPECT_TRUE(s.Contains(6));
  EXPECT_FALSE(s.Contains(4));
  s.Select(2, 11);
  EXPECT_EQ(s.Ranges(), (std::vector<TRowSelection::Range>{{1, 12}}));
  s.Limit(6);
  EXPECT_EQ(s.Ranges(), (std::vector<TRowSelection::Range>{{1, 5}}));
  s.Limit(0);
  EXPECT_TRUE(s.Empty());
  EXPECT_EQ(s.First(), -1);
}

TEST(FilterHistory, RowsAndTheUndoRow) {
  TFilterHistory history;
  history.Append("Последние тиражи", "10", 2118000, HistoryIconOf(TFilterMode::Exclude));
  history.AppendUndo(2118760);
  EXPECT_EQ(history.Rows().back(), (THistoryRow{"Отмена последней операции", "", 2118760, THistoryIcon::Undo}));
  EXPECT_EQ(HistoryIconOf(TFilterMode::Include), THistoryIcon::Include);
  history.DeleteLast();
  history.DeleteLast();
  history.DeleteLast();
  EXPECT_TRUE(history.Rows().empty());
}

}  // namespace
}  // namespace kavrin
