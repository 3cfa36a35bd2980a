#pragma once
// Results of combination-list operations computed ahead. A scenario backtest runs later passes on
// a second thread against a private copy of the data; that copy records the result of each heavy
// list operation in the order its operations ran, and the application object that runs the pass
// for the user takes those results in place of computing them again.
#include <string>

#include "combs/comblist.h"

namespace kavrin {

class TCombsFeed {
 public:
  virtual ~TCombsFeed() = default;
  // Puts the result of the next recorded operation into `list` when that operation is the one
  // `key` describes (what it computes from, not how it is shown); otherwise false, and the caller
  // computes the list itself. The storage `list` had is the feed's afterwards.
  virtual bool Take(const std::string& key, TCombList& list) = 0;
  // The operation `key` has just computed `list`.
  virtual void Put(const std::string& key, const TCombList& list) = 0;
};

}  // namespace kavrin
