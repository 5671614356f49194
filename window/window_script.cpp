#include "window/window_script.h"

#include <fstream>

#include "platform/files.h"
#include "platform/paths.h"
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
  return false;
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
    } else if (!step.empty()) {
      return false;
    }
  }
  return true;
}

}  // namespace eit
