// Lines of text measured as a preview sets them with a font table: many lines over one font, for a
// translation whose every line must fit its box in the game.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/streams.h"

namespace eit {

class TTextMeasurer {
 public:
  // The table (224 records from 0x20) and its texture; the lines' characters are taken in the code page.
  TTextMeasurer(const TMemoryStream& table, const TBitmap& texture, int codePage);

  struct TMeasured {
    std::int64_t Width = 0;              // in pixels, as the preview's line is wide
    std::vector<char32_t> Missing;       // characters the font cannot show, each once, in the order met
  };
  TMeasured Measure(const std::string& text) const;

 private:
  // What each code's glyph gives a line: its advance, its height, and whether it shows (an empty glyph or a
  // sheet's placeholder box does not).
  struct TCode {
    int Advance = 0, Height = 0;
    bool Shows = false;
  };
  int codePage_;
  std::int64_t keptHeight_ = 12;
  std::array<TCode, 224> codes_{};
};

}  // namespace eit
