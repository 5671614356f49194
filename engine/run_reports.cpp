// What a run tells its front end as it goes: files written and skipped, warnings, and its counts.
#include <algorithm>

#include "engine/entry_run.h"
#include "engine/main.h"
#include "platform/paths.h"

namespace eit {

void TBatchEngine::ShowEntry(TEntryRun& run, bool streaming, std::exception_ptr& unpublished, std::size_t count) {
  BeginTurn(run, count);
  const TEntryRun::TProgress progress = run.ProgressNow();
  if (progress.Lines > 0) {
    frontEnd_.ShowProcessing(progress.File);
    // A log of one line would divide by zero: its bar stays at 0.
    const std::size_t last = progress.Lines - 1;
    frontEnd_.SetProgress(last > 0 ? static_cast<int>(std::min(progress.Line, last) * 100 / last) : 0);
  }
  if (streaming) ShowReports(run, run.TakeReports(), unpublished);
}

void TBatchEngine::ShowReports(TEntryRun& run, std::vector<TEntryReport> reports, std::exception_ptr& unpublished) {
  for (TEntryReport& r : reports) {
    // An output that cannot take its name ends the entry there; what the entry wrote after it is
    // dropped with its temporaries.
    if (unpublished) return;
    shownFolder_ = r.Folder;
    if (r.Kind == TEntryReport::Published) {
      try {
        r.Files.Publish();
      } catch (const std::exception&) {
        unpublished = std::current_exception();
        run.Cancelled = true;
      }
    } else if (r.Kind == TEntryReport::Written) {
      FileWritten(r.Source, r.Output, r.Bytes, r.What);
    } else if (r.Kind == TEntryReport::Skipped) {
      FileSkipped(r.Source, r.What);
    } else if (r.Kind == TEntryReport::Failed) {
      RecordFailed(run.Entry.Path, r.Failure);
    } else if (r.Kind == TEntryReport::Unedited) {
      Unedited(r.Source);
    } else {
      Warning(r.Source, r.What, r.WarningKind);
    }
  }
}

void TBatchEngine::FileWritten(const std::string& source, const std::string& output, std::int64_t bytes,
                               const std::string& what) {
  report_.TotalBytes += bytes;
  report_.Written.push_back(output);
  ++extractedCount_;
  frontEnd_.SetExtracted(extractedCount_);
  ShowResult(SourceName(source) + ": wrote " + output + " (" + what + ", " + std::to_string(bytes) + " bytes)",
             output);
  NoteWritten(source, output);
}

void TBatchEngine::Warning(const std::string& source, const std::string& text, const std::string& kind) {
  // A game's worth of one warning says nothing the first few did not.
  if (!kind.empty() && ++warningCounts_[kind] > kWarningsShown) return;
  const std::string line = SourceName(source) + ": warning: " + text;
  report_.Results.push_back(line);
  report_.Warnings.push_back(line);
  frontEnd_.AddWarning(line);
}


void TBatchEngine::ShowCounts() {
  if (report_.Unedited > 0)
    ShowResult(GroupedCount(report_.Unedited) + (report_.Unedited == 1 ? " image" : " images") +
               " unedited: not written");
  for (const auto& [kind, count] : warningCounts_) {
    if (count <= kWarningsShown) continue;
    const std::string line = "warning: " + GroupedCount(count - kWarningsShown) +
                             " more warnings like this, not repeated: " + kind;
    report_.Results.push_back(line);
    report_.Warnings.push_back(line);
    frontEnd_.AddWarning(line);
  }
}

std::string GroupedCount(std::int64_t n) {
  const std::string digits = std::to_string(n);
  std::string grouped;
  for (std::size_t k = 0; k < digits.size(); ++k) {
    const std::size_t left = digits.size() - k;  // digits from this one to the end
    if (k > 0 && left % 3 == 0 && digits[k - 1] != '-') grouped += ',';
    grouped += digits[k];
  }
  return grouped;
}

void TBatchEngine::FileSkipped(const std::string& source, const std::string& reason) {
  ShowResult(SourceName(source) + ": skipped: " + reason);
}

}  // namespace eit
