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
    } else if (r.Kind == TEntryReport::Failed) {
      RecordFailed(run.Entry.Path, r.Failure);
    } else if (r.Kind == TEntryReport::Unedited) {
      Unedited(r.Line.Source);
    } else if (r.Line.Kind == TResultLine::TKind::Written) {
      FileWritten(std::move(r.Line));
    } else if (r.Line.Kind == TResultLine::TKind::Warning) {
      Warning(std::move(r.Line), r.Family);
    } else {
      ShowResult(std::move(r.Line));
    }
  }
}

void TBatchEngine::FileWritten(TResultLine line) {
  report_.TotalBytes += line.Count;
  report_.Written.push_back(line.Path);
  ++extractedCount_;
  frontEnd_.SetExtracted(extractedCount_);
  const std::string source = line.Source, output = line.Path;
  ShowResult(std::move(line));
  NoteWritten(source, output);
}

void TBatchEngine::Warning(TResultLine line, const std::string& family) {
  // A game's worth of one warning says nothing the first few did not.
  if (!family.empty()) {
    TWarningCount& counted = warningCounts_[family];
    counted.Edit = line.Edit;
    if (++counted.Count > kWarningsShown) return;
  }
  ShowResult(std::move(line));
}

void TBatchEngine::ShowCounts() {
  if (report_.Unedited > 0) ShowResult({TResultLine::TKind::Unedited, "", "", "", report_.Unedited});
  for (const auto& [family, counted] : warningCounts_) {
    if (counted.Count <= kWarningsShown) continue;
    TResultLine line{TResultLine::TKind::MoreWarnings, "", "", family, counted.Count - kWarningsShown};
    line.Edit = counted.Edit;
    ShowResult(std::move(line));
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

}  // namespace eit
