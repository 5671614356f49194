// "Write sheet...": the sheet, its insert log and, when asked, its glyph table, into a folder the user picks.
#include "engine/font_tool_files.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "window/draw_letters_dialog.h"

#include <QCheckBox>
#include <QComboBox>

namespace eit {

std::string TDrawLettersDialog::WriteSheetFiles() {
  const TSheetOptions options = Options();
  const std::string tablePath = Table->currentText().toStdString();
  std::string directory = lastFolder_.empty() ? ExtractFileDir(AbsolutePath(tablePath)) : lastFolder_;
  if (!dialogs_.SelectDirectory(directory)) return "";
  if (directory.empty()) throw Exception(tr("Unable to create directory").toStdString());
  directory = AbsolutePath(directory);
  const TSheetFiles files = SheetFilesFor(tablePath, directory);
  // A sheet may hold the translator's touch-ups: replaced only when they agree, as extracts ask. A glyph
  // table there (their spacing) is never replaced: the write refuses it before drawing.
  std::string existing;
  for (const std::string& f : {files.Sheet, files.Log})
    if (FileExists(f)) existing.append(existing.empty() ? "" : ", ").append(ExtractFileName(f));
  if (!existing.empty() && !dialogs_.Confirm(tr("%1 in %2 already exist and would be replaced (they may hold your "
                                                "touch-ups). Replace them?")
                                                 .arg(QString::fromStdString(existing), QString::fromStdString(directory))
                                                 .toStdString()))
    return "";
  TMadeDirectories made;
  made.Make(directory);
  const TSheetFiles written = WriteGlyphSheetFromFont(tablePath, options, directory, {},
                                                      WithTable->isChecked() ? TSheetTable::With : TSheetTable::Without);
  made.Keep();
  lastFolder_ = directory;
  const auto q = [](const std::string& text) { return QString::fromStdString(text); };
  const QString wrote = written.Table.empty() ? tr("Wrote %1 and %2.").arg(q(written.Sheet), q(written.Log))
                                              : tr("Wrote %1, %2 and %3.").arg(q(written.Sheet), q(written.Log), q(written.Table));
  const QString ask = tr("Put %1 in the job list, to insert the letters?").arg(q(ExtractFileName(written.Log)));
  if (dialogs_.Confirm((wrote + QLatin1Char(' ') + ask).toStdString(), true))
    emit LogWritten(QString::fromStdString(written.Log));
  return written.Log;
}

}  // namespace eit
