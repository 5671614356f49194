#include "window/view_words.h"

#include "formats/codepages.h"
#include "window/result_words.h"

namespace eit {

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

QString TViewWords::Caption(const TViewCaption& caption) {
  using K = TViewCaption::TKind;
  const TTextureFacts& t = caption.Texture;
  const QString texture = (t.Packed ? tr("%1: %2 x %3, %4-bit, packed texture") : tr("%1: %2 x %3, %4-bit, raw texture"))
                              .arg(Text(t.File))
                              .arg(t.Width)
                              .arg(t.Height)
                              .arg(t.Bits);
  switch (caption.Kind) {
    case K::None:
      return {};
    case K::Texture:
      return texture;
    case K::GlyphSheet:
      return tr("%1: glyph sheet of %2 cells, %3 x %4, over %5")
          .arg(Text(caption.File))
          .arg(caption.Cells)
          .arg(caption.Width)
          .arg(caption.Height)
          .arg(texture);
    case K::EditedImage: {
      QString edited = tr("%1: %2 x %3, edited image").arg(Text(caption.File)).arg(caption.Width).arg(caption.Height);
      if (caption.NewGlyphsFrom) edited += tr(" (new glyphs from %1)").arg(Text(CodeText(*caption.NewGlyphsFrom)));
      return edited;
    }
    case K::Missing:
      return tr("%1: does not exist").arg(Text(caption.File));
    case K::Unreadable:
      return Text(caption.Error);
  }
  return {};
}

QString TViewWords::Finding(const TViewFinding& finding) {
  using K = TViewFinding::TKind;
  switch (finding.Kind) {
    case K::Missing:
      return tr("missing: the insert passes this record over");
    case K::Unreadable:
      return tr("unreadable: the insert fails here");
    case K::SizeDiffers:
      return tr("size differs: %1 x %2, the texture is %3 x %4")
          .arg(finding.Width)
          .arg(finding.Height)
          .arg(finding.TextureWidth)
          .arg(finding.TextureHeight);
    case K::Edit:
      return TResultWords::EditFinding(finding.Edit);
  }
  return {};
}

QString TViewWords::Tag(const TViewFinding& finding) {
  using K = TViewFinding::TKind;
  if (finding.Kind == K::Missing) return tr("missing");
  if (finding.Kind == K::Unreadable) return tr("unreadable");
  if (finding.Kind == K::SizeDiffers) return tr("size differs");
  if (finding.Edit == TEditFinding::UpsideDown) return tr("upside down");
  if (finding.Edit == TEditFinding::Unedited) return tr("unedited");
  return tr("alpha lost");
}

}  // namespace eit
