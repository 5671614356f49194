// Arbitrary font tables and text for the preview: the code page, the table and the UTF-8 text all come
// from the input.
#include <cstddef>
#include <cstdint>
#include <string>

#include "formats/codepages.h"
#include "formats/font_tools.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return 0;
  const auto& pages = eit::KnownCodePages();
  eit::TPreviewOptions options;
  options.CodePage = pages[data[0] % pages.size()];
  options.Scale = 1 + data[1] % 3;
  const std::size_t tableBytes = std::min<std::size_t>(size - 4, static_cast<std::size_t>(data[2] | data[3] << 8));
  eit::TMemoryStream table;
  table.Reserve(static_cast<std::int64_t>(tableBytes));
  if (tableBytes > 0) table.WriteBuffer(data + 4, static_cast<std::int32_t>(tableBytes));
  const std::string text(reinterpret_cast<const char*>(data + 4 + tableBytes), size - 4 - tableBytes);
  try {
    eit::TBitmap texture(eit::TPixelFormat::pf32bit, 64, 48);
    for (std::int32_t y = 0; y < texture.Height(); ++y)
      for (std::size_t i = 0; i < texture.RowBytes(); ++i) texture.ScanLine(y)[i] = static_cast<std::uint8_t>(i * 7 + y);
    const eit::TPreview preview = eit::RenderPreview(table, texture, text, options, "fuzz.tdt");
    if (preview.Picture.Width() < 4 || preview.Picture.PixelFormat() != eit::TPixelFormat::pf32bit) __builtin_trap();
    // Every character decoded is either drawn or reported; the decoder never loses the text's length.
    if (eit::DecodeUtf8(text).size() > text.size()) __builtin_trap();
  } catch (const eit::Exception&) {
  }
  return 0;
}
