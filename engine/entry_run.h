// One entry of a run under way: what the batch engine's files share, not for other folders.
#pragma once

#include <exception>
#include <string>
#include <vector>

#include "engine/main.h"

namespace eit {

struct TBatchEngine::TEntryRun : TJobReporter {
  struct Report {
    enum { Written, Skipped, Warned, Published, Failed, Unedited } Kind;
    std::string Source, Output, What;
    std::int64_t Bytes;
    TFinishedOutput Files;  // Published: what takes its name at this point of the entry
    std::string WarningKind = {};
    std::string Folder = {};  // the source's folder in a game's tree, which names it
  };

  TEntryRun(TBatchEngine& engine, std::size_t index, const TJobEntry& entry, bool direct)
      : Engine(engine), Index(index), Entry(entry), Direct(direct) {}

  void FileWritten(const std::string& source, const std::string& output, std::int64_t bytes,
                   const std::string& what) override {
    if (Direct)
      Engine.FileWritten(source, output, bytes, what);
    else
      Reports.push_back({Report::Written, source, output, what, bytes, {}, {}, Folder});
  }
  void FileSkipped(const std::string& source, const std::string& reason) override {
    if (Direct)
      Engine.FileSkipped(source, reason);
    else
      Reports.push_back({Report::Skipped, source, "", reason, 0, {}, {}, Folder});
  }
  void Warning(const std::string& source, const std::string& text, const std::string& kind = "") override {
    if (Direct)
      Engine.Warning(source, text, kind);
    else
      Reports.push_back({Report::Warned, source, "", text, 0, {}, kind, Folder});
  }
  void Unedited(const std::string& source) override {
    if (Direct)
      Engine.Unedited(source);
    else
      Reports.push_back({Report::Unedited, source, "", "", 0, {}});
  }
  // A record of a log failed and the log goes on (keep-going runs).
  void RecordFailed(const std::string& message) {
    if (Direct)
      Engine.RecordFailed(Entry.Path, message);
    else
      Reports.push_back({Report::Failed, "", "", message, 0, {}});
  }
  // Every earlier entry is done when one worker runs the entries; several wait for the entry's turn.
  void Publish(TFinishedOutput output) override {
    if (Direct)
      output.Publish();
    else
      Reports.push_back({Report::Published, "", "", "", 0, std::move(output)});
  }

  TBatchEngine& Engine;
  std::size_t Index;
  TJobEntry Entry;
  // One worker: reports and progress go straight to the front end, on the calling thread. Several:
  // they wait here until the entry's turn to be shown.
  bool Direct;
  TJobContext Context;
  std::vector<std::string> Log;  // the entry's result log lines
  std::vector<Report> Reports;
  std::string CurrentSource;              // the record under way in a replay
  std::string Folder;                     // its folder in a game's tree, which names it in reports
  std::vector<std::string> CurrentFiles;  // files an error may name
  bool ReplayStopped = false;
  bool Failed = false;
  bool Named = false;  // the error names its file as it stands
  bool OutOfMemory = false;
  std::string Message;
  std::exception_ptr Error;
};

}  // namespace eit
