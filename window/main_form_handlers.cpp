// The window's handlers: the list, the run, the results, and what the engine shows through it.
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDropEvent>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolButton>
#include <algorithm>
#include <exception>

#include "engine/game_folder.h"
#include "engine/result_log.h"
#include "engine/game_update.h"
#include "engine/target_folder.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "window/failure_words.h"
#include "window/counted.h"
#include "window/entry_kinds.h"
#include "window/main_form.h"
#include "window/result_words.h"
#include "window/rtf.h"
#include "window/text_words.h"

namespace eit {

namespace {

// A folder entry shows its count; its path is kept beside the text.
constexpr int kFolderRole = Qt::UserRole;


std::string EntryPath(const QListWidgetItem* item) {
  const QVariant folder = item->data(kFolderRole);
  return (folder.isValid() ? folder.toString() : item->text()).toStdString();
}

}  // namespace

std::vector<std::string> TMainForm::Entries() const {
  std::vector<std::string> entries;
  for (int i = 0; i < LogList->count(); ++i) entries.push_back(EntryPath(LogList->item(i)));
  return entries;
}

TRunRequest TMainForm::RequestFor(const std::string& directory) const {
  TRunRequest request;
  for (int i = 0; i < LogList->count(); ++i) {
    const QListWidgetItem* item = LogList->item(i);
    if (!item->data(kFolderRole).isValid()) {
      // An extract's entries each by their own kind: textures and font tables mix.
      const std::string path = EntryPath(item);
      request.Entries.push_back({IsExportKind(JobKind) && IsExportKind(KindOfExtension(path)) ? KindOfExtension(path) : JobKind, path});
      continue;
    }
    // The folder as it is now: what was found when it was added may have changed since.
    const TFolderWalk walk = WalkGameFolder(EntryPath(item));
    if (!walk.Unreadable.empty()) throw Exception(walk.Unreadable.front());
    request.Entries.insert(request.Entries.end(), walk.Entries.begin(), walk.Entries.end());
  }
  request.TargetDir = directory;
  request.Workers = workers_;
  request.Engine = PackWithZlib->isChecked() ? TPackEngine::Zlib : TPackEngine::Fastest;
  request.Images = ExtractAsPng->isChecked() ? TImageFiles::Png : TImageFiles::BmpTga;
  request.ChangedOnly = ChangedOnly->isChecked();
  return request;
}

void TMainForm::SetRunning(bool running) {
  running_ = running;
  stopAsked_ = false;
  if (!running) listReady_ = clearReady_ = LogList->count() > 0;
  updateActions();
}

void TMainForm::ListSettled() {
  if (LogList->count() > 0) listReady_ = clearReady_ = true;
  updateActions();
}

void TMainForm::BAddLogClick() {
  // Remove, process and save wait for an add that ends well with entries in the list.
  listReady_ = false;
  updateActions();
  Guarded([this] {
    int filter = selectLogFilter_;
    const auto files = dialogs_->SelectLog(filter);
    if (files) {
      selectLogFilter_ = filter;
      CheckChosenKind(FilterKinds[static_cast<std::size_t>(filter - 1)], *files);
      AddFiles(FilterKinds[static_cast<std::size_t>(filter - 1)], *files);
    }
    ListSettled();  // not after a failed add: its list may be what was there before
  });
}

void TMainForm::AddFiles(TJobKind kind, const std::vector<std::string>& files) {
  // Inserts (logs, lists) are a kind of their own; extracts of every kind share the list.
  if (kind != JobKind && !(IsExportKind(kind) && IsExportKind(JobKind))) LogList->clear();
  JobKind = kind;
  if (JobKind == TJobKind::ProjectList) {
    if (!files.empty()) {
      const std::vector<std::string> lines = ProjectListEntries(LoadLines(files.front()));
      LogList->clear();
      // A list of textures, font tables and folders, saved from this window, comes back as the extract it was.
      if (!lines.empty() && std::all_of(lines.begin(), lines.end(), IsExtractPath)) {
        JobKind = KindOfExtension(lines.front()) == TJobKind::FontSheet ? TJobKind::FontSheet : TJobKind::Texture;
        std::vector<std::string> folders;
        for (const std::string& line : lines)
          if (DirectoryExists(line))
            folders.push_back(line);
          else
            LogList->addItem(QString::fromStdString(line));
        if (!folders.empty()) AddFolders(folders);
        return;
      }
      for (const std::string& line : lines) LogList->addItem(QString::fromStdString(line));
    }
  } else {
    for (const std::string& f : files) LogList->addItem(QString::fromStdString(f));
  }
}


void TMainForm::AddFolderClick() {
  Guarded([this] {
    if (const auto folder = dialogs_->SelectGameFolder()) AddFolders({*folder});
  });
}

void TMainForm::AddFolders(const std::vector<std::string>& folders) {
  Guarded([&] {
    if (engine_.Running()) throw Exception(tr("A run is under way: folders can be added when it has ended").toStdString());
    for (const std::string& folder : folders) {
      const TFolderWalk walk = WalkGameFolder(AbsolutePath(folder));
      if (!walk.Unreadable.empty()) throw Exception(walk.Unreadable.front());
      CheckSomethingToExtract(folder, walk);
      if (!IsExportKind(JobKind)) {
        LogList->clear();
        JobKind = TJobKind::Texture;
      }
      const auto count = [](const char* text, std::size_t n) {
        return Counted("eit::TMainForm", text, static_cast<std::int64_t>(n));
      };
      const QString files = count(QT_TRANSLATE_N_NOOP("eit::TMainForm", "%Ln file(s)"), walk.Entries.size());
      const QString counts =
          walk.OtherFiles == 0
              ? files
              : tr("%1; %2 passed over").arg(files, count(QT_TRANSLATE_N_NOOP("eit::TMainForm", "%Ln other(s)"), walk.OtherFiles));
      auto* item = new QListWidgetItem(QString::fromStdString(AbsolutePath(folder)) + QStringLiteral("  (") + counts +
                                           QStringLiteral(")"),
                                       LogList);
      item->setData(kFolderRole, QString::fromStdString(AbsolutePath(folder)));
    }
    ListSettled();
  });
}

void TMainForm::DropFiles(const std::vector<std::string>& files) {
  Guarded([&] {
    if (engine_.Running()) throw Exception(tr("A run is under way: files can be added when it has ended").toStdString());
    // Folders are games' folders; the kind of a file comes from its extension, as the open dialog's filter
    // would give it.
    std::vector<std::string> folders;
    for (const std::string& f : files)
      if (DirectoryExists(f)) folders.push_back(f);
    if (!folders.empty()) AddFolders(folders);
    std::vector<std::string> known;
    std::string refused;
    TJobKind kind = TJobKind::None;
    bool mixed = false;
    for (const std::string& f : files) {
      if (DirectoryExists(f)) continue;
      const TJobKind k = KindOfExtension(f);
      if (k == TJobKind::None) {
        refused += (refused.empty() ? "" : ", ") + ExtractFileName(f);
        continue;
      }
      mixed = mixed || (kind != TJobKind::None && k != kind && !(IsExportKind(k) && IsExportKind(kind)));
      kind = k;
      known.push_back(f);
    }
    if (mixed)
      throw Exception(tr("Drop files to extract (textures, font tables, folders) or files to insert (result logs, or "
                         "one project list), not both at once").toStdString());
    if (!known.empty()) AddFiles(kind, known);
    ListSettled();
    if (!refused.empty())
      throw Exception(tr("Not added, since only .dds, .tdt, .log and .lst files can be processed: %1")
                          .arg(QString::fromStdString(refused))
                          .toStdString());
  });
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  const bool onList = watched == LogList->viewport();
  if (onList && (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove)) {
    auto* drag = static_cast<QDropEvent*>(event);
    if (drag->mimeData()->hasUrls()) {
      drag->acceptProposedAction();
      return true;
    }
  }
  if (onList && event->type() == QEvent::Drop) {
    auto* drop = static_cast<QDropEvent*>(event);
    std::vector<std::string> files;
    for (const QUrl& url : drop->mimeData()->urls())
      if (url.isLocalFile()) files.push_back(QDir::toNativeSeparators(url.toLocalFile()).toStdString());
    drop->acceptProposedAction();
    DropFiles(files);
    return true;
  }
  if (watched == Results->viewport() && event->type() == QEvent::MouseButtonDblClick) {
    const auto* click = static_cast<QMouseEvent*>(event);
    const int block = Results->cursorForPosition(click->position().toPoint()).blockNumber();
    const auto found = resultPaths_.find(block);
    if (found != resultPaths_.end()) dialogs_->OpenPath(found->second);
    return found != resultPaths_.end();
  }
  return QWidget::eventFilter(watched, event);
}

void TMainForm::BSaveListClick() {
  Guarded([this] {
    if (const auto path = dialogs_->SaveLST()) SaveLines(*path, Entries());
  });
}

void TMainForm::BRemLogClick() {
  Guarded([this] {
    for (QListWidgetItem* item : LogList->selectedItems()) delete item;
    if (LogList->count() > 0)
      LogList->setCurrentRow(LogList->count() - 1, QItemSelectionModel::NoUpdate);
    else
      listReady_ = clearReady_ = false;
    updateActions();
  });
}

void TMainForm::BClearAllClick() {
  Guarded([this] {
    LogList->clear();
    listReady_ = clearReady_ = false;
    updateActions();
  });
}

void TMainForm::OfferTargetDirectory(const std::string& directory) {
  // The last line leads to the results, whatever ended the run.
  Results->append(tr("Target directory: %1 (double-click to open)").arg(QString::fromStdString(directory)).toHtmlEscaped());
  resultPaths_[Results->document()->blockCount() - 1] = directory;
}

bool TMainForm::AskAboutTarget(TRunRequest& request) {
  if (!IsExportKind(JobKind)) return true;
  const TTargetLog log = ReadTargetLog(request.TargetDir);
  if (!log.Problem.English.empty()) {
    if (DirectoryExists(log.Path)) throw Exception(log.Problem);
    if (!dialogs_->Confirm((Word(log.Problem) + QStringLiteral(". ") + tr("Replace it with this run's result log?")).toStdString()))
      return false;
    request.ReplaceForeignLog = true;
  }
  const std::vector<std::string> existing = ExistingImages(request);
  if (existing.empty()) return true;
  switch (dialogs_->AskReplaceImages(Word(ExistingImagesText(existing, request.TargetDir)).toStdString(), log.Exists)) {
    case TReplaceAnswer::Update:
      update_ = PrepareUpdate(request, Entries());
      return true;
    case TReplaceAnswer::Replace:
      request.ExistingImages = TRunRequest::TExisting::Replace;
      return true;
    case TReplaceAnswer::KeepBoth:
      request.ExistingImages = TRunRequest::TExisting::KeepBoth;
      return true;
    default:
      return false;
  }
}

void TMainForm::RunInto(const TRunRequest& request, TRunOutcome& outcome) {
  SetRunning(true);
  struct Restore {
    TMainForm& form;
    std::string directory;
    ~Restore() {
      form.SetRunning(false);
      form.OfferTargetDirectory(directory);
    }
  } restore{*this, request.TargetDir};
  try {
    outcome = engine_.Run(request).Outcome;
  } catch (const std::exception& e) {
    // The run's end is said in the results too, which the user saves, not only in the box.
    Results->append(tr("Failed: %1").arg(TFailureWords::Text(e)).toHtmlEscaped());
    throw;
  }
  if (update_)
    for (const QString& line : TResultWords::Update(*update_)) Results->append(line.toHtmlEscaped());
}

void TMainForm::BProcessClick() {
  Guarded([this] {
    if (LogList->count() == 0) return;
    Results->clear();
    targetDir_ = GetCurrentDir();
    std::string directory = targetDir_;
    TRunOutcome outcome = TRunOutcome::Completed;
    resultPaths_.clear();
    if (dialogs_->SelectDirectory(directory)) {
      if (directory.empty()) throw Exception(tr("Unable to create directory").toStdString());
      // A typed relative name means "here"; after the change into it, it would mean something else.
      directory = AbsolutePath(directory);
      EnterTargetDirectory(directory);
      targetDir_ = directory;
      TRunRequest request = RequestFor(directory);
      update_.reset();
      if (!AskAboutTarget(request)) return;  // cancelled: nothing is written
      RunInto(request, outcome);
    }
    dialogs_->Information((outcome == TRunOutcome::Stopped ? tr("Operation stopped!") : tr("Operation complete!")).toStdString(),
                          tr("Process status:").toStdString());
  });
  if (closeAfterRun_) close();
}

TJobEntry TMainForm::EntryAt(int row) const {
  const QListWidgetItem* item = LogList->item(row);
  const std::string path = EntryPath(item);
  if (item->data(kFolderRole).isValid()) return {TJobKind::Texture, path};
  return {IsExportKind(JobKind) && IsExportKind(KindOfExtension(path)) ? KindOfExtension(path) : JobKind, path};
}

void TMainForm::BExitClick() { close(); }

void TMainForm::closeEvent(QCloseEvent* event) {
  // The run stops after the entry under way, whose temporaries go with it; the window closes then.
  if (engine_.Running()) {
    closeAfterRun_ = true;
    StopClick();
    event->ignore();
    return;
  }
  event->accept();
}

void TMainForm::StopClick() {
  engine_.RequestStop();
  stopAsked_ = true;
  updateActions();
}

void TMainForm::SaveLogClick() {
  Guarded([this] {
    const auto path = dialogs_->SaveRes();
    if (!path) return;
    std::vector<std::string> lines;
    for (QTextBlock block = Results->document()->begin(); block.isValid(); block = block.next())
      lines.push_back(block.text().toStdString());
    const std::string rtf = RtfDocument(lines);
    TAtomicFile file(*path);
    file.Stream().WriteBuffer(rtf.data(), static_cast<std::int32_t>(rtf.size()));
    file.Commit();
    dialogs_->Information(ExtractFileName(*path), tr("Operation status").toStdString());
    saveable_ = false;
    updateActions();
  });
}

}  // namespace eit
