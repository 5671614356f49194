#include "formats/text_fit.h"

#include <algorithm>

#include "formats/codepages.h"
#include "formats/font_tools.h"
#include "formats/formathandlers.h"
#include "platform/limits.h"

namespace eit {

TTextMeasurer::TTextMeasurer(const TMemoryStream& table, const TBitmap& texture, int codePage) : codePage_(codePage) {
  CheckCodePage(codePage);
  // The line's height to begin with: the tallest glyph the table keeps, as the preview takes it.
  std::int64_t kept = 0;
  for (std::int32_t k = 0; k < KeptCodeLimit - 0x20; ++k) {
    const GlyphRecord g = ReadGlyphRecord(table.Memory() + static_cast<std::size_t>(k) * kGlyphRecordSize);
    if (g.Bottom > g.Top) kept = std::max<std::int64_t>(kept, g.Bottom - g.Top);
  }
  keptHeight_ = kept == 0 ? 12 : kept;
  for (std::int32_t k = 0; k < kFontRecords; ++k) {
    const GlyphRecord g = ReadGlyphRecord(table.Memory() + static_cast<std::size_t>(k) * kGlyphRecordSize);
    const bool empty = g.Right <= g.Left || g.Bottom <= g.Top;
    TCode& code = codes_[static_cast<std::size_t>(k)];
    code.Shows = k == 0 || (!empty && !IsPlaceholderGlyph(texture, g));  // a space is blank by design
    code.Advance = g.Width;
    code.Height = empty ? 0 : g.Bottom - g.Top;
  }
}

TTextMeasurer::TMeasured TTextMeasurer::Measure(const std::string& text) const {
  TMeasured measured;
  std::int64_t height = keptHeight_;
  for (const char32_t ch : DecodeUtf8(text)) {
    // A character the font cannot show is a box half the line's height so far wide, as the preview draws it.
    std::int64_t width = std::min<std::int64_t>(height / 2, kMaxPictureSide);
    const std::optional<std::uint8_t> byte = CodeOf(codePage_, ch);
    if (!byte || *byte < 0x20) {
      if (std::find(measured.Missing.begin(), measured.Missing.end(), ch) == measured.Missing.end())
        measured.Missing.push_back(ch);
    } else {
      const TCode& code = codes_[static_cast<std::size_t>(*byte - 0x20)];
      if (!code.Shows && std::find(measured.Missing.begin(), measured.Missing.end(), ch) == measured.Missing.end())
        measured.Missing.push_back(ch);
      if (code.Advance > 0) width = code.Advance;
      height = std::max<std::int64_t>(height, code.Height);
    }
    measured.Width += width + 1;
  }
  return measured;
}

}  // namespace eit
