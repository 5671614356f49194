// The window's dialogs behind one interface, so that tests can script them.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace eit {

enum class TReplaceAnswer { Replace, KeepBoth, Update, Cancel };

class TDialogs {
 public:
  virtual ~TDialogs() = default;
  // "Select file...": several existing files; filterIndex (1 to 4) is shown and, when confirmed,
  // updated to the filter chosen. Empty when cancelled.
  virtual std::optional<std::vector<std::string>> SelectLog(int& filterIndex) = 0;
  // "Select file..." for project lists, "Select target..." for results; empty when cancelled.
  virtual std::optional<std::string> SaveLST() = 0;
  virtual std::optional<std::string> SaveRes() = 0;
  // "Select Directory", opening at directory; true when confirmed, with directory set to the choice.
  virtual bool SelectDirectory(std::string& directory) = 0;
  virtual void Information(const std::string& text, const std::string& title) = 0;
  virtual void Error(const std::string& text) = 0;
  // Existing images a run would replace: the text, then "Replace them?" with Replace, Keep both, Cancel, and
  // Update when the folder holds an earlier extract's result.log.
  virtual TReplaceAnswer AskReplaceImages(const std::string& text, bool canUpdate) = 0;
  // A yes or no question: true for yes. defaultYes: Yes is the button Enter presses (an offer), else No
  // (a question before something is lost).
  virtual bool Confirm(const std::string& text, bool defaultYes = false) = 0;
  // Opens a file or folder with the desktop's default program.
  virtual void OpenPath(const std::string& /*path*/) {}
  // "Add folder": an existing folder (a game's), whose textures and font tables are extracted; empty when
  // cancelled.
  virtual std::optional<std::string> SelectGameFolder() { return std::nullopt; }
  // "Choose a font": a TrueType or OpenType file; empty when cancelled.
  virtual std::optional<std::string> SelectFontFile() { return std::nullopt; }
};

// The chooser's confirm step: an empty name or an existing directory is accepted as it is; a name
// that does not exist is accepted only if askCreate() says yes.
template <typename AskCreate>
bool ConfirmDirectoryChoice(const std::string& name, bool exists, AskCreate askCreate) {
  return name.empty() || exists || askCreate();
}

// The error box text: a full stop is added when the last character comes after "." in the code table.
inline std::string WithFullStop(std::string message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') message += '.';
  return message;
}

}  // namespace eit
