// The real dialogs, with Qt.
#pragma once

#include <QStringList>
#include <QWidget>

#include "window/dialogs.h"

namespace eit {

// The folder a dialog's choice lies in, however the user got there (clicked, typed or pasted a path):
// a chosen file's folder, a chosen folder itself; shown when nothing was chosen.
QString FolderOfChoice(const QStringList& chosen, const QString& shown);

class TQtDialogs : public TDialogs {
 public:
  explicit TQtDialogs(QWidget* owner) : owner_(owner) {}
  std::optional<std::vector<std::string>> SelectLog(int& filterIndex) override;
  std::optional<std::string> SaveLST() override;
  std::optional<std::string> SaveRes() override;
  bool SelectDirectory(std::string& directory) override;
  void Information(const std::string& text, const std::string& title) override;
  void Error(const std::string& text) override;
  void OpenPath(const std::string& path) override;
  TReplaceAnswer AskReplaceImages(const std::string& text, bool canUpdate) override;
  bool Confirm(const std::string& text, bool defaultYes = false) override;
  std::optional<std::string> SelectFontFile() override;
  std::optional<std::string> SelectGameFolder() override;

 private:
  QWidget* owner_;
};

}  // namespace eit
