#include "window/result_words.h"

#include "window/counted.h"
#include "window/text_words.h"

namespace eit {

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

QString Picture(const QString& text, const TWrittenFile& file) {
  return text.arg(file.Width).arg(file.Height).arg(file.Alpha ? 32 : 24);
}

}  // namespace

QString TResultWords::What(const TWrittenFile& file) {
  using W = TWrittenFile::TWhat;
  QString what;
  if (file.What == W::Image) what = Picture(tr("%1 x %2, %3-bit"), file);
  if (file.What == W::GlyphSheet) what = Picture(tr("glyph sheet, %1 x %2, %3-bit"), file);
  if (file.What == W::Texture)
    what = Picture(file.Packed ? tr("packed texture, %1 x %2, %3-bit") : tr("raw texture, %1 x %2, %3-bit"), file);
  if (file.What == W::FontTable) what = tr("font table");
  if (file.What == W::FontTexture) {
    what = Picture(file.Packed ? tr("packed font texture, %1 x %2, %3-bit") : tr("raw font texture, %1 x %2, %3-bit"),
                   file);
    what += QStringLiteral(", ") +
            (file.NewGlyphs ? Counted("eit::TResultWords", QT_TR_N_NOOP("%Ln new glyph(s)"), *file.NewGlyphs)
                            : Counted("eit::TResultWords", QT_TR_N_NOOP("glyphs in place, %Ln retouched"), file.Retouched));
  }
  if (!file.Wanted.empty())
    what += tr("; renamed, since another record of this run already wrote %1: this one is from %2")
                .arg(Text(file.Wanted), Text(file.RenamedSource));
  return what;
}

QString TResultWords::EditFinding(TEditFinding finding) { return Word(EditFindingText(finding)); }

QString TResultWords::Line(const TResultLine& line) {
  using K = TResultLine::TKind;
  const QString source = Text(line.Source), path = Text(line.Path);
  switch (line.Kind) {
    case K::Written:
      return tr("%1: wrote %2 (%3, %4 bytes)").arg(source, path, What(line.File), QString::number(line.Count));
    case K::Skipped:
      return (line.Sheet ? tr("%1: skipped: the edited glyph sheet %2 does not exist")
                         : tr("%1: skipped: the edited image %2 does not exist"))
          .arg(source, path);
    case K::Warning:
      if (line.Edit) return tr("%1: warning: %2: %3").arg(source, path, EditFinding(*line.Edit));
      return tr("%1: warning: %2").arg(source, Word(line.Text));
    case K::Unedited:
      return Counted("eit::TResultWords", QT_TR_N_NOOP("%Ln image(s) unedited: not written"), line.Count);
    case K::UneditedAgain:
      return tr("%1: unedited again: %2 taken out of the mod").arg(source, path);
    case K::MoreWarnings:
      return Counted("eit::TResultWords", QT_TR_N_NOOP("warning: %Ln more warning(s) like this, not repeated: %1"),
                     line.Count)
          .arg(line.Edit ? EditFinding(*line.Edit) : WordForm(line.Text.English));
    case K::LeftRemoved:
      return tr("removed %1, left by a run that was killed before it could clean up").arg(path);
    case K::Total:
      return (line.Extracted ? tr("Total %1 bytes extracted.") : tr("Total %1 bytes written."))
          .arg(QString::number(line.Count));
  }
  return Word(line.Text);
}

QStringList TResultWords::Update(const TUpdatePlan& plan) {
  const auto count = [](std::size_t n) { return Number(static_cast<std::int64_t>(n)); };
  QStringList lines;
  for (const std::string& image : plan.EditedImages)
    lines << tr("%1: edited, and the game changed its source: kept; the new picture is %2, beside it")
                 .arg(Text(image), Text(ComparisonName(image)));
  for (const std::string& source : plan.Removed)
    lines << tr("%1: no longer in the game (its record and image stay)").arg(Text(source));
  lines << tr("update: %1 new, %2 changed (%3 of them edited: kept), %4 unchanged, %5 removed")
               .arg(count(plan.New), count(plan.Changed), count(plan.Compare.size()), count(plan.Unchanged),
                    count(plan.Removed.size()));
  if (plan.Unknown > 0)
    lines << Counted("eit::TResultWords",
                     QT_TR_N_NOOP("%Ln record(s) of an earlier version, without their sources' digests: their "
                                  "unedited images were extracted again, their edited ones kept"),
                     static_cast<std::int64_t>(plan.Unknown));
  return lines;
}

}  // namespace eit
