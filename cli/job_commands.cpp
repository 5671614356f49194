// eitool-cli extract and insert: the command line read into a run of the batch engine.
#include "cli/job_commands.h"

#include <cstdio>
#include <cstdlib>
#include <optional>

#include "cli/terminal.h"
#include "cli/command_line.h"
#include "engine/game_folder.h"
#include "engine/game_update.h"
#include "engine/main.h"
#include "engine/result_log.h"
#include "engine/target_folder.h"
#include "platform/console.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace eit::cli {

namespace {

// "5,050", as every count reads.
std::string Count(std::size_t n) { return eit::GroupedCount(static_cast<std::int64_t>(n)); }

// Logs name their files by absolute paths, so they replay from any working directory.
std::string Absolute(const std::string& path) { return eit::AbsolutePath(path); }

// What the folders given whole held besides their entries, for the summary.
struct TWalked {
  std::size_t otherFiles = 0, links = 0;
  std::vector<std::string> unreadable;
};

void AddEntry(bool extract, const std::string& a, std::vector<eit::TJobEntry>& entries, TWalked& walked) {
  const std::string ext = eit::ExtractFileExtLower(a);
  if (extract && eit::DirectoryExists(a)) {
    // A game's folder: everything under it, the tree kept.
    const eit::TFolderWalk walk = eit::WalkGameFolder(Absolute(a), [&](std::size_t seen) {
      std::fprintf(stderr, "looking through %s: %s files so far\n", eit::Printable(a).c_str(), Count(seen).c_str());
    });
    eit::CheckSomethingToExtract(a, walk);
    entries.insert(entries.end(), walk.Entries.begin(), walk.Entries.end());
    walked.otherFiles += walk.OtherFiles;
    walked.links += walk.Links;
    walked.unreadable.insert(walked.unreadable.end(), walk.Unreadable.begin(), walk.Unreadable.end());
  } else if (extract && (ext == ".dds" || ext == ".tdt")) {
    entries.push_back({ext == ".dds" ? eit::TJobKind::Texture : eit::TJobKind::FontSheet, Absolute(a)});
  } else if (!extract && ext == ".log") {
    entries.push_back({eit::TJobKind::ReplayLog, Absolute(a)});
  } else if (!extract && ext == ".lst") {
    // Lines stay as written: relative ones are taken from the target directory, as in the window.
    const auto listed = eit::NumberedListEntries(eit::LoadLines(a));
    if (listed.empty()) throw eit::Exception(a + " lists no result log: a project list holds one log's path a line");
    for (const auto& [line, entry] : listed) entries.push_back({eit::TJobKind::ProjectList, entry, Absolute(a), line});
  } else if (!eit::FileExists(a) && !eit::DirectoryExists(a)) {
    throw eit::Exception(a + ": no such file or folder");
  } else {
    throw UsageError{a + (extract ? " is neither a texture (.dds) nor a font table (.tdt)"
                                  : " is neither a result log (.log) nor a project list (.lst)"),
                     extract ? "extract" : "insert"};
  }
}

// An extract into a folder that holds images from an earlier run replaces none of them unasked: the
// user may have painted on them. Nothing is written when it refuses.
void CheckSecondRun(eit::TRunRequest& request, bool overwrite, bool keepBoth) {
  using TExisting = eit::TRunRequest::TExisting;
  request.ExistingImages = keepBoth ? TExisting::KeepBoth : overwrite ? TExisting::Replace : TExisting::Refuse;
  request.ReplaceForeignLog = overwrite;
  const eit::TTargetLog log = eit::ReadTargetLog(request.TargetDir);
  if (!log.Problem.English.empty() && !overwrite) throw eit::Exception(log.Problem.English + "; give --overwrite to replace it");
  if (overwrite || keepBoth) return;
  const std::vector<std::string> existing = eit::ExistingImages(request);
  if (!existing.empty())
    throw eit::Exception(eit::ExistingImagesText(existing, request.TargetDir).English +
                         "; give --overwrite to replace them, or --keep-both to keep them and give the new images "
                         "other names");
}

// The run an extract or insert command line asks for.
eit::TRunRequest RequestOf(bool extract, const TCommandLine& line, TWalked& walked) {
  const TJobOptions& o = line.job;
  eit::TRunRequest request;
  for (const std::string& file : line.files) AddEntry(extract, file, request.Entries, walked);
  request.KeepGoing = o.keepGoing;
  request.Strict = o.strict;
  request.ImagesBesideLog = o.here;
  request.ChangedOnly = o.changedOnly;
  request.Engine = line.zlib ? eit::TPackEngine::Zlib : eit::TPackEngine::Fastest;
  request.Images = o.images;
  request.Workers = o.jobs;
  if (o.output.empty()) throw UsageError{"no target directory: give -o DIR", line.command};
  return request;
}

// What the folders given whole held besides their entries. A folder that cannot be read is a failure like
// a file that cannot: before anything is written, unless the run is to go on past failures.
void ReportWalk(const TWalked& walked, bool keepGoing) {
  if (!walked.unreadable.empty() && !keepGoing) throw eit::Exception(walked.unreadable.front());
  for (const std::string& u : walked.unreadable) std::fprintf(stderr, "eitool-cli: %s\n", eit::Printable(u).c_str());
  if (walked.otherFiles > 0)
    std::fprintf(stderr, "%s other %s passed over\n", Count(walked.otherFiles).c_str(), walked.otherFiles == 1 ? "file" : "files");
  if (walked.links > 0)
    std::fprintf(stderr, "%s symbolic %s not followed\n", Count(walked.links).c_str(), walked.links == 1 ? "link" : "links");
}

}  // namespace

int RunJobs(const TCommandLine& line) {
  const bool extract = line.command == "extract";
  const TJobOptions& o = line.job;
  TWalked walked;
  eit::TRunRequest request = RequestOf(extract, line, walked);
  ReportWalk(walked, request.KeepGoing);
  if (request.Entries.empty() && walked.unreadable.empty()) throw UsageError{"no files given", line.command};

  eit::TConsole console;
  eit::TBatchEngine batch(console);
  request.TargetDir = Absolute(o.output);
  std::optional<eit::TUpdatePlan> plan;
  if (o.update)
    plan = eit::PrepareUpdate(request, line.files);
  else if (extract)
    CheckSecondRun(request, o.overwrite, o.keepBoth);
  // The working directory during a run is the target directory, in both front ends.
  eit::TMadeDirectories made;
  made.Enter(o.output);
  const eit::TRunReport report = request.Entries.empty() ? eit::TRunReport{} : batch.Run(request);
  if (plan)
    for (const std::string& text : eit::UpdateReport(*plan)) std::printf("%s\n", eit::Printable(text).c_str());
  const auto failed = static_cast<std::size_t>(report.FailedEntries) + walked.unreadable.size();
  if (failed > 0) {
    std::fprintf(stderr, "eitool-cli: %s failed (named above); %s %s written\n", Count(failed).c_str(),
                 Count(report.Written.size()).c_str(),
                 report.Written.size() == 1 ? "file" : "files");
    return 1;
  }
  made.Keep();
  return 0;
}

}  // namespace eit::cli
