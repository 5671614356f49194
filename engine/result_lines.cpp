#include "engine/result_lines.h"

#include "engine/main.h"

namespace eit {

std::string EnglishWhat(const TWrittenFile& file) {
  using W = TWrittenFile::TWhat;
  const std::string form = file.Packed ? "packed" : "raw";
  const std::string picture =
      std::to_string(file.Width) + " x " + std::to_string(file.Height) + ", " + (file.Alpha ? "32" : "24") + "-bit";
  std::string what;
  if (file.What == W::Image) what = picture;
  if (file.What == W::GlyphSheet) what = "glyph sheet, " + picture;
  if (file.What == W::Texture) what = form + " texture, " + picture;
  if (file.What == W::FontTable) what = "font table";
  if (file.What == W::FontTexture) {
    what = form + " font texture, " + picture + ", ";
    if (file.NewGlyphs)
      what += std::to_string(*file.NewGlyphs) + (*file.NewGlyphs == 1 ? " new glyph" : " new glyphs");
    else
      what += "glyphs in place, " + std::to_string(file.Retouched) + " retouched";
  }
  if (!file.Wanted.empty())
    what += "; renamed, since another record of this run already wrote " + file.Wanted + ": this one is from " +
            file.RenamedSource;
  return what;
}

std::string EnglishLine(const TResultLine& line) {
  using K = TResultLine::TKind;
  switch (line.Kind) {
    case K::Written:
      return line.Source + ": wrote " + line.Path + " (" + EnglishWhat(line.File) + ", " + std::to_string(line.Count) +
             " bytes)";
    case K::Skipped:
      return line.Source + ": skipped: the edited " + (line.Sheet ? "glyph sheet " : "image ") + line.Path +
             " does not exist";
    case K::Warning:
      return line.Source + ": warning: " + line.Text.English;
    case K::Unedited:
      return GroupedCount(line.Count) + (line.Count == 1 ? " image" : " images") + " unedited: not written";
    case K::UneditedAgain:
      return line.Source + ": unedited again: " + line.Path + " taken out of the mod";
    case K::MoreWarnings:
      return "warning: " + GroupedCount(line.Count) + (line.Count == 1 ? " more warning" : " more warnings") +
             " like this, not repeated: " + line.Text.English;
    case K::LeftRemoved:
      return "removed " + line.Path + ", left by a run that was killed before it could clean up";
    case K::Total:
      return "Total " + std::to_string(line.Count) + (line.Extracted ? " bytes extracted." : " bytes written.");
  }
  return line.Text.English;
}

bool IsWarningLine(const TResultLine& line) {
  return line.Kind == TResultLine::TKind::Warning || line.Kind == TResultLine::TKind::MoreWarnings;
}

}  // namespace eit
