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

TFailure FailureOf(const std::exception& error) {
  if (const auto* own = dynamic_cast<const Exception*>(&error)) return own->Failure();
  const bool memory = dynamic_cast<const std::bad_alloc*>(&error) != nullptr;
  return {"", 0, memory ? TFailureKind::OutOfMemory : TFailureKind::Refused, error.what()};
}

bool IsOutOfMemory(const std::exception& error) { return FailureOf(error).Kind == TFailureKind::OutOfMemory; }

bool NamesFile(const TFailure& failure, const std::string& file) {
  // Spelled with either separator where the system takes both.
  auto native = [](std::string text) {
    for (char& c : text)
      if (c == '/') c = PathDelim;
    return text;
  };
  return !file.empty() && !failure.File.empty() && native(failure.File) == native(file);
}

namespace {

constexpr const char* kCutShortNote = EIT_SAYS("%1 (the file ends before all of its data: it is cut short or damaged)");

bool Holds(const TText& text, const char* form) {
  return text.Form == form || std::any_of(text.Parts.begin(), text.Parts.end(), [&](const TText& p) { return Holds(p, form); });
}

}  // namespace

TText ErrorNamingFile(const std::exception& error, const std::string& file) {
  const TFailure failure = FailureOf(error);
  TText message = WordsOf(failure);
  if (failure.Kind == TFailureKind::OutOfMemory) message = Says(EIT_SAYS("there is not enough memory for this file"));
  // The streams' own words say only that bytes were missing; the user needs to hear why, once: a failure
  // named by its entry comes here again as the run ends.
  if (failure.Kind == TFailureKind::CutShort && !Holds(message, kCutShortNote)) message = Says(kCutShortNote, {message});
  if (file.empty() || NamesFile(failure, file)) return message;
  return Says(EIT_SAYS("%1: %2"), {file, message});
}

namespace {

TText LineBreakInTarget(const std::string& target) {
  return Says(EIT_SAYS("The target directory %1 has a line break in its name, which a result log cannot record; choose "
                       "another directory"), {target});
}

}  // namespace

namespace {

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
  // The count of files done stays: it is what the run did, read after it.
  frontEnd_.ShowProcessing("");
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
  extractedCount_ = 0;
  frontEnd_.SetExtracted(0);
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
    throw Exception(LineBreakInTarget(target), target);
  // Runs into one folder take turns: whether an image exists, the name it takes and result.log are
  // decided by one run at a time.
  std::unique_ptr<TFileLock> folderLock;
  if (exports) {
    folderLock = TakeFolderLock(target, frontEnd_, [this] { return stop_ != 0; });
    if (!folderLock) return TRunOutcome::Stopped;
  }
  // The folder's map is read before anything is written: what is not a result log is not merged into.
  const TTargetLog targetLog = exports ? ReadTargetLog(target) : TTargetLog{};
  if (!targetLog.Problem.English.empty() && (!request_->ReplaceForeignLog || DirectoryExists(targetLog.Path)))
    throw Exception(targetLog.Problem, targetLog.Path);
  // Never kept as an output: what a run killed outright left here goes first, and the run says so.
  for (const std::string& left : RemoveLeftTemporaries(target, entries, plans_))
    ShowResult({TResultLine::TKind::LeftRemoved, "", left});
  replayStopped_ = false;
  frontEnd_.SetTotal(0);
  const int workers = WorkersFor(request_->Workers, entries.size());
  TRunInputs inputs{*request_, names, plans_, stop_};
  // The cores the run was given and its entries leave idle go to each picture's encoder.
  inputs.PictureThreads = std::clamp(WorkersFor(request_->Workers, SIZE_MAX) / workers, 1, 4);
  const TRunOutcome outcome = RunPool(entries, inputs, 0, workers);
  ResetDisplay();
  ShowCounts();
  // An insert extracts nothing: it says what it wrote.
  if (report_.TotalBytes != 0) {
    TResultLine total{TResultLine::TKind::Total, "", "", "", report_.TotalBytes};
    total.Extracted = exports;
    ShowResult(std::move(total));
  }
  if (!report_.ResultLog.empty() && exports)
    PublishResultLog(target, report_.ResultLog, request_->ReplaceForeignLog);
  return outcome;
}

std::string TBatchEngine::SourceName(const std::string& source) const {
  // A file of a game's tree is named by its place in the tree: two stone.dds are told apart.
  return shownFolder_.empty() ? ExtractFileName(source) : JoinPath(shownFolder_, ExtractFileName(source));
}

void TBatchEngine::ShowResult(TResultLine line) {
  const bool named = line.Kind == TResultLine::TKind::Written || line.Kind == TResultLine::TKind::Skipped ||
                     line.Kind == TResultLine::TKind::Warning || line.Kind == TResultLine::TKind::UneditedAgain;
  if (named) line.Source = SourceName(line.Source);
  const std::string words = EnglishLine(line);
  report_.Results.push_back(words);
  if (IsWarningLine(line)) report_.Warnings.push_back(words);
  frontEnd_.AddResult(line);
}

void TBatchEngine::RecordFailed(const std::string& entry, const TFailure& failure) {
  ++report_.FailedEntries;
  report_.Failures.push_back(failure);
  frontEnd_.EntryFailed(entry, failure);
}

void TBatchEngine::BeginTurn(const TEntryRun& run, std::size_t count) {
  if (turn_ == run.Index) return;
  turn_ = run.Index;
  shownFolder_ = run.Entry.Folder;
  modLog_ = run.Entry.Path;
  frontEnd_.EntryStarting(run.Index, count, run.Entry.Path);
  frontEnd_.JobStarting();
}

void TBatchEngine::TakeEntry(TEntryRun& run, std::exception_ptr unpublished, std::size_t count) {
  BeginTurn(run, count);
  struct Ended {
    TBatchEngine& engine;
    ~Ended() {
      engine.turn_ = SIZE_MAX;
      engine.frontEnd_.JobEnded();
    }
  } ended{*this};
  ShowReports(run, run.TakeReports(), unpublished);
  if (unpublished) {
    try {
      std::rethrow_exception(unpublished);
    } catch (const std::exception& e) {
      KeepFailure(run, e);
    }
  }
  if (run.Failed) {
    if (!request_->KeepGoing) {
      if (run.Named) std::rethrow_exception(run.Error);
      throw Exception(run.Failure);
    }
    // Only complete records go into result.log.
    RecordFailed(run.Entry.Path, run.Failure);
  } else if (IsExportKind(run.Entry.Kind) && !run.Entry.Comparison) {
    SealDigest(run.Record);  // its image lies under its name now
    const std::vector<std::string> lines = RecordLines(run.Record);
    report_.ResultLog.insert(report_.ResultLog.end(), lines.begin(), lines.end());
  }
  replayStopped_ = replayStopped_ || run.ReplayStopped;
  frontEnd_.EntryFinished(run.Index + 1, count);
}

}  // namespace eit
