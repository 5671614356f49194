// The real window driven by a script instead of a user, for the checks that start the program as users
// do, where no one can click (EIT_WINDOW_SCRIPT=<file>). Each line of the file is a step:
//   add <file>          the file is added to the list as a dropped file is
//   process <directory> Process, with <directory> chosen in the directory chooser
//   font <file>         the font the next "draw" draws from
//   codepage <number>   the code page the next "draw" draws
//   sheetdir <directory> where the next "draw" writes its sheet
//   draw <table>        Draw new letters for the font table, Write sheet, the log put in the list
//   clear               the list emptied
//   png on|off          "Extract images as PNG" of the list's menu
//   view                the viewer on the list's first entry, each record of a log in turn: what it shows
//                       is noted ("viewed: <caption> | <edited image's caption> | <findings>")
//   glyphdir <directory> where the next "glyphs" saves
//   glyphs <table>      Glyph table for the font table, the width of A (0x41) one more, saved
// Every message the window would show goes to <file>.out, one per line. A question about images that
// exist already is answered "Keep both", the offer of a written sheet's log taken; any other question
// is answered "No".
#pragma once

#include <string>
#include <vector>

#include "window/dialogs.h"

namespace eit {

class TMainForm;

class TScriptDialogs : public TDialogs {
 public:
  explicit TScriptDialogs(std::string outPath) : outPath_(std::move(outPath)) {}
  std::optional<std::vector<std::string>> SelectLog(int&) override { return std::nullopt; }
  std::optional<std::string> SaveLST() override { return std::nullopt; }
  std::optional<std::string> SaveRes() override { return std::nullopt; }
  bool SelectDirectory(std::string& directory) override;
  void Information(const std::string& text, const std::string& title) override;
  void Error(const std::string& text) override;
  TReplaceAnswer AskReplaceImages(const std::string& text, bool canUpdate) override;
  bool Confirm(const std::string& text, bool defaultYes = false) override;

  std::string NextDirectory;
  std::string Font, SheetDirectory, GlyphDirectory;
  int CodePage = 1251;
  // A line of the script's output.
  void Note(const std::string& line);

 private:
  std::string outPath_;
};

// Runs the script's steps on the window; false when a line is not a step.
bool RunWindowScript(TMainForm& form, TScriptDialogs& dialogs, const std::vector<std::string>& lines);

}  // namespace eit
