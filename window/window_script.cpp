#include "window/window_script.h"

#include <QComboBox>
#include <QLabel>
#include <cstdlib>
#include <fstream>

#include "platform/files.h"
#include "platform/paths.h"
#include "window/draw_letters_dialog.h"
#include "window/main_form.h"

namespace eit {

bool TScriptDialogs::SelectDirectory(std::string& directory) {
  directory = NextDirectory;
  return true;
}

void TScriptDialogs::Information(const std::string& text, const std::string& title) { Note(title + " " + text); }
void TScriptDialogs::Error(const std::string& text) { Note("error: " + text); }

TReplaceAnswer TScriptDialogs::AskReplaceImages(const std::string& text) {
  Note("asked: " + text);
  return TReplaceAnswer::KeepBoth;
}

bool TScriptDialogs::Confirm(const std::string& text) {
  Note("asked: " + text);
  return text.rfind("Wrote ", 0) == 0;  // the offer of a written sheet's log
}

void TScriptDialogs::Note(const std::string& line) {
  std::vector<std::string> lines;
  if (FileExists(outPath_)) lines = LoadLines(outPath_);
  lines.push_back(line);
  SaveLines(outPath_, lines);
}

bool RunWindowScript(TMainForm& form, TScriptDialogs& dialogs, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    const std::size_t space = line.find(' ');
    const std::string step = line.substr(0, space), value = space == std::string::npos ? "" : line.substr(space + 1);
    if (step == "add") {
      form.DropFiles({value});
    } else if (step == "process") {
      dialogs.NextDirectory = value;
      form.BProcessClick();
    } else if (step == "clear") {
      form.BClearAllClick();
    } else if (step == "font") {
      dialogs.Font = value;
    } else if (step == "codepage") {
      dialogs.CodePage = std::atoi(value.c_str());
    } else if (step == "sheetdir") {
      dialogs.SheetDirectory = value;
    } else if (step == "draw") {
      TDrawLettersDialog* dialog = form.DrawLetters(value);
      if (dialog == nullptr) continue;
      dialog->AddFontFile(dialogs.Font);
      dialog->CodePage->setCurrentIndex(dialog->CodePage->findData(dialogs.CodePage));
      dialogs.NextDirectory = dialogs.SheetDirectory;
      try {
        if (dialog->WriteSheetFiles().empty()) dialogs.Error("no sheet was written: " + dialog->Notes->text().toStdString());
      } catch (const std::exception& e) {
        dialogs.Error(e.what());
      }
      dialog->close();
    } else if (!step.empty()) {
      return false;
    }
  }
  return true;
}

}  // namespace eit
