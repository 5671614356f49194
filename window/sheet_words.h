// The sheet's messages in the window's words: what to change is a control of "Draw new letters".
#pragma once

#include "formats/font_tools.h"

namespace eit {

class TWindowSheetWords : public TSheetWords {
 public:
  std::string SmoothSetting() const override { return "Drawing \"smooth\" gives smooth edges"; }
  std::string BitDepthShown() const override { return "the viewer, F3, shows each texture's bit depth"; }
};

}  // namespace eit
