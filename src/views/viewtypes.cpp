#include "views/viewtypes.h"

#include <algorithm>

namespace kavrin {

TDrawWindow AnalysisWindow(int drawCount, int offset, int depth) {
  TDrawWindow window;
  window.Last = drawCount - 1 - offset;
  if (window.Last < 0) return {0, -1};
  window.First = std::max(0, window.Last - depth + 1);
  return window;
}

}  // namespace kavrin
