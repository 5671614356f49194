// TMainForm: the program's one window, a front end over the batch engine.
#pragma once

#include <QFont>
#include <QWidget>
#include <map>
#include <memory>
#include <optional>

#include "engine/game_update.h"
#include "engine/main.h"
#include "window/dialogs.h"
#include "window/failure_words.h"

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
class TDrawLettersDialog;
class TGlyphTableDialog;
class TAboutDialog;
class TImageViewerDialog;

// The window's fixed layout in pixels, widget by object name (the group's widgets inside the group).
struct TWidgetPlace {
  const char* Name;
  int Left, Top, Width, Height;
};
inline constexpr int kFormWidth = 688, kFormHeight = 464;
inline constexpr TWidgetPlace kFormLayout[] = {
    {"ToolBar1", 0, 0, 688, 26},    {"LogList", 0, 26, 688, 189},  {"Results", 0, 215, 688, 183},
    {"GroupBox1", 0, 398, 688, 66}, {"Extracted", 334, 14, 57, 13}, {"SaveLog", 506, 10, 105, 19},
    {"Stop", 612, 10, 71, 19},      {"Progress", 12, 32, 671, 13}, {"Total", 12, 48, 671, 13},
};

// Where Qt can list none of the system's fonts (wine without Windows' own fonts), the fonts shipped in the
// program's "fonts" folder, so that text shows; call once the application exists.
void LoadShippedFonts();
// The program's one font, for the window and every dialog; UseProgramFont makes it the application's, and a
// front end calls it before its first window (a widget under construction would keep the font it began with).
QFont ProgramFont();
void UseProgramFont();

class TMainForm : public QWidget, private TFrontEnd {
  Q_OBJECT

 public:
  // The window uses dialogs (Qt's when null) and owns them.
  explicit TMainForm(std::unique_ptr<TDialogs> dialogs = nullptr, QWidget* parent = nullptr);
  ~TMainForm() override;

  TJobKind JobKind = TJobKind::None;
  std::vector<std::string> Entries() const;
  // Entries run at a time (0: one per core; the window only shows progress).
  void SetWorkers(int workers) { workers_ = workers; }
  // The directory the last run was asked to write into (the working directory when none was chosen).
  const std::string& TargetDir() const { return targetDir_; }
  // What a run of the list into directory asks of the engine.
  TRunRequest RequestFor(const std::string& directory) const;

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
  // "Draw new letters" for the selected font table (or another of the list's, or one the last run rebuilt);
  // null when there is none. A log it writes may join the list.
  TDrawLettersDialog* DrawLetters(const std::string& table = "");
  // "Glyph table..." for table, else the selected font table (or another of the list's, or one the last run rebuilt);
  // null when there is none or it cannot be read (said).
  TGlyphTableDialog* GlyphTable(const std::string& table = "");
  // "About" (F1, or the list's context menu).
  TAboutDialog* About();
  // "View" (F3, a double click on an entry, or the list's context menu): the viewer beside the window, which
  // follows the list's current entry from then on; one viewer, raised when open.
  TImageViewerDialog* ViewImages();
  // The list's entry at row as a run takes it (a folder entry is the folder).
  TJobEntry EntryAt(int row) const;
  // Files dropped on the list: added as the open dialog adds them, the kind from the extension; folders
  // as by AddFolders.
  void DropFiles(const std::vector<std::string>& files);
  // Game folders, each one entry for every texture and font table under it, extracted with the tree kept;
  // shown with the count found. They join a list of textures or font tables, and replace any other.
  void AddFolders(const std::vector<std::string>& folders);
  // "Add folder..." of the list's context menu.
  void AddFolderClick();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildToolBar();
  void BuildList();
  void BuildProcessGroup();
  void BuildLanguageMenu();
  void BindCommands();
  // Every enabled state, derived from the run and the list; called after each change of either.
  void updateActions();
  // Every handler runs through here: a failure ends the handler and is shown in the error box.
  template <typename Handler>
  void Guarded(Handler handler);
  void AddFiles(TJobKind kind, const std::vector<std::string>& files);
  // An add, a removal or a run ended: the list's buttons follow the list again.
  void ListSettled();
  void SetRunning(bool running);
  // A second run into a folder replaces no image and no other file unasked; false when cancelled.
  bool AskAboutTarget(TRunRequest& request);
  void RunInto(const TRunRequest& request, TRunOutcome& outcome);
  void OfferTargetDirectory(const std::string& directory);
  // The font tables the font dialogs offer: first, the selected ones of the list, then those the last run
  // rebuilt, then the rest of the list's.
  std::vector<std::string> FontTables() const;

  // TFrontEnd
  void ShowProcessing(const std::string& file) override;
  void ShowWaiting(const std::string& folder) override;
  void SetProgress(int position) override;
  void SetTotal(int position) override;
  void SetExtracted(std::int64_t files) override;
  void AddResult(const TResultLine& line) override;
  bool HasResults() override;
  void JobStarting() override;
  void JobEnded() override;
  void ProcessMessages() override;

  // Widgets, by the names the rest of the program knows them by (also their object names).
  QToolBar* ToolBar1;
  QToolButton *BAddLog, *BSaveList, *BRemLog, *BClearAll, *BProcess, *BExit;
  QListWidget* LogList;
  QTextEdit* Results;
  QGroupBox* GroupBox1;
  QLabel *CurrentMessage, *Extracted;
  QPushButton *SaveLog, *Stop;
  QProgressBar *Progress, *Total;
  QAction* PackWithZlib;  // the list's context menu: zlib's exact bytes instead of libdeflate
  QAction* PreviewFontAction;
  QAction* DrawLettersAction;
  QAction* GlyphTableAction;
  QAction* AddFolderAction;
  QAction* AboutAction;
  QAction* LanguageAction;  // the list's context menu: the window's language, from the next start
  QAction* ViewAction;
  QAction* ExtractAsPng;  // the list's context menu: extracts write PNG instead of BMP and TGA
  QAction* ChangedOnly;   // the list's context menu: inserts write only what was edited
  TImageViewerDialog* viewer_ = nullptr;

  std::unique_ptr<TDialogs> dialogs_;
  TBatchEngine engine_;
  int selectLogFilter_ = 1;
  std::map<int, std::string> resultPaths_;  // results pane line -> the file or folder it names
  bool closeAfterRun_ = false;
  std::optional<TUpdatePlan> update_;  // the run is an update of an earlier extract: what it found
  int workers_ = 0;
  std::string targetDir_;
  // The run's state and the list's, from which updateActions() derives every enabled state.
  bool running_ = false;
  bool stopAsked_ = false;
  bool inJob_ = false;
  bool saveable_ = false;   // results not yet saved since the last job
  // Remove, process and save follow the list as the last add, removal or run left it (an add under
  // way, or one that failed, holds them off); clear follows the list the same way but for adds.
  bool listReady_ = false;
  bool clearReady_ = false;
};

template <typename Handler>
void TMainForm::Guarded(Handler handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    dialogs_->Error(WithFullStop(TFailureWords::Said(e)));
  }
}

}  // namespace eit
