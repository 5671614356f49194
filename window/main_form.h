// TMainForm: the program's one window, a front end over the batch engine.
#pragma once

#include <QWidget>
#include <map>
#include <memory>

#include "window/dialogs.h"
#include "engine/main.h"

class QAction;
class QGroupBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTextEdit;
class QToolBar;
class QToolButton;

namespace eit {

class TPreviewDialog;

class TMainForm : public QWidget, private TFrontEnd {
  Q_OBJECT

 public:
  // The window uses dialogs (Qt's when null) and owns them.
  explicit TMainForm(std::unique_ptr<TDialogs> dialogs = nullptr, QWidget* parent = nullptr);
  ~TMainForm() override;

  // Widgets, by the names the rest of the program knows them by.
  QToolButton *BAddLog, *BSaveList, *BRemLog, *BClearAll, *BProcess, *BExit;
  QListWidget* LogList;
  QTextEdit* Results;
  QGroupBox* GroupBox1;
  QLabel *CurrentMessage, *Extracted;
  QPushButton *SaveLog, *Stop;
  QProgressBar *Progress, *Total;
  QAction* PackWithZlib;  // the list's context menu: zlib's exact bytes instead of libdeflate
  QAction* PreviewFontAction;

  TJobKind JobKind = TJobKind::None;
  TBatchEngine& Engine() { return engine_; }
  // Entries run at a time (0: one per core; the window only shows progress).
  void SetWorkers(int workers) { workers_ = workers; }
  // The directory the last run was asked to write into (the working directory when none was chosen).
  const std::string& TargetDir() const { return targetDir_; }
  // What a run of the list into directory asks of the engine.
  TRunRequest RequestFor(const std::string& directory) const;
  std::vector<std::string> Entries() const;

  void BAddLogClick();
  void BSaveListClick();
  void BRemLogClick();
  void BClearAllClick();
  void BProcessClick();
  void BExitClick();
  void StopClick();
  void SaveLogClick();
  // "Preview font" for the selected font table (or one the last run rebuilt); null when there is none.
  TPreviewDialog* PreviewFont();
  // Files dropped on the list: added as the open dialog adds them, the kind from the extension.
  void DropFiles(const std::vector<std::string>& files);

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Every handler runs through here: a failure ends the handler and is shown in the error box.
  template <typename Handler>
  void Guarded(Handler handler);
  void EnableListButtons(bool enabled);
  void AddFiles(TJobKind kind, const std::vector<std::string>& files);
  void SetRunning(bool running);

  // TFrontEnd
  void SetCurrentMessage(const std::string& text) override;
  void SetProgress(int position) override;
  void SetTotal(int position) override;
  void SetExtracted(const std::string& text) override;
  void AddResult(const std::string& line) override;
  void AddResultFor(const std::string& line, const std::string& path) override;
  bool HasResults() override;
  void JobStarting() override;
  void JobEnded() override;
  void ProcessMessages() override;

  std::unique_ptr<TDialogs> dialogs_;
  TBatchEngine engine_;
  int selectLogFilter_ = 1;
  std::map<int, std::string> resultPaths_;  // results pane line -> the file or folder it names
  bool closeAfterRun_ = false;
  int workers_ = 0;
  std::string targetDir_;
};

}  // namespace eit
