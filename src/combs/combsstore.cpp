#include "combs/combsstore.h"

#include <algorithm>

namespace kavrin {

void TCombsStore::ReserveFullSet() {
  CombsList.Reserve(FullSetSize);
  CombsUndoList.Reserve(FullSetSize);
  CombsBuffer.Reserve(FullSetSize);
}

void TCombsStore::Undo() {
  CombsList.CopyFrom(CombsUndoList);
  CombsUndoList.Clear();
}

void TCombsStore::ForgetUndoAndBuffer() {
  CombsUndoList.Clear();
  BufferInvalidate();
  CombsUndoList.Reserve(CombsList.Count());
  CombsBuffer.Reserve(CombsList.Count());
}

bool TCombsStore::BufferStore(const TBufferKey& key) {
  if (key == bufferKey_) return false;
  CombsBuffer.CopyFrom(CombsList);
  bufferKey_ = key;
  return true;
}

bool TCombsStore::BufferLoad(const TBufferKey& key) {
  if (key != bufferKey_ || CombsBuffer.Empty()) return false;
  CombsList.CopyFrom(CombsBuffer);
  return true;
}

void TCombsStore::BufferInvalidate() {
  CombsBuffer.Clear();
  bufferKey_ = TBufferKey{};
}

void TCombsStore::RemoveSelected(const TRowSelection& selection) {
  CombsList.Clear();
  CombsList.Reserve(CombsUndoList.Count());
  // The ranges are sorted and disjoint: keep the gaps between them.
  const int32_t total = CombsUndoList.Count();
  int32_t row = 0;
  auto keepUntil = [&](int32_t end) {
    for (; row < end; ++row) CombsList.Append(CombsUndoList[row]);
  };
  for (const TRowSelection::Range& range : selection.Ranges()) {
    keepUntil(std::min(range.First, total));
    row = static_cast<int32_t>(std::clamp<int64_t>(int64_t{range.Last} + 1, row, total));
  }
  keepUntil(total);
}

}  // namespace kavrin
