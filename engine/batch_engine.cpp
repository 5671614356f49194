#include <algorithm>
#include <exception>
#include <new>
#include <thread>

#include "compression/dynazlib.h"
#include "engine/entry_run.h"
#include "engine/image_stamp.h"
#include "engine/main.h"
#include "engine/mod_record.h"
#include "engine/result_log.h"
#include "engine/target_folder.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace eit {

std::string FormatNameOf(TJobKind kind) {
  for (std::size_t i = 0; i < FilterKinds.size(); ++i)
    if (FilterKinds[i] == kind) return FormatNames[i];
  return "";
}

bool IsExportKind(TJobKind kind) { return kind == TJobKind::Texture || kind == TJobKind::FontSheet; }

bool IsOutOfMemory(const std::exception& error) {
  const auto* zlib = dynamic_cast<const EZlibError*>(&error);
  return dynamic_cast<const std::bad_alloc*>(&error) != nullptr || (zlib != nullptr && zlib->Code() == Z_MEM_ERROR);
}

std::string ErrorNamingFile(const std::exception& error, const std::string& file) {
  std::string message = error.what();
  if (IsOutOfMemory(error)) message = "there is not enough memory for this file";
  // The streams' own words say only that bytes were missing; the user needs to hear why.
  if (dynamic_cast<const EShortRead*>(&error) != nullptr)
    message += " (the file ends before all of its data: it is cut short or damaged)";
  if (file.empty() || message.find(file) != std::string::npos) return message;
  return file + ": " + message;
}

namespace {

// Whether the message names the file, however its separators are spelled (Windows takes both).
bool Mentions(const std::string& message, const std::string& file) {
  auto native = [](std::string text) {
    for (char& c : text)
      if (c == '/') c = PathDelim;
    return text;
  };
  return native(message).find(native(file)) != std::string::npos;
}

void AddSource(std::set<TFileId>& ids, const std::string& path) {
  if (const std::optional<TFileId> id = FileIdOf(path)) ids.insert(*id);
}

// Every file the run reads, known before anything is written, so that no output of the run
// replaces a file a later entry still needs. The logs' plans are kept for their replay.
std::set<TFileId> RunSources(const std::vector<TJobEntry>& entries, bool imagesBesideLog,
                             std::map<std::string, TLogPlan>& plans) {
  std::set<TFileId> ids;
  for (const TJobEntry& entry : entries) {
    AddSource(ids, entry.Path);
    if (entry.Kind == TJobKind::FontSheet) AddSource(ids, FontTexturePath(entry.Path));
    if (entry.Kind != TJobKind::ReplayLog && entry.Kind != TJobKind::ProjectList) continue;
    if (!FileExists(entry.Path)) continue;  // the entry itself reports what is wrong
    try {
      const std::vector<std::string> lines = LoadLines(entry.Path);
      TLogPlan& plan = plans[entry.Path];
      plan = {lines.size(), PlanReplay(lines, entry.Path)};
      for (const TReplayStep& step : plan.Steps) {
        if (!step.IsRecord) continue;
        AddSource(ids, step.Record.SourcePath);
        AddSource(ids, step.Record.ImagePath);
        if (imagesBesideLog) AddSource(ids, ImageBesideLog(entry.Path, step.Record.ImagePath, step.Record.Tree));
        if (step.Format == TJobKind::FontSheet) AddSource(ids, FontTexturePath(step.Record.SourcePath));
      }
    } catch (const std::exception&) {
      // Reported when the entry runs.
    }
  }
  return ids;
}

}  // namespace

TBatchEngine::TBatchEngine(TFrontEnd& frontEnd) : frontEnd_(frontEnd) {}

TBatchEngine::~TBatchEngine() = default;

void TBatchEngine::ResetDisplay() {
  frontEnd_.SetCurrentMessage("");
  frontEnd_.SetExtracted("");
  extractedCount_ = 0;
  progress_ = 0;
  frontEnd_.SetProgress(0);
  frontEnd_.SetTotal(0);
}

int TBatchEngine::WorkersFor(int workers, std::size_t count) {
  if (workers <= 0) workers = std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
  return static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(workers), std::max<std::size_t>(count, 1)));
}

std::vector<TJobEntry> EntriesOf(TJobKind kind, const std::vector<std::string>& paths) {
  std::vector<TJobEntry> entries;
  for (const std::string& path : paths) entries.push_back({kind, path});
  return entries;
}

TRunReport TBatchEngine::Run(const TRunRequest& request) {
  if (running_) throw Exception("A run is already under way");
  running_ = true;
  request_ = &request;
  report_ = {};
  warningCounts_.clear();
  stop_ = 0;
  struct Finish {
    TBatchEngine& engine;
    ~Finish() {
      engine.running_ = false;
      engine.request_ = nullptr;
      if (std::uncaught_exceptions() > 0) engine.ResetDisplay();
    }
  } finish{*this};
  modRecords_.clear();
  struct Kept {
    TBatchEngine& engine;
    ~Kept() {
      if (std::uncaught_exceptions() > 0) engine.SaveModRecords();  // what a failed run published is in the mod too
    }
  } kept{*this};
  report_.Outcome = RunEntries(request.Entries);
  SaveModRecords();
  return std::move(report_);
}

TRunOutcome TBatchEngine::RunEntries(const std::vector<TJobEntry>& entries) {
  TOutputNames names;
  plans_.clear();
  names.SourceIds = RunSources(entries, request_->ImagesBesideLog, plans_);
  names.KeepExisting = request_->ExistingImages == TRunRequest::TExisting::KeepBoth;
  names.RefuseExisting = request_->ExistingImages == TRunRequest::TExisting::Refuse;
  names_ = &names;
  struct Forget {
    TOutputNames*& names;
    ~Forget() { names = nullptr; }
  } forget{names_};
  const std::string& target = request_->TargetDir;
  const bool exports = std::any_of(entries.begin(), entries.end(), [](const TJobEntry& e) { return IsExportKind(e.Kind); });
  if (exports && target.find_first_of("\r\n") != std::string::npos)
    throw Exception("The target directory " + target + " has a line break in its name, which a result log cannot "
                    "record; choose another directory");
  // Runs into one folder take turns: whether an image exists, the name it takes and result.log are
  // decided by one run at a time.
  std::unique_ptr<TFileLock> folderLock;
  if (exports) {
    folderLock = TakeFolderLock(target, frontEnd_, [this] { return stop_ != 0; });
    if (!folderLock) return TRunOutcome::Stopped;
  }
  // The folder's map is read before anything is written: what is not a result log is not merged into.
  const TTargetLog targetLog = exports ? ReadTargetLog(target) : TTargetLog{};
  if (!targetLog.Problem.empty() && (!request_->ReplaceForeignLog || DirectoryExists(targetLog.Path)))
    throw Exception(targetLog.Problem);
  // Never kept as an output: what a run killed outright left here goes first, and the run says so.
  for (const std::string& left : RemoveLeftTemporaries(target, entries, plans_))
    ShowResult("removed " + left + ", left by a run that was killed before it could clean up");
  replayStopped_ = false;
  frontEnd_.SetTotal(0);
  const int workers = WorkersFor(request_->Workers, entries.size());
  const TRunOutcome outcome = workers > 1 ? RunParallel(entries, workers) : RunSequential(entries);
  ResetDisplay();
  ShowCounts();
  // An insert extracts nothing: it says what it wrote.
  if (report_.TotalBytes != 0)
    ShowResult("Total " + std::to_string(report_.TotalBytes) + (exports ? " bytes extracted." : " bytes written."));
  if (!report_.ResultLog.empty() && exports)
    PublishResultLog(target, report_.ResultLog, request_->ReplaceForeignLog);
  return outcome;
}

std::string TBatchEngine::SourceName(const std::string& source) const {
  // A file of a game's tree is named by its place in the tree: two stone.dds are told apart.
  return shownFolder_.empty() ? ExtractFileName(source) : JoinPath(shownFolder_, ExtractFileName(source));
}

void TBatchEngine::ShowResult(const std::string& line, const std::string& path) {
  report_.Results.push_back(line);
  if (path.empty())
    frontEnd_.AddResult(line);
  else
    frontEnd_.AddResultFor(line, path);
}

void TBatchEngine::ExecuteEntry(TEntryRun& run) {
  run.Log = {FormatLine(run.Entry.Kind), SourceLine(run.Entry.Path)};
  // An insert mirrors the tree only for the records that say they came from one.
  if (!run.Entry.Folder.empty()) run.Log.insert(run.Log.begin() + 1, TreeLine(run.Entry.Folder));
  run.CurrentFiles = {run.Entry.Path, FontTexturePath(run.Entry.Path)};
  run.Context.TargetDir = request_->TargetDir;
  run.Context.SubFolder = run.Entry.Folder;
  run.Context.ResultLog = &run.Log;
  run.Context.Reporter = &run;
  run.Context.Names = names_;
  run.Context.Entry = run.Index;
  run.Context.SingleOutput = IsExportKind(run.Entry.Kind);
  run.Context.Strict = request_->Strict;
  run.Context.ChangedOnly = request_->ChangedOnly;
  run.Context.Comparison = run.Entry.Comparison;
  run.Context.NoReplace = request_->ExistingImages != TRunRequest::TExisting::Replace;
  run.Folder = run.Entry.Folder;
  run.Context.Engine = request_->Engine;
  run.Context.Images = request_->Images;
  try {
    // A result log line cannot hold a line break: such a name would come back split, and its record lost.
    if (IsExportKind(run.Entry.Kind) && run.Entry.Path.find_first_of("\r\n") != std::string::npos)
      throw Exception(run.Entry.Path + ": the name holds a line break, which a result log cannot record; "
                      "rename the file before extracting it");
    // The sources as read, for a later extract --update to tell what the game changed.
    if (IsExportKind(run.Entry.Kind))
      for (const std::string& source : SourcesOf(run.Entry.Kind, run.Entry.Path))
        if (FileExists(source)) run.Log.insert(run.Log.end() - 1, OriginLine(StampOfSource(source)));
    ProcessItem(run);
  } catch (const std::exception& e) {
    KeepFailure(run, e);
  }
  // Whatever happened, later entries may take their names now.
  names_->Finish(run.Index);
}

std::string TBatchEngine::FailureText(const TEntryRun& run, const std::exception& e, bool& named) const {
  // Every message names a file it concerns; one that names none gets the record's source (in a
  // replay) or the entry put in front.
  std::string message = e.what();
  named = !IsOutOfMemory(e) && std::any_of(run.CurrentFiles.begin(), run.CurrentFiles.end(), [&](const std::string& f) {
    return !f.empty() && Mentions(message, f);
  });
  if (!named) message = ErrorNamingFile(e, run.CurrentSource.empty() ? run.Entry.Path : run.CurrentSource);
  if (!run.Entry.List.empty()) {
    message = run.Entry.List + ": line " + std::to_string(run.Entry.Line) + ": " + message;
    named = false;  // raised with the list's name, not as it was
  }
  return message;
}

void TBatchEngine::KeepFailure(TEntryRun& run, const std::exception& e) {
  run.Failed = true;
  run.OutOfMemory = IsOutOfMemory(e);
  run.Message = FailureText(run, e, run.Named);
  run.Error = std::current_exception();
}

void TBatchEngine::RecordFailed(const std::string& entry, const std::string& message) {
  ++report_.FailedEntries;
  report_.Failures.push_back(message);
  frontEnd_.EntryFailed(entry, message);
}

void TBatchEngine::ShowReports(TEntryRun& run) {
  for (TEntryRun::Report& r : run.Reports) {
    shownFolder_ = r.Folder;
    if (r.Kind == TEntryRun::Report::Published) {
      // An output that cannot take its name ends the entry there, as it would have with one worker;
      // what the entry wrote after it is dropped with its temporaries.
      try {
        r.Files.Publish();
      } catch (const std::exception& e) {
        KeepFailure(run, e);
        break;
      }
    } else if (r.Kind == TEntryRun::Report::Written) {
      FileWritten(r.Source, r.Output, r.Bytes, r.What);
    } else if (r.Kind == TEntryRun::Report::Skipped) {
      FileSkipped(r.Source, r.What);
    } else if (r.Kind == TEntryRun::Report::Failed) {
      RecordFailed(run.Entry.Path, r.What);
    } else if (r.Kind == TEntryRun::Report::Unedited) {
      Unedited(r.Source);
    } else {
      Warning(r.Source, r.What, r.WarningKind);
    }
  }
  run.Reports.clear();
}

void TBatchEngine::TakeEntry(TEntryRun& run, std::size_t count) {
  shownFolder_ = run.Entry.Folder;
  modLog_ = run.Entry.Path;
  if (!run.Direct) {
    frontEnd_.EntryStarting(run.Index, count, run.Entry.Path);
    frontEnd_.JobStarting();
    struct Ended {
      TFrontEnd& frontEnd;
      ~Ended() { frontEnd.JobEnded(); }
    } ended{frontEnd_};
    ShowReports(run);
  }
  if (run.Failed) {
    if (!request_->KeepGoing) {
      if (run.Named) std::rethrow_exception(run.Error);
      throw Exception(run.Message);
    }
    // Only complete records go into result.log.
    RecordFailed(run.Entry.Path, run.Message);
  } else if (!run.Entry.Comparison) {
    SealDigests(run.Log);  // its images lie under their names now
    report_.ResultLog.insert(report_.ResultLog.end(), run.Log.begin(), run.Log.end());
  }
  replayStopped_ = replayStopped_ || run.ReplayStopped;
  frontEnd_.EntryFinished(run.Index + 1, count);
}

TRunOutcome TBatchEngine::RunSequential(const std::vector<TJobEntry>& entries, std::size_t from) {
  const std::size_t n = entries.size();
  for (std::size_t i = from; i < n; ++i) {
    frontEnd_.EntryStarting(i, n, entries[i].Path);
    modLog_ = entries[i].Path;
    TEntryRun run(*this, i, entries[i], true);
    shownFolder_ = entries[i].Folder;
    ExecuteEntry(run);
    TakeEntry(run, n);
    frontEnd_.SetTotal(static_cast<int>(i * 100 / n));
    frontEnd_.ProcessMessages();
    if (stop_ != 0 && (i + 1 < n || replayStopped_)) return TRunOutcome::Stopped;
  }
  return TRunOutcome::Completed;
}

void TBatchEngine::ProcessItem(TEntryRun& run) {
  if (run.Direct) frontEnd_.JobStarting();
  struct Ended {
    TFrontEnd& frontEnd;
    bool direct;
    ~Ended() {
      if (direct) frontEnd.JobEnded();
    }
  } ended{frontEnd_, run.Direct};
  switch (run.Entry.Kind) {
    case TJobKind::Texture:
      ExportTexture(run.Context, run.Entry.Path);
      break;
    case TJobKind::FontSheet:
      ExportFontSheet(run.Context, run.Entry.Path);
      break;
    case TJobKind::ReplayLog:
    case TJobKind::ProjectList:
      ReplayLog(run, run.Entry.Path);
      break;
    default:
      break;
  }
}

void TBatchEngine::ShowProgress(int position) {
  if (position == progress_) return;
  progress_ = position;
  frontEnd_.SetProgress(position);
  frontEnd_.ProcessMessages();
}

}  // namespace eit
