#include "cli/samples.h"

#include <algorithm>

#include "cli/sample_font.h"

#include <filesystem>

#include "engine/result_log.h"
#include "platform/files.h"
#include "platform/little_endian.h"
#include "platform/paths.h"
#include "codecs/pictures.h"

namespace eit {

namespace {

// 3 x 5 pictures of the hex digits, one row per 3 bits.
constexpr std::uint16_t kDigits[16] = {0x7B6F, 0x2C97, 0x73E7, 0x73CF, 0x5BC9, 0x79CF, 0x79EF, 0x7249,
                                       0x7BEF, 0x7BCF, 0x7BED, 0x49EF, 0x7927, 0x6B6E, 0x79E7, 0x79E4};

void DrawDigit(TBitmap& b, int x, int y, int digit, TRgb color, std::uint8_t alpha) {
  for (int row = 0; row < 5; ++row)
    for (int col = 0; col < 3; ++col)
      if (kDigits[digit] >> (14 - row * 3 - col) & 1) b.FillRect({x + col, y + row, x + col + 1, y + row + 1}, color, alpha);
}

void DrawCode(TBitmap& b, int x, int y, int code, TRgb color, std::uint8_t alpha) {
  DrawDigit(b, x, y, code >> 4 & 15, color, alpha);
  DrawDigit(b, x + 4, y, code & 15, color, alpha);
}

// Stores the picture as a texture file of the given form.
void WriteTexture(const std::string& path, const TBitmap& picture, TTextureForm form, TPackEngine engine) {
  TMemoryStream image;
  std::uint8_t head[kImageHeaderSize] = {'D', 'D', 'S', '!'};
  le::PutU32(head + 4, 124);  // the header's own size, as DDS headers carry it
  le::PutU32(head + kWidthOffset, static_cast<std::uint32_t>(picture.Width()));
  le::PutU32(head + kHeightOffset, static_cast<std::uint32_t>(picture.Height()));
  le::PutU32(head + kBitCountOffset, picture.PixelFormat() == TPixelFormat::pf32bit ? 32 : 24);
  image.WriteBuffer(head, kImageHeaderSize);
  BitmapToImage(picture, image);
  InvertImageHeader(image);
  TAtomicFile file(path);
  StoreTextureImage(image, form, file.Stream(), engine);
  file.Commit();
}

TBitmap Gradient(TPixelFormat format, int w, int h, int seed) {
  TBitmap b(format, w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      std::uint8_t* p = b.ScanLine(y) + x * b.BytesPerPixel();
      p[0] = static_cast<std::uint8_t>(x * 255 / w);
      p[1] = static_cast<std::uint8_t>((x + y + seed * 40) * 3);
      p[2] = static_cast<std::uint8_t>(y * 255 / h);
      if (b.BytesPerPixel() == 4) p[3] = static_cast<std::uint8_t>(128 + (x * 127) / w);
    }
  DrawCode(b, 2, 2, 0x10 * seed + seed, kWhite, 255);
  return b;
}

constexpr int kCellW = 8, kCellH = 12, kPerRow = 28;

}  // namespace

namespace {

std::uint16_t U16(int v) { return static_cast<std::uint16_t>(v); }

void SaveStream(const std::string& path, const TMemoryStream& bytes) {
  TAtomicFile file(path);
  bytes.SaveToStream(file.Stream());
  file.Commit();
}

// A font of the codes 0x20 to 0xFF, each glyph showing its own code.
void WriteCodeFont(const std::string& dir, TPackEngine engine, std::vector<std::string>& written) {
  TBitmap fontTexture(TPixelFormat::pf32bit, 256, 256);
  TMemoryStream table;
  table.SetSize(kFontTableSize);
  for (int k = 0; k < kFontRecords; ++k) {
    const int x = (k % kPerRow) * (kCellW + 1), y = (k / kPerRow) * (kCellH + 1);
    DrawCode(fontTexture, x, y + 4, 0x20 + k, kWhite, 255);
    WriteGlyphRecord(table.Memory() + k * kGlyphRecordSize,
                     {U16(x), U16(y), U16(x + kCellW), U16(y + kCellH), U16(kCellW), U16(kCellH), U16(k)});
  }
  written.push_back(JoinPath(dir, "font.dds"));
  WriteTexture(written.back(), fontTexture, TTextureForm::Packed, engine);
  written.push_back(JoinPath(dir, "font.tdt"));
  SaveStream(written.back(), table);
}

// A font with letters for the codes 0x20 to 0x7E and nothing from 0x7F on: the start of a translation,
// to draw the new alphabet into from a font file (eitool-cli sheet) and to preview text with. Its boxes
// leave room above the capitals, as a font that is to carry accents must.
void WriteLatinFont(const std::string& dir, TPackEngine engine, std::vector<std::string>& written) {
  constexpr int kAccentRows = 3, kBoxHeight = kSampleGlyphHeight + kAccentRows;
  TBitmap letters(TPixelFormat::pf32bit, 256, 256);
  TMemoryStream records;
  records.SetSize(kFontTableSize);
  for (int code = 0x20; code < 0x7F; ++code) {
    const int k = code - 0x20, x = (k % 32) * (kSampleGlyphWidth + 1), y = (k / 32) * (kBoxHeight + 1);
    for (int row = 0; row < kSampleGlyphHeight; ++row)
      for (int col = 0; col < kSampleGlyphWidth; ++col)
        if (kSampleGlyphs[k][row] >> (kSampleGlyphWidth - 1 - col) & 1)
          letters.FillRect({x + col, y + kAccentRows + row, x + col + 1, y + kAccentRows + row + 1}, kWhite, 255);
    WriteGlyphRecord(records.Memory() + k * kGlyphRecordSize,
                     {U16(x), U16(y), U16(x + kSampleGlyphWidth), U16(y + kBoxHeight), U16(kSampleGlyphWidth),
                      U16(kBoxHeight), 0});
  }
  written.push_back(JoinPath(dir, "latin.dds"));
  WriteTexture(written.back(), letters, TTextureForm::Packed, engine);
  written.push_back(JoinPath(dir, "latin.tdt"));
  SaveStream(written.back(), records);
}

std::string NativeSeparators(std::string path) {
  std::replace(path.begin(), path.end(), '/', PathDelim);
  return path;
}

// The edited sheet a translator would draw: new glyphs for 0xC0 to 0xFF, one per marker line.
void WriteNewGlyphs(const std::string& dir, std::vector<std::string>& written) {
  const int cell = kCellH + kCellGap;
  TBitmap sheet(TPixelFormat::pf32bit, kSheetWidth, cell * 64);
  for (int n = 0; n < 64; ++n) {
    const int y = n * cell, width = 9 + n % 3;
    sheet.Line(0, y, 0, y + kCellH, kWhite, 255);
    sheet.FillRect({kGlyphColumn, y, kGlyphColumn + width, y + kCellH}, TRgb(40, 90, 200), 255);
    DrawCode(sheet, kGlyphColumn + 1, y + 4, 0xC0 + n, TRgb(255, 230, 80), 255);
  }
  written.push_back(JoinPath(dir, "font_new_glyphs.tga"));
  TAtomicFile file(written.back());
  WritePicture(file.Stream(), sheet, TPictureFormat::Tga);
  file.Commit();
}

// A small game's folder: the same name in two folders, a font beside its texture in a subfolder, a
// file of another kind.
void WriteGameTree(const std::string& dir, TPackEngine engine, std::vector<std::string>& written) {
  const std::string game = JoinPath(dir, "game");
  for (const char* folder : {"", "levels", "levels/a", "levels/b", "ui", "ui/fonts"})
    MakeDirectory(*folder == 0 ? game : JoinPath(game, NativeSeparators(folder)));
  const struct {
    const char* path;
    TPixelFormat format;
    int w, h, seed;
    TTextureForm form;
  } textures[] = {{"levels/a/stone.dds", TPixelFormat::pf24bit, 64, 64, 1, TTextureForm::Packed},
                  {"levels/b/stone.dds", TPixelFormat::pf24bit, 32, 32, 5, TTextureForm::Raw},
                  {"ui/sky.dds", TPixelFormat::pf32bit, 128, 64, 4, TTextureForm::Packed}};
  for (const auto& t : textures) {
    written.push_back(JoinPath(game, NativeSeparators(t.path)));
    WriteTexture(written.back(), Gradient(t.format, t.w, t.h, t.seed), t.form, engine);
  }
  WriteCodeFont(JoinPath(game, NativeSeparators("ui/fonts")), engine, written);
  written.push_back(JoinPath(game, "readme.txt"));
  SaveLines(written.back(), {"A sample game's folder: eitool-cli extract -o OUT game takes its textures and fonts."});
}

}  // namespace

const std::vector<std::string>& SampleFileNames() {
  static const std::vector<std::string> names = {"stone.dds", "bricks.dds", "water.dds", "sky.dds",
                                                 "font.dds", "font.tdt", "latin.dds", "latin.tdt",
                                                 "font_new_glyphs.tga", "insert_font.log", "game"};
  return names;
}

std::vector<std::string> WriteSamples(const std::string& directory, TPackEngine engine) {
  const std::string dir = AbsolutePath(directory);
  std::vector<std::string> written;
  auto texture = [&](const char* name, TPixelFormat format, int w, int h, int seed, TTextureForm form) {
    written.push_back(JoinPath(dir, name));
    WriteTexture(written.back(), Gradient(format, w, h, seed), form, engine);
  };
  texture("stone.dds", TPixelFormat::pf24bit, 64, 64, 1, TTextureForm::Packed);
  texture("bricks.dds", TPixelFormat::pf24bit, 48, 32, 2, TTextureForm::Raw);
  texture("water.dds", TPixelFormat::pf32bit, 64, 64, 3, TTextureForm::Raw);
  texture("sky.dds", TPixelFormat::pf32bit, 128, 64, 4, TTextureForm::Packed);
  WriteCodeFont(dir, engine, written);
  WriteLatinFont(dir, engine, written);
  WriteNewGlyphs(dir, written);
  written.push_back(JoinPath(dir, "insert_font.log"));
  SaveLines(written.back(), FontRecord(JoinPath(dir, "font.tdt"), JoinPath(dir, "font_new_glyphs.tga"), 0x20, 0x100));
  WriteGameTree(dir, engine, written);
  return written;
}

}  // namespace eit
