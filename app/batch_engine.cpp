#include <algorithm>
#include <exception>
#include <new>

#include "app/main.h"
#include "app/result_log.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace eit {

std::string FormatNameOf(TJobKind kind) {
  for (std::size_t i = 0; i < FilterKinds.size(); ++i)
    if (FilterKinds[i] == kind) return FormatNames[i];
  return "";
}

bool IsExportKind(TJobKind kind) { return kind == jkTexture || kind == jkFontSheet; }

std::string ErrorNamingFile(const std::exception& error, const std::string& file) {
  std::string message = error.what();
  if (dynamic_cast<const std::bad_alloc*>(&error) != nullptr) message = "there is not enough memory for this file";
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
// replaces a file a later entry still needs.
std::set<TFileId> RunSources(const std::vector<TJobEntry>& entries) {
  std::set<TFileId> ids;
  for (const TJobEntry& entry : entries) {
    AddSource(ids, entry.Path);
    if (entry.Kind == jkFontSheet) AddSource(ids, ChangeFileExt(entry.Path, ".dds"));
    if (entry.Kind != jkReplayLog && entry.Kind != jkProjectList) continue;
    if (!FileExists(entry.Path)) continue;  // the entry itself reports what is wrong
    try {
      for (const TReplayStep& step : PlanReplay(LoadLines(entry.Path), entry.Path)) {
        if (!step.IsRecord) continue;
        AddSource(ids, step.Record.SourcePath);
        AddSource(ids, step.Record.ImagePath);
        if (step.Format == jkFontSheet) AddSource(ids, ChangeFileExt(step.Record.SourcePath, ".dds"));
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
  ExtractedCount = 0;
  progress_ = 0;
  frontEnd_.SetProgress(0);
  frontEnd_.SetTotal(0);
}

TRunOutcome TBatchEngine::RunBatch(TJobKind kind, const std::vector<std::string>& entries) {
  std::vector<TJobEntry> jobs;
  for (const std::string& entry : entries) jobs.push_back({kind, entry});
  return RunBatch(jobs);
}

TRunOutcome TBatchEngine::RunBatch(const std::vector<TJobEntry>& entries) {
  if (running_) throw Exception("A run is already under way");
  running_ = true;
  struct Finish {
    TBatchEngine& engine;
    ~Finish() {
      engine.running_ = false;
      if (std::uncaught_exceptions() > 0) engine.ResetDisplay();
    }
  } finish{*this};

  ResultLog.clear();
  TotalBytes = 0;
  StopFlag = 0;
  FailedEntries = 0;
  replayStopped_ = false;
  context_ = TJobContext{TargetDir, &ResultLog, this, {}, RunSources(entries)};
  frontEnd_.SetTotal(0);
  bool stopped = false, exports = false;
  const std::size_t n = entries.size();
  for (std::size_t i = 0; i < n; ++i) {
    const TJobEntry& entry = entries[i];
    exports = exports || IsExportKind(entry.Kind);
    frontEnd_.EntryStarting(i, n, entry.Path);
    const std::size_t mark = ResultLog.size();
    ResultLog.push_back("#Format: " + FormatNameOf(entry.Kind));
    ResultLog.push_back("#Source: " + entry.Path);
    CurrentSource.clear();
    currentFiles_ = {entry.Path, ChangeFileExt(entry.Path, ".dds")};
    try {
      ProcessItem(entry.Kind, entry.Path);
    } catch (const std::exception& e) {
      // Every message names a file it concerns; one that names none gets the record's source (in a
      // replay) or the entry put in front.
      const std::string& file = CurrentSource.empty() ? entry.Path : CurrentSource;
      std::string message = e.what();
      const bool named = dynamic_cast<const std::bad_alloc*>(&e) == nullptr &&
                         std::any_of(currentFiles_.begin(), currentFiles_.end(), [&](const std::string& f) {
                           return !f.empty() && Mentions(message, f);
                         });
      if (!named) message = ErrorNamingFile(e, file);
      if (!KeepGoing) {
        if (named) throw;
        throw Exception(message);
      }
      // Only complete records go into result.log.
      ResultLog.resize(mark);
      ++FailedEntries;
      frontEnd_.EntryFailed(entry.Path, message);
    }
    frontEnd_.SetTotal(static_cast<int>(i * 100 / n));
    frontEnd_.ProcessMessages();
    if (StopFlag != 0 && (i + 1 < n || replayStopped_)) {
      stopped = true;
      break;
    }
  }
  ResetDisplay();
  if (TotalBytes != 0) frontEnd_.AddResult("Total " + std::to_string(TotalBytes) + " bytes extracted.");
  if (!ResultLog.empty() && exports) SaveLines(JoinPath(TargetDir, "result.log"), ResultLog);
  return stopped ? TRunOutcome::Stopped : TRunOutcome::Completed;
}

void TBatchEngine::ProcessItem(TJobKind kind, const std::string& entry) {
  frontEnd_.JobStarting();
  struct Ended {
    TFrontEnd& frontEnd;
    ~Ended() { frontEnd.JobEnded(); }
  } ended{frontEnd_};
  context_.TargetDir = TargetDir;
  context_.ResultLog = &ResultLog;
  context_.Reporter = this;
  switch (kind) {
    case jkTexture:
      ExportTexture(context_, entry);
      break;
    case jkFontSheet:
      ExportFontSheet(context_, entry);
      break;
    case jkReplayLog:
    case jkProjectList:
      ReplayLog(entry);
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

void TBatchEngine::FileWritten(const std::string& source, const std::string& output, std::int64_t bytes,
                               const std::string& what) {
  TotalBytes += bytes;
  ++ExtractedCount;
  frontEnd_.SetExtracted("Extracted: " + std::to_string(ExtractedCount));
  frontEnd_.AddResult(ExtractFileName(source) + ": wrote " + output + " (" + what + ", " + std::to_string(bytes) +
                      " bytes)");
}

void TBatchEngine::FileSkipped(const std::string& source, const std::string& reason) {
  frontEnd_.AddResult(ExtractFileName(source) + ": skipped: " + reason);
}

}  // namespace eit
