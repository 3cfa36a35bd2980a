#pragma once
// TFormMain: the lottery's own main window. It adds only the reading of the operator's archive
// page; everything else is TTemplateMain's.
#include <string>

#include "app/templatemain.h"

namespace kavrin {

// The site followed by "/5x50/archive?firstDraw=0001&lastDraw=0050&mode=draw" (a trailing "/"
// of the site dropped).
std::string ArchivePageAddress(const std::string& site, int first, int last);

// The draws of one archive page, in page order (newest first), whose numbers lie in
// first..last. Elements without a number, a date or numbers are skipped. Throws KavrinError
// when a start marker has no end marker, or when a drawn number is not a number of the game.
TDrawsArray ReadArchivePage(const std::string& page, int first, int last);

class TFormMain : public TTemplateMain {
 public:
  using TTemplateMain::TTemplateMain;
  int DownloadRange(int first, int last) override;
};

}  // namespace kavrin
