// The font sheet import: new glyphs for the codes from 0xC0 on.
//
// Every old glyph area from 0x7F on is cleared before any new glyph is placed; clearing code by code
// in between would erase parts of new glyphs placed earlier whenever they are wider than the old ones.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "formats/formathandlers.h"
#include "formats/jobs_internal.h"
#include "formats/misc.h"
#include "platform/paths.h"

namespace eit {

namespace {

std::string Hex(std::int32_t code) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%X", static_cast<unsigned>(code));
  return text;
}

void CheckRange(const TMemoryStream& table, std::int32_t first, std::int32_t endCode, const std::string& tablePath) {
  const std::int64_t records = table.Size() / kGlyphRecordSize;
  const std::int32_t end = std::max(endCode, first);
  if (first < 0 || end - first > records)
    throw Exception(tablePath + ": the range " + Hex(first) + " to " + Hex(endCode) + " covers " +
                    std::to_string(end - first) + " codes, but the font table holds " + std::to_string(records) +
                    " records; correct the #First/#Last lines");
}

void CheckTexture(const TBitmap& texture, const std::string& texturePath) {
  if (texture.PixelFormat() != TPixelFormat::pf32bit)
    throw Exception(texturePath + ": the font texture is 24-bit; new glyphs need a 32-bit texture, whose alpha "
                                  "marks them");
}

}  // namespace

std::int32_t LayNewGlyphs(TMemoryStream& table, TBitmap& texture, const TBitmap& sheet, std::int32_t first,
                          std::int32_t endCode, const TFontFiles& names) {
  CheckRange(table, first, endCode, names.Table);
  CheckTexture(texture, names.Texture);
  const std::int32_t end = std::max(endCode, first);
  if (sheet.PixelFormat() != TPixelFormat::pf32bit)
    throw Exception(names.Sheet + ": the glyph sheet is 24-bit; save it with alpha (32-bit TGA or BMP), "
                                       "since its glyphs are found by their alpha");
  std::vector<GlyphBox> boxes;
  ScanGlyphBoxes(sheet, boxes);
  const std::int32_t newCodes = std::max(0, end - std::max(first, NewGlyphCode));
  if (static_cast<std::int32_t>(boxes.size()) < newCodes)
    throw Exception(names.Sheet + ": the sheet holds " + std::to_string(boxes.size()) + " glyphs, but the codes " +
                    Hex(std::max(first, NewGlyphCode)) + " to " + Hex(end - 1) + " need " + std::to_string(newCodes) +
                    "; every new glyph needs a marker line and at least one visible pixel");

  // Kept glyphs move the pen; old areas from 0x7F on are cleared (glyphs 64 wide or high stay).
  std::int32_t penX = 0, penY = 0, lineBottom = 0;
  auto recordAt = [&](std::int32_t code) { return table.Memory() + (code - first) * kGlyphRecordSize; };
  for (std::int32_t c = first; c < end; ++c) {
    const GlyphRecord r = ReadGlyphRecord(recordAt(c));
    if (c < KeptCodeLimit) {
      penX = r.Left + r.Width;
      penY = r.Top;
      lineBottom = std::max(lineBottom, r.Top + r.Height);
    } else if (r.Width != kUnclearedGlyphSize && r.Height != kUnclearedGlyphSize) {
      texture.FillRect({r.Left, r.Top, r.Left + r.Width, r.Top + r.Height}, kBlack, 0);
    }
  }
  // New glyphs, one empty column apart, in lines that break at the texture's right edge.
  std::size_t boxIndex = 0;
  for (std::int32_t c = std::max(first, NewGlyphCode); c < end; ++c) {
    const GlyphBox& b = boxes[boxIndex++];
    const std::int32_t bw = b.Right - b.Left, bh = b.Bottom - b.Top;
    if (penX + bw > texture.Width()) penX = 0, penY = lineBottom;
    if (bw > texture.Width() || penY + bh > texture.Height())
      throw Exception(names.Texture + ": the new glyph for " + Hex(c) + " (" + std::to_string(bw) + " x " +
                      std::to_string(bh) + ") does not fit the " + std::to_string(texture.Width()) + " x " +
                      std::to_string(texture.Height()) + " texture; use a larger texture or smaller glyphs");
    GlyphRecord r = ReadGlyphRecord(recordAt(c));
    const auto u = [](std::int32_t v) { return static_cast<std::uint16_t>(v); };
    r.Left = u(penX), r.Top = u(penY), r.Right = u(penX + bw), r.Bottom = u(penY + bh), r.Width = u(bw), r.Height = u(bh);
    WriteGlyphRecord(recordAt(c), r);
    for (std::int32_t j = 0; j < bh; ++j)
      std::memcpy(texture.ScanLine(penY + j) + 4 * penX, sheet.ScanLine(b.Top + j) + 4 * b.Left,
                  static_cast<std::size_t>(bw) * 4);
    penX += bw + 1;
    lineBottom = std::max(lineBottom, penY + bh);
  }

  return newCodes;
}

void ImportFontSheet(TJobContext& context, const TImportRecord& record) {
  if (!FileExists(record.ImagePath)) {
    context.Reporter->FileSkipped(record.SourcePath, "the edited glyph sheet " + record.ImagePath + " does not exist");
    return;
  }
  if (!record.RangeError.empty()) throw Exception(record.RangeError);
  const std::string& tablePath = record.SourcePath;
  const std::string texturePath = ChangeFileExt(tablePath, ".dds");
  const std::string outputTexture = ChangeFileExt(record.OutputPath, ".dds");
  detail::CheckNotASource(record.OutputPath, {tablePath, texturePath, record.ImagePath});
  detail::CheckNotASource(outputTexture, {tablePath, texturePath, record.ImagePath});

  // Read and check every input before any output exists.
  TMemoryStream table;
  table.LoadFromFile(tablePath);
  CheckRange(table, record.FirstCode, record.EndCode, tablePath);
  TMemoryStream image;
  TTextureForm form;
  {
    TFileStream source(texturePath, FileMode::OpenRead);
    form = LoadTextureImage(source, image, texturePath);
  }
  InvertImageHeader(image);
  TBitmap texture;
  ImageToBitmap(image, texture);
  CheckTexture(texture, texturePath);
  const TBitmap sheet = detail::LoadEditedImage(record.ImagePath, record.ImageIsBitmap);
  const std::int32_t newCodes =
      LayNewGlyphs(table, texture, sheet, record.FirstCode, record.EndCode, {tablePath, texturePath, record.ImagePath});

  BitmapToImage(texture, image);
  InvertImageHeader(image);
  // The pair keeps one base name, even when it must take another one.
  bool renamed = false;
  const std::string outputTable = context.InsertPairPath(record.OutputPath, renamed);
  const std::string outputPairTexture = ChangeFileExt(outputTable, ".dds");
  if (renamed) {
    detail::CheckNotASource(outputTable, {tablePath, texturePath, record.ImagePath});
    detail::CheckNotASource(outputPairTexture, {tablePath, texturePath, record.ImagePath});
  }
  const std::string note = renamed ? detail::RenamedNote(record.OutputPath, tablePath) : "";
  // Both files are complete, and both names free to take, before either takes its name.
  auto textureFile = std::make_unique<TAtomicFile>(outputPairTexture);
  auto tableFile = std::make_unique<TAtomicFile>(outputTable);
  StoreTextureImage(image, form, textureFile->Stream());
  table.SaveToStream(tableFile->Stream());
  const std::int64_t textureBytes = textureFile->Finish(), tableBytes = tableFile->Finish();
  context.Reporter->Publish({std::move(textureFile), std::move(tableFile)});
  context.Reporter->FileWritten(texturePath, outputPairTexture, textureBytes,
                                std::string(form == TTextureForm::Packed ? "packed" : "raw") + " font texture, " +
                                    detail::Describe(texture) + ", " + std::to_string(newCodes) + (newCodes == 1 ? " new glyph" : " new glyphs") +
                                    note);
  context.Reporter->FileWritten(tablePath, outputTable, tableBytes, "font table" + note);
}

}  // namespace eit
