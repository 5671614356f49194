// An entry's work: its inputs in, its outputs, reports, log lines and failure out. It runs on a worker of
// the run's pool and reaches neither the engine nor a front end.
#include <algorithm>
#include <new>

#include "engine/entry_run.h"
#include "engine/game_folder.h"
#include "engine/image_stamp.h"
#include "engine/result_log.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace eit {

namespace {

void Prepare(const TRunInputs& inputs, TEntryRun& run) {
  const TRunRequest& request = inputs.Request;
  // An insert mirrors the tree only for the records that say they came from one.
  run.Record.Format = run.Entry.Kind;
  run.Record.Tree = run.Entry.Folder;
  run.Record.Source = run.Entry.Path;
  run.CurrentFiles = {run.Entry.Path, FontTexturePath(run.Entry.Path)};
  run.Folder = run.Entry.Folder;
  TJobContext& context = run.Context;
  context.TargetDir = request.TargetDir;
  context.SubFolder = run.Entry.Folder;
  context.Record = &run.Record;
  context.Reporter = &run;
  context.Names = &inputs.Names;
  context.Entry = run.Index;
  context.SingleOutput = IsExportKind(run.Entry.Kind);
  context.Strict = request.Strict;
  context.ChangedOnly = request.ChangedOnly;
  context.Comparison = run.Entry.Comparison;
  context.NoReplace = request.ExistingImages != TRunRequest::TExisting::Replace;
  context.Engine = request.Engine;
  context.Images = request.Images;
  context.PictureThreads = inputs.PictureThreads;
}

void RunJob(const TRunInputs& inputs, TEntryRun& run) {
  // A result log line cannot hold a line break: such a name would come back split, and its record lost.
  if (IsExportKind(run.Entry.Kind) && run.Entry.Path.find_first_of("\r\n") != std::string::npos)
    throw Exception(Says(EIT_SAYS("%1: the name holds a line break, which a result log cannot record; rename the file "
                                  "before extracting it"), {run.Entry.Path}), run.Entry.Path);
  // The sources as read, for a later extract --update to tell what the game changed.
  if (IsExportKind(run.Entry.Kind))
    for (const std::string& source : SourcesOf(run.Entry.Kind, run.Entry.Path))
      if (FileExists(source)) run.Record.Origins.push_back(StampOfSource(source));
  switch (run.Entry.Kind) {
    case TJobKind::Texture:
      ExportTexture(run.Context, run.Entry.Path);
      break;
    case TJobKind::FontSheet:
      ExportFontSheet(run.Context, run.Entry.Path);
      break;
    case TJobKind::ReplayLog:
    case TJobKind::ProjectList:
      ReplayLog(inputs, run, run.Entry.Path);
      break;
    default:
      break;
  }
}

}  // namespace

void WorkEntry(const TRunInputs& inputs, TEntryRun& run) {
  try {
    Prepare(inputs, run);
    RunJob(inputs, run);
  } catch (const std::exception& e) {
    try {
      KeepFailure(run, e);
    } catch (...) {
      // No memory left to word it: the failure goes as raised.
      run.Failed = run.Named = true;
      run.Failure.Kind = TFailureKind::OutOfMemory;
      run.Error = std::current_exception();
    }
  } catch (...) {
    run.Failed = run.Named = true;
    run.Failure.Words = Says(EIT_SAYS("an unknown failure"));
    run.Failure.Text = run.Failure.Words.English;
    run.Error = std::current_exception();
  }
  // Whatever happened, later entries may take their names now.
  inputs.Names.Finish(run.Index);
}

TFailure EntryFailure(const TEntryRun& run, const std::exception& e, bool& named) {
  // Every message names a file it concerns; one that names none gets the record's source (in a
  // replay) or the entry put in front.
  TFailure failure = FailureOf(e);
  named = failure.Kind != TFailureKind::OutOfMemory &&
          std::any_of(run.CurrentFiles.begin(), run.CurrentFiles.end(), [&](const std::string& f) { return NamesFile(failure, f); });
  if (!named) {
    failure.File = run.CurrentSource.empty() ? run.Entry.Path : run.CurrentSource;
    failure.Line = 0;
    failure.Words = ErrorNamingFile(e, failure.File);
    failure.Text = failure.Words.English;
  }
  if (!run.Entry.List.empty()) {
    failure.Words = Says(EIT_SAYS("%1: line %2: %3"), {run.Entry.List, std::to_string(run.Entry.Line), WordsOf(failure)});
    failure.Text = failure.Words.English;
    failure.File = run.Entry.List;
    failure.Line = run.Entry.Line;
    named = false;  // raised with the list's name, not as it was
  }
  return failure;
}

void KeepFailure(TEntryRun& run, const std::exception& e) {
  run.Failed = true;
  run.Failure = EntryFailure(run, e, run.Named);
  run.Error = std::current_exception();
}

}  // namespace eit
