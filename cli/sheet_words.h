// The sheet's messages in eitool-cli's words: what to change is an option.
#pragma once

#include "formats/codepages.h"
#include "formats/font_tools.h"

namespace eit::cli {

class TCliSheetWords : public TSheetWords {
 public:
  TText RangeRemedy() const override { return "give --first 0x7F to 0xFF and --end after it, up to 0x100"; }
  TText MissingRemedy() const override { return ", or give --allow-missing to draw boxes in their place"; }
  TText CapHeightAsked(int cap) const override { return "--size " + std::to_string(cap); }
  TText CapHeightRemedy(int cap) const override {
    return "choose cap height " + std::to_string(cap) + " (--size " + std::to_string(cap) + ")";
  }
  // Either end of the range may move: the first codes up to the first that does not fit, or the last ones.
  TText FittingRemedy(const TFittingCodes& fit) const override {
    return std::to_string(fit.Fitting) + " of the " + std::to_string(fit.Count) + " fit: draw " + CodeText(fit.New) +
           " to " + CodeText(fit.Failing - 1) + " (--end " + CodeText(fit.Failing) + ")" +
           (fit.FromLater ? " or " + CodeText(fit.From) + " to " + CodeText(fit.Last) + " (--first " + CodeText(fit.From) + ")"
                          : "");
  }
  TText SmoothSetting() const override { return "--no-mono: smooth edges"; }
  TText BitDepthShown() const override { return "eitool-cli info names each texture's bit depth"; }
};

}  // namespace eit::cli
