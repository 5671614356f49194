// One entry of a run under way: its work's inputs and what it gives back. The work runs on a worker
// of the run's pool and touches nothing else; the run's own thread takes what it gives, in entry order.
#pragma once

#include <atomic>
#include <exception>
#include <map>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "engine/main.h"
#include "engine/result_log.h"

namespace eit {

// What every entry of a run reads and none writes (the output names take their turns themselves).
struct TRunInputs {
  const TRunRequest& Request;
  TOutputNames& Names;
  const std::map<std::string, TLogPlan>& Plans;  // the run's logs, read before anything was written
  const std::atomic<std::int32_t>& Stop;
  // The pool has one worker: memory that runs out is the entry's failure, with nobody else to blame.
  bool Alone = true;
  int PictureThreads = 1;  // threads a picture's encoder may take
};

// What an entry made, in the order made: the run's thread publishes and shows it.
struct TEntryReport {
  enum { Shown, Published, Failed, Unedited } Kind;
  TResultLine Line = {};   // Shown: written, skipped or a warning, its Source the record's source path
  std::string Family = {};  // a warning's family
  TFinishedOutput Files = {};  // Published: what takes its name at this point of the entry
  std::string Folder = {};  // the source's folder in a game's tree, which names it
  TFailure Failure = {};    // Failed: the record's failure
};

class TEntryRun : public TJobReporter {
 public:
  TEntryRun(std::size_t index, const TJobEntry& entry) : Index(index), Entry(entry) {}

  void FileWritten(const std::string& source, const std::string& output, std::int64_t bytes,
                   const TWrittenFile& file) override {
    Add({TEntryReport::Shown, {TResultLine::TKind::Written, source, output, "", bytes, file}, "", {}, Folder});
  }
  void FileSkipped(const std::string& source, const std::string& image, bool sheet) override {
    TResultLine line{TResultLine::TKind::Skipped, source, image};
    line.Sheet = sheet;
    Add({TEntryReport::Shown, line, "", {}, Folder});
  }
  using TJobReporter::Warning;
  void Warning(const std::string& source, const TWarning& warning) override {
    TResultLine line{TResultLine::TKind::Warning, source, warning.Image, warning.Text};
    line.Edit = warning.Edit;
    Add({TEntryReport::Shown, line, warning.Family, {}, Folder});
  }
  void Unedited(const std::string& source) override {
    Add({TEntryReport::Unedited, {TResultLine::TKind::Unedited, source}, "", {}, Folder});
  }
  // A record of a log failed and the log goes on (keep-going runs).
  void RecordFailed(const TFailure& failure) { Add({TEntryReport::Failed, {}, "", {}, Folder, failure}); }
  void Publish(TFinishedOutput output) override {
    Add({TEntryReport::Published, {}, "", std::move(output), Folder});
  }
  // The reports made since the last call, in the order made (the run's thread takes them).
  std::vector<TEntryReport> TakeReports() {
    std::lock_guard<std::mutex> guard(lock_);
    return std::exchange(reports_, {});
  }
  // Where a replay stands, for the run's thread to show.
  void Progress(std::size_t line, std::size_t lines, const std::string& file) {
    std::lock_guard<std::mutex> guard(lock_);
    line_ = line;
    lines_ = lines;
    file_ = file;
  }
  struct TProgress {
    std::size_t Line = 0, Lines = 0;
    std::string File;  // the record's file under way
  };
  TProgress ProgressNow() {
    std::lock_guard<std::mutex> guard(lock_);
    return {line_, lines_, file_};
  }

  const std::size_t Index;
  const TJobEntry Entry;
  // Set by the run's thread: an output of the entry could not take its name, and the rest is dropped.
  std::atomic<bool> Cancelled{false};
  // The work's own, read by the run's thread once the entry is done.
  TJobContext Context;
  TLogRecord Record;  // an export's record for the result log
  std::string CurrentSource;              // the record under way in a replay
  std::string Folder;                     // its folder in a game's tree, which names it in reports
  std::vector<std::string> CurrentFiles;  // files an error may name
  bool ReplayStopped = false;
  bool Failed = false;
  bool Named = false;  // the error names its file as it stands
  TFailure Failure;  // what the user is told, and of which file
  std::exception_ptr Error;

 private:
  void Add(TEntryReport report) {
    std::lock_guard<std::mutex> guard(lock_);
    reports_.push_back(std::move(report));
  }
  std::mutex lock_;
  std::vector<TEntryReport> reports_;
  std::size_t line_ = 0, lines_ = 0;
  std::string file_;
};

// Runs the entry's job to its end, keeping a failure in the entry rather than raising it; later entries
// may take their names once it returns.
void WorkEntry(const TRunInputs& inputs, TEntryRun& run);
// Replays one result log or project list: each record's edited image goes back into a rebuilt file.
void ReplayLog(const TRunInputs& inputs, TEntryRun& run, const std::string& logPath);
// The failure as the user is told of it, naming its file (the record's or the entry's when the error
// names none); named says whether the error named it itself.
TFailure EntryFailure(const TEntryRun& run, const std::exception& error, bool& named);
void KeepFailure(TEntryRun& run, const std::exception& error);

}  // namespace eit
