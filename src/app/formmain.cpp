#include "app/formmain.h"

#include "core/errors.h"
#include "core/textextract.h"

namespace kavrin {
namespace {

void RemoveAll(std::string& text, std::string_view what) {
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at)) text.erase(at, what.size());
}

// One "<b ...>n</b>" piece of the numbers block. Anything but a number of the game is a bad
// reply: stored, it would break every statistic over the archive.
uint8_t ReadDrawnNumber(std::string piece, bool extra, int max, int drawNumber) {
  RemoveAll(piece, "&nbsp;");
  RemoveAll(piece, ">");
  if (extra) RemoveAll(piece, "class=\"extra\"");
  int32_t value = 0;
  if (!TextToInt(Trim(piece), value) || value < 1 || value > max)
    throw KavrinError(Format("Некорректное значение \"%s\" среди номеров тиража %d!", {Trim(piece), drawNumber}));
  return static_cast<uint8_t>(value);
}

}  // namespace

std::string ArchivePageAddress(const std::string& site, int first, int last) {
  std::string base = site;
  while (!base.empty() && base.back() == '/') base.pop_back();
  return base + Format("/5x50/archive?firstDraw=%.4d&lastDraw=%.4d&mode=draw", {first, last});
}

TDrawsArray ReadArchivePage(const std::string& page, int first, int last) {
  TDrawsArray draws;
  const std::string blockText =
      TextBetween(page, "<div class=\"data drawings_data\">", "<div class=\"content_decor\">", true);
  std::string_view block = blockText;
  while (auto element = NextTextElement(block, "<div class=\"elem\">")) {
    TDrawRec draw;
    draw.Number = NumberFromText(TextBetween(*element, "<a href=\"/5x50/archive/", "\">", true));
    draw.Date = CutDrawDate(TextBetween(*element, "<div class=\"draw_date\" title=\"", "\">", true));
    const std::string valuesText = NestedTextBetween(*element, "<div class=\"container cleared\"", "<div class=\"controls\">",
                                           ">", "</div>");
    if (draw.Number <= 0 || draw.Date.empty() || valuesText.empty()) continue;
    std::string_view values = valuesText;
    // Draws the request did not ask for would be stored twice, and a source that ignores the
    // range would keep the download going for ever.
    if (draw.Number < first || draw.Number > last) continue;
    for (int i = 0; i < DrawSize; ++i) {
      draw.Numbers[i] = ReadDrawnNumber(CutTextBetween(values, "<b", "</b>"), false, NumberMax, draw.Number);
      for (int k = 0; k < i; ++k)
        if (draw.Numbers[k] == draw.Numbers[i])
          throw KavrinError(Format("Некорректное значение \"%d\" среди номеров тиража %d!",
                                   {draw.Numbers[i], draw.Number}));
    }
    draw.Extra = ReadDrawnNumber(CutTextBetween(values, "<b", "</b>"), true, ExtraMax, draw.Number);
    draws.push_back(std::move(draw));
  }
  return draws;
}

int TFormMain::DownloadRange(int first, int last) {
  SetOperationText(Format("Загрузка тиражей %d - %d...", {first, last}));
  const std::string page = HttpGetText(ArchivePageAddress(Network.ArchiveSite, first, last), true);
  const TDrawsArray draws = ReadArchivePage(page, first, last);
  SetOperationText("Сохранение файла тиражей...");
  // The page lists the newest draw first; the archive is chronological.
  for (auto it = draws.rbegin(); it != draws.rend(); ++it) Archive.Append(*it);
  return static_cast<int>(draws.size());
}

}  // namespace kavrin
