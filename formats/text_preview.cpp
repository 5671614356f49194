// A line of text set with a font table and its texture.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>

#include "platform/limits.h"
#include "platform/paths.h"
#include "formats/codepages.h"
#include "formats/font_tools.h"

namespace eit {

namespace {

constexpr int kMargin = 2;
const std::uint8_t kBackground[3] = {40, 40, 40};  // B, G, R: dark, so white glyphs show

struct TPlaced {
  GlyphRecord glyph;
  bool box;  // a red box instead of a glyph
  int width;
};

// Each problem once, with how often it occurs, in the order first met.
class TProblems {
 public:
  void Add(const std::string& text) {
    const auto [at, added] = at_.emplace(text, counts_.size());
    if (added)
      counts_.emplace_back(text, 1);
    else
      ++counts_[at->second].second;
  }
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    for (const auto& [text, count] : counts_)
      lines.push_back(count == 1 ? text : text + " (" + std::to_string(count) + " times)");
    return lines;
  }

 private:
  std::vector<std::pair<std::string, int>> counts_;
  std::map<std::string, std::size_t> at_;
};

// The line laid out: each character's glyph or box, and the line's size (64 bits: a text of 65,536
// glyphs 65,535 wide must be refused, not wrap around).
struct TLine {
  std::vector<TPlaced> glyphs;
  std::int64_t width = 0, height = 0;
};

TLine LayLine(const TMemoryStream& table, const TBitmap& texture, const std::string& text, int codePage,
              TProblems& problems) {
  const std::int64_t records = table.Size() / kGlyphRecordSize;
  TLine line;
  // The line's height: the tallest glyph the table keeps, so that boxes stand as tall as letters.
  for (std::int64_t k = 0; k < std::min<std::int64_t>(records, KeptCodeLimit - 0x20); ++k) {
    const GlyphRecord g = ReadGlyphRecord(table.Memory() + k * kGlyphRecordSize);
    if (g.Bottom > g.Top) line.height = std::max<std::int64_t>(line.height, g.Bottom - g.Top);
  }
  if (line.height == 0) line.height = 12;
  for (const char32_t ch : DecodeUtf8(text)) {
    const std::optional<std::uint8_t> code = CodeOf(codePage, ch);
    TPlaced p{{}, true, static_cast<int>(std::min<std::int64_t>(line.height / 2, kMaxPictureSide))};
    if (!code || *code < 0x20 || *code - 0x20 >= records) {
      problems.Add(DescribeCharacter(ch) + (code ? " has code " + CodeText(*code) + ", which the table has no record for"
                                                 : " is not in code page " + std::to_string(codePage)));
    } else {
      p.glyph = ReadGlyphRecord(table.Memory() + (*code - 0x20) * kGlyphRecordSize);
      const bool empty = p.glyph.Right <= p.glyph.Left || p.glyph.Bottom <= p.glyph.Top;
      const bool placeholder = !empty && IsPlaceholderGlyph(texture, p.glyph);
      p.box = (empty && *code != 0x20) || placeholder;  // a space is blank by design
      p.width = p.glyph.Width > 0 ? p.glyph.Width : p.width;
      if (placeholder)
        problems.Add(DescribeCharacter(ch) + " (code " + CodeText(*code) +
                     ") is a placeholder box: the font its sheet was drawn from had no glyph for it");
      else if (p.box)
        problems.Add(DescribeCharacter(ch) + " (code " + CodeText(*code) + ") has an empty glyph");
      line.height = std::max<std::int64_t>(line.height, empty ? 0 : p.glyph.Bottom - p.glyph.Top);
    }
    line.width += p.width + 1;
    line.glyphs.push_back(p);
  }
  return line;
}

void DrawBox(TBitmap& picture, int x, int width, int bottom) {
  const TRect outline[4] = {{x, kMargin, x + width, kMargin + 1},
                            {x, bottom - 1, x + width, bottom},
                            {x, kMargin, x + 1, bottom},
                            {x + width - 1, kMargin, x + width, bottom}};
  for (const TRect& r : outline) picture.FillRect(r, TRgb(230, 30, 30), 255);
}

// Tops aligned; the texture's pixels over the background by their alpha.
void DrawGlyph(TBitmap& picture, const TBitmap& texture, const GlyphRecord& glyph, int x) {
  const int tbpp = texture.BytesPerPixel();
  for (int gy = glyph.Top; gy < glyph.Bottom && gy < texture.Height(); ++gy) {
    const int py = kMargin + gy - glyph.Top;
    if (py >= picture.Height()) break;
    for (int gx = glyph.Left; gx < glyph.Right && gx < texture.Width(); ++gx) {
      const int px = x + gx - glyph.Left;
      if (px >= picture.Width()) break;
      const std::uint8_t* t = texture.ScanLine(gy) + tbpp * gx;
      const int a = tbpp == 4 ? t[3] : 255;
      std::uint8_t* o = picture.ScanLine(py) + 4 * px;
      for (int c = 0; c < 3; ++c) o[c] = static_cast<std::uint8_t>((t[c] * a + o[c] * (255 - a)) / 255);
    }
  }
}

TBitmap DrawLine(const TLine& line, const TBitmap& texture) {
  TBitmap picture(TPixelFormat::pf32bit, static_cast<std::int32_t>(line.width + 2 * kMargin),
                  static_cast<std::int32_t>(line.height + 2 * kMargin));
  for (std::int32_t y = 0; y < picture.Height(); ++y)
    for (std::int32_t x = 0; x < picture.Width(); ++x) {
      std::uint8_t* px = picture.ScanLine(y) + 4 * x;
      px[0] = kBackground[0], px[1] = kBackground[1], px[2] = kBackground[2], px[3] = 255;
    }
  const auto bottom = static_cast<int>(kMargin + line.height);
  int x = kMargin;
  for (const TPlaced& p : line.glyphs) {
    if (p.box)
      DrawBox(picture, x, p.width, bottom);
    else
      DrawGlyph(picture, texture, p.glyph, x);
    x += p.width + 1;
  }
  return picture;
}

TBitmap Enlarged(TBitmap picture, int s) {
  if (s == 1) return picture;
  TBitmap scaled(TPixelFormat::pf32bit, picture.Width() * s, picture.Height() * s);
  for (std::int32_t y = 0; y < scaled.Height(); ++y)
    for (std::int32_t sx = 0; sx < scaled.Width(); ++sx)
      std::memcpy(scaled.ScanLine(y) + 4 * sx, picture.ScanLine(y / s) + 4 * (sx / s), 4);
  return scaled;
}

}  // namespace

TPreview RenderPreview(const TMemoryStream& table, const TBitmap& texture, const std::string& text,
                       const TPreviewOptions& options, const std::string& tablePath) {
  CheckCodePage(options.CodePage);
  if (options.Scale < 1 || options.Scale > kMaxPreviewScale)
    throw Exception(Says(EIT_SAYS("A preview's scale is 1 to %1, not %2"),
                         {std::to_string(kMaxPreviewScale), std::to_string(options.Scale)}));
  CheckFontTableSize(table, tablePath);
  // Every glyph of an empty texture would be blank: a preview of it would show nothing and say nothing.
  if (texture.Width() == 0 || texture.Height() == 0)
    throw Exception(Says(EIT_SAYS("%1: its texture %2 is %3 x %4 pixels: it holds no glyph to show"),
                         {tablePath, ChangeFileExt(tablePath, ".dds"), std::to_string(texture.Width()),
                          std::to_string(texture.Height())}),
                    tablePath);
  TProblems problems;
  const TLine line = LayLine(table, texture, text, options.CodePage, problems);
  TPreview preview;
  preview.Problems = problems.Lines();
  // A line people read is a few hundred glyphs of a few dozen pixels; a picture past this is a mistake.
  const std::int64_t shownWidth = (line.width + 2 * kMargin) * options.Scale;
  const std::int64_t shownHeight = (line.height + 2 * kMargin) * options.Scale;
  if (shownWidth > kMaxPictureSide || shownHeight > kMaxPictureSide ||
      CheckedImageBytes(shownWidth, shownHeight, 1, kMaxPreviewPixels) < 0)
    throw Exception(Says(EIT_SAYS("%1: a preview of this text would be %2 x %3 pixels (at scale %4), more than "
                                  "16,777,216 pixels or %5 on a side; preview a shorter line"),
                         {tablePath, std::to_string(shownWidth), std::to_string(shownHeight), std::to_string(options.Scale),
                          std::to_string(kMaxPictureSide)}),
                    tablePath);
  preview.Picture = Enlarged(DrawLine(line, texture), options.Scale);
  return preview;
}

}  // namespace eit
