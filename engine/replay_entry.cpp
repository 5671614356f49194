// An insert's entry: a result log replayed record by record, each edited image back into a rebuilt file.
#include <algorithm>
#include <memory>
#include <optional>

#include "engine/entry_run.h"
#include "engine/game_folder.h"
#include "engine/game_update.h"
#include "engine/image_stamp.h"
#include "engine/result_log.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace eit {

namespace {

// A log moved with its folder still names the images where they were; the ones beside it, which the
// user may have edited since, would be passed over without a word.
std::optional<TText> MovedLogWarning(const std::string& logPath, const std::string& imagePath,
                                           const std::string& tree) {
  const std::string beside = ImageBesideLog(logPath, imagePath, tree);
  const std::string named = AbsolutePath(imagePath);
  if (ExtractFileDir(named) == ExtractFileDir(beside) || !FileExists(beside) || SameFile(beside, named))
    return std::nullopt;
  return Says(EIT_SAYS("this log names %1; the image beside it, %2, is not used"), {named, beside});
}

TText NoRecord(const std::string& logPath, bool empty) {
  return Says(empty ? EIT_SAYS("%1 is empty: a record is a \"%2\" or \"%3\" line, then \"%4\" and \"%5\" lines, as an "
                               "extract writes them")
                    : EIT_SAYS("%1 holds no record: a record is a \"%2\" or \"%3\" line, then \"%4\" and \"%5\" lines, as "
                               "an extract writes them"),
              {logPath, FormatLine(TJobKind::Texture), FormatLine(TJobKind::FontSheet), LogKeywords.Source,
               LogKeywords.Target});
}

std::string LineOf(const TReplayStep& step) { return std::to_string(step.Line + 2); }

// The record's image as this run takes it, after the checks that pass over or refuse it; nothing when
// the image is unedited and passed over.
std::optional<std::string> ImageToInsert(const TRunInputs& inputs, TEntryRun& run, const std::string& logPath,
                                         const TReplayStep& step) {
  const TImportRecord& record = step.Record;
  const TRunRequest& request = inputs.Request;
  std::string image = record.ImagePath;
  if (request.ImagesBesideLog) image = ImageBesideLog(logPath, record.ImagePath, record.Tree);
  // Said whether or not the record is rebuilt: the image beside the log may be the one the user edited.
  if (!request.ImagesBesideLog)
    if (const auto warning = MovedLogWarning(logPath, image, record.Tree)) run.Warning(record.SourcePath, *warning);
  // A texture's image that still holds what the extract wrote needs no rebuild, nor a decode to tell. A
  // font's sheet is always read: what was drawn outside its glyphs' boxes is worth a warning.
  if (request.ChangedOnly && step.Format == TJobKind::Texture && record.Digest &&
      StillAsStamped(image, *record.Digest)) {
    run.Unedited(record.SourcePath);
    return std::nullopt;
  }
  if (const auto stale = StaleEditWarning(record, step.Format))
    run.Warning(record.SourcePath, *stale, EIT_SAYS("an edit older than its source"));
  if (DirectoryExists(image))
    throw Exception(Says(EIT_SAYS("%1: line %2: the edited image of %3, %4, is a folder, not an image file"),
                         {logPath, LineOf(step), record.SourcePath, image}),
                    logPath);
  return image;
}

void ReplayRecord(const TRunInputs& inputs, TEntryRun& run, const std::string& logPath, const TReplayStep& step) {
  TImportRecord record = step.Record;
  // A record whose image line is cut off or empty cannot be replayed: skipping it would hide the fault.
  if (FirstToken(record.ImagePath).empty())
    throw Exception(Says(EIT_SAYS("%1: line %2: the record of %3 names no edited image (a \"%4\" or \"%5\" line)"),
                         {logPath, LineOf(step), record.SourcePath, TargetLine(true, "<path>"), TargetLine(false, "<path>")}),
                    logPath);
  if (!record.TreeError.English.empty()) throw Exception(record.TreeError, record.Log);
  run.Folder = record.Tree;
  const std::optional<std::string> image = ImageToInsert(inputs, run, logPath, step);
  if (!image) return;
  record.ImagePath = *image;
  if (inputs.Request.ImagesBesideLog && !record.TablePath.empty())
    record.TablePath = ImageBesideLog(logPath, record.TablePath, record.Tree);
  run.CurrentFiles = {logPath, record.SourcePath, record.ImagePath, FontTexturePath(record.SourcePath)};
  // Sources are opened for reading only; outputs are checked against them before creation.
  std::unique_ptr<TFileStream> source;
  if (FileExists(record.SourcePath)) source = std::make_unique<TFileStream>(record.SourcePath, FileMode::OpenRead);
  record.Source = source.get();
  // A record a folder extract wrote puts its rebuilt file in its folder below the target: the mod mirrors
  // the game. Every other record goes to the target itself, wherever its image lies.
  record.OutputPath = JoinPath(FolderUnder(inputs.Request.TargetDir, record.Tree), ExtractFileName(record.SourcePath));
  if (step.Format == TJobKind::Texture) {
    ImportTexture(run.Context, record);
  } else {
    source.reset();  // the font import works from the paths
    record.Source = nullptr;
    ImportFontSheet(run.Context, record);
  }
}

// A failed record is named and the log goes on (keep-going runs); memory that runs out beside other
// workers is the run's to handle (it runs the entry again, alone).
void ReplayOrFail(const TRunInputs& inputs, TEntryRun& run, const std::string& logPath, const TReplayStep& step) {
  if (!inputs.Request.KeepGoing) return ReplayRecord(inputs, run, logPath, step);
  try {
    ReplayRecord(inputs, run, logPath, step);
  } catch (const std::exception& e) {
    if (IsOutOfMemory(e) && !inputs.Alone) throw;
    bool named = false;
    run.RecordFailed(EntryFailure(run, e, named));
  }
}

}  // namespace

void ReplayLog(const TRunInputs& inputs, TEntryRun& run, const std::string& logPath) {
  // Planned once, before the run wrote anything (a log that could not be read then is read now, and says why).
  const auto planned = inputs.Plans.find(logPath);
  TLogPlan read;
  if (planned == inputs.Plans.end()) {
    const std::vector<std::string> lines = LoadLines(logPath);
    read = {lines.size(), PlanReplay(lines, logPath)};
  }
  const TLogPlan& plan = planned == inputs.Plans.end() ? read : planned->second;
  const std::vector<TReplayStep>& steps = plan.Steps;
  // An insert that did nothing must not read as one that succeeded.
  if (std::none_of(steps.begin(), steps.end(), [](const TReplayStep& s) { return s.IsRecord; }))
    throw Exception(NoRecord(logPath, plan.LineCount == 0), logPath);
  const std::size_t n = plan.LineCount;
  for (const TReplayStep& step : steps) {
    if (!step.Record.SourcePath.empty()) run.CurrentSource = step.Record.SourcePath;
    const std::string& shown = run.CurrentSource.empty() ? logPath : run.CurrentSource;
    run.Progress(step.Line, n, ExtractFileName(shown));
    if (step.IsRecord) ReplayOrFail(inputs, run, logPath, step);
    if (run.Cancelled) return;
    if (inputs.Stop != 0) {
      run.ReplayStopped = step.Next < n;
      return;
    }
  }
}

}  // namespace eit
