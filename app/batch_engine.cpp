#include <exception>

#include "app/main.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace eit {

std::string FormatNameOf(TJobKind kind) {
  for (std::size_t i = 0; i < FilterKinds.size(); ++i)
    if (FilterKinds[i] == kind) return FormatNames[i];
  return "";
}

bool IsExportKind(TJobKind kind) { return kind == jkTexture || kind == jkFontSheet; }

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
  context_ = TJobContext{TargetDir, &ResultLog, this, {}};
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
    try {
      ProcessItem(entry.Kind, entry.Path);
    } catch (const std::exception& e) {
      if (!KeepGoing) throw;
      // Only complete records go into result.log.
      ResultLog.resize(mark);
      ++FailedEntries;
      frontEnd_.EntryFailed(entry.Path, e.what());
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
