// The viewer's facts in English: what tests and scripted runs read, and the window's words before translation.
#include "engine/image_view.h"
#include "formats/codepages.h"

namespace eit {

namespace {

std::string SizeText(std::int64_t width, std::int64_t height) {
  return std::to_string(width) + " x " + std::to_string(height);
}

std::string TextureText(const TTextureFacts& texture) {
  return texture.File + ": " + SizeText(texture.Width, texture.Height) + ", " + std::to_string(texture.Bits) + "-bit, " +
         (texture.Packed ? "packed" : "raw") + " texture";
}

}  // namespace

std::string EnglishCaption(const TViewCaption& caption) {
  using K = TViewCaption::TKind;
  switch (caption.Kind) {
    case K::None:
      return {};
    case K::Texture:
      return TextureText(caption.Texture);
    case K::GlyphSheet:
      return caption.File + ": glyph sheet of " + std::to_string(caption.Cells) + " cells, " +
             SizeText(caption.Width, caption.Height) + ", over " + TextureText(caption.Texture);
    case K::EditedImage:
      return caption.File + ": " + SizeText(caption.Width, caption.Height) + ", edited image" +
             (caption.NewGlyphsFrom ? " (new glyphs from " + CodeText(*caption.NewGlyphsFrom) + ")" : "");
    case K::Missing:
      return caption.File + ": does not exist";
    case K::Unreadable:
      return caption.Error;
  }
  return {};
}

std::string EnglishFinding(const TViewFinding& finding) {
  using K = TViewFinding::TKind;
  switch (finding.Kind) {
    case K::Missing:
      return "missing: the insert passes this record over";
    case K::Unreadable:
      return "unreadable: the insert fails here";
    case K::SizeDiffers:
      return "size differs: " + SizeText(finding.Width, finding.Height) + ", the texture is " +
             SizeText(finding.TextureWidth, finding.TextureHeight);
    case K::Edit:
      return EditFindingText(finding.Edit).English;
  }
  return {};
}

}  // namespace eit
