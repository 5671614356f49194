// Arbitrary bytes as a texture file: loading, header, pixel transfer both ways, and the glyph scan.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "formats/formathandlers.h"
#include "formats/misc.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Exactly the file's bytes, as the program loads them: a read past the end is caught.
  eit::TMemoryStream file;
  file.Reserve(static_cast<std::int64_t>(size));
  if (size > 0) file.WriteBuffer(data, static_cast<std::int32_t>(size));
  file.SetPosition(0);
  try {
    // An export loads the header and rows only; it must agree with the whole load on what it accepts.
    eit::TMemoryStream pixels;
    bool pixelsLoaded = true;
    try {
      eit::LoadTextureImage(file, pixels, "fuzz.dds", eit::TLoadExtent::Pixels);
      eit::InvertImageHeader(pixels);
      eit::TBitmap picture;
      eit::ImageToBitmapInPlace(pixels, picture);
    } catch (const eit::Exception&) {
      pixelsLoaded = false;
    }
    file.SetPosition(0);
    eit::TMemoryStream image;
    const eit::TTextureForm form = eit::LoadTextureImage(file, image, "fuzz.dds");
    if (!pixelsLoaded) __builtin_trap();  // what loads whole loads for an export too
    eit::InvertImageHeader(image);
    eit::TBitmap bitmap;
    eit::ImageToBitmap(image, bitmap);
    const std::int64_t before = image.Size();
    eit::BitmapToImage(bitmap, image);
    if (image.Size() != before) __builtin_trap();  // same size back: nothing may grow
    if (bitmap.PixelFormat() == eit::TPixelFormat::pf32bit) {
      std::vector<eit::GlyphBox> boxes;
      eit::ScanGlyphBoxes(bitmap, boxes);
      for (const auto& b : boxes)
        if (b.Left < 1 || b.Right > bitmap.Width() || b.Top < 0 || b.Bottom > bitmap.Height()) __builtin_trap();
    }
    eit::InvertImageHeader(image);
    eit::TMemoryStream stored;
    eit::StoreTextureImage(image, form, stored);
  } catch (const eit::Exception&) {
    // Refusing bad data is the expected outcome.
  }
  return 0;
}
