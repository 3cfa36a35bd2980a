#pragma once
// The combination lists of the application: the current list, its one-level undo copy, the
// scenario engine's start-list buffer with its key, and the applied-filters history. Pure
// state and rules; the application object adds the busy state, status texts and messages.
#include <cstdint>

#include "combs/comblist.h"
#include "combs/history.h"
#include "combs/rowselection.h"

namespace kavrin {

// What a buffered start list was made for: the draws offset and the number of last draws
// excluded. (-1, -1) with an empty buffer means no buffer.
struct TBufferKey {
  int32_t DrawsOffset = -1;
  int32_t Excluded = -1;
  friend bool operator==(const TBufferKey&, const TBufferKey&) = default;
};

class TCombsStore {
 public:
  TCombList CombsList;      // the list on screen
  TCombList CombsUndoList;  // the copy taken before the last changing operation; empty: no undo
  TCombList CombsBuffer;    // the scenario start list
  TFilterHistory History;

  // Reserves the full set in each of the three lists (counts unchanged).
  void ReserveFullSet();

  void TakeUndoCopy() { CombsUndoList.CopyFrom(CombsList); }
  // The undo copy for an operation that rebuilds the whole list from it: the two storages trade
  // places instead of copying, and the list holds nothing meaningful until it is rebuilt.
  void TakeUndoForRebuild() { CombsList.Swap(CombsUndoList); }
  // Puts the undo copy back and empties it: one level only.
  void Undo();

  // After the whole list was replaced (generate, open, paste): no undo and no buffer, both
  // storages holding at least the new list.
  void ForgetUndoAndBuffer();

  const TBufferKey& BufferKey() const { return bufferKey_; }
  // Copies the list into the buffer unless the buffer was made for this key; true when copied.
  bool BufferStore(const TBufferKey& key);
  // Copies the buffer into the list when it was made for this key and holds combinations.
  bool BufferLoad(const TBufferKey& key);
  void BufferInvalidate();

  // Rebuilds the list from the undo copy without the rows of `selection` (row i of the view
  // shows entry i of the undo copy, the copy having just been taken).
  void RemoveSelected(const TRowSelection& selection);

 private:
  TBufferKey bufferKey_;
};

}  // namespace kavrin
