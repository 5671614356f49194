// The sheet's remedies in plain words, for a front end that names no controls of its own.
#include "formats/codepages.h"
#include "formats/font_tools.h"

namespace eit {

namespace {

TText PlainFitting(const TFittingCodes& fit) {
  const std::string n = std::to_string(fit.Fitting), of = std::to_string(fit.Count);
  if (!fit.FromLater) return Says(EIT_SAYS("%1 of the %2 fit"), {n, of});
  return Says(EIT_SAYS("%1 of the %2 fit: choose first code %3 to draw %3 to %4"),
              {n, of, CodeText(fit.From), CodeText(fit.Last)});
}

// Written outside the class: the window looks the engine's words up by namespace.
enum class TPlain { Range, Missing, CapAsked, CapRemedy, Smooth, BitDepth };

TText PlainWords(TPlain which, int cap = 0) {
  switch (which) {
    case TPlain::Range: return Says(EIT_SAYS("choose a first code from 0x7F to 0xFF"));
    case TPlain::Missing: return Says(EIT_SAYS(" (those listed first have every letter of the code page)"));
    case TPlain::CapAsked: return Says(EIT_SAYS("Cap height %1"), {std::to_string(cap)});
    case TPlain::CapRemedy: return Says(EIT_SAYS("choose cap height %1"), {std::to_string(cap)});
    case TPlain::Smooth: return Says(EIT_SAYS("smooth drawing gives smooth edges"));
    case TPlain::BitDepth: return Says(EIT_SAYS("the viewer and eitool-cli info show each texture's bit depth"));
  }
  return {};
}

}  // namespace

TText TSheetWords::RangeRemedy() const { return PlainWords(TPlain::Range); }
TText TSheetWords::MissingRemedy() const { return PlainWords(TPlain::Missing); }
TText TSheetWords::CapHeightAsked(int cap) const { return PlainWords(TPlain::CapAsked, cap); }
TText TSheetWords::CapHeightRemedy(int cap) const { return PlainWords(TPlain::CapRemedy, cap); }
TText TSheetWords::FittingRemedy(const TFittingCodes& fit) const { return PlainFitting(fit); }
TText TSheetWords::SmoothSetting() const { return PlainWords(TPlain::Smooth); }
TText TSheetWords::BitDepthShown() const { return PlainWords(TPlain::BitDepth); }

}  // namespace eit
