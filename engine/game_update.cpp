#include "engine/game_update.h"

#include <algorithm>
#include <map>

#include "engine/image_stamp.h"
#include "engine/result_log.h"
#include "engine/target_folder.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace eit {

namespace {

bool SourcesChanged(const TJobEntry& entry, const std::vector<TImageStamp>& origins) {
  const std::vector<std::string> sources = SourcesOf(entry.Kind, entry.Path);
  if (origins.size() != sources.size()) return true;
  for (std::size_t k = 0; k < sources.size(); ++k)
    if (!StillAsStamped(sources[k], origins[k])) return true;
  return false;
}

// Whether a path lies at or under one of the files and folders given.
bool UnderGiven(const std::string& path, const std::vector<std::string>& given) {
  return std::any_of(given.begin(), given.end(), [&](const std::string& g) {
    const std::string root = AbsolutePath(g);
    return path == root || path.rfind(JoinPath(root, ""), 0) == 0;
  });
}

}  // namespace

std::optional<TText> StaleEditWarning(const TImportRecord& record, TJobKind format) {
  if (record.Origins.empty()) return std::nullopt;
  const TJobEntry entry{format, record.SourcePath};
  if (!SourcesChanged(entry, record.Origins)) return std::nullopt;
  const auto image = FileSizeAndTime(record.ImagePath);
  std::int64_t updated = 0;
  for (const std::string& source : SourcesOf(format, record.SourcePath))
    if (const auto now = FileSizeAndTime(source)) updated = std::max(updated, now->Change != 0 ? now->Change : now->Time);
  if (!image || image->Time >= updated) return std::nullopt;  // redone since, on the new picture
  return Says(EIT_SAYS("the game changed %1 after this image was made (an update?): the edit is of its old picture; an "
                       "update of the extract writes the new one beside it"), {record.SourcePath});
}

std::string ComparisonName(const std::string& imageName) {
  return ChangeFileExt(imageName, ".updated" + ExtractFileExt(imageName));
}

TUpdatePlan PlanUpdate(const std::vector<TJobEntry>& entries, const std::vector<std::string>& given,
                       const std::vector<std::string>& logLines) {
  std::map<std::string, TImportRecord> records;  // by source, as the log names it
  for (const TReplayStep& step : PlanReplay(logLines, "result.log"))
    if (step.IsRecord) records[AbsolutePath(step.Record.SourcePath)] = step.Record;
  TUpdatePlan plan;
  for (const TJobEntry& entry : entries) {
    const auto found = records.find(AbsolutePath(entry.Path));
    if (found == records.end()) {
      plan.Added.push_back(entry), plan.Run.push_back(entry), ++plan.New;
      continue;
    }
    const TImportRecord record = std::move(found->second);
    records.erase(found);  // what stays is what the game no longer has
    const bool unedited =
        !FileExists(record.ImagePath) || (record.Digest && StillAsStamped(record.ImagePath, *record.Digest));
    if (record.Origins.empty()) {
      ++plan.Unknown;
      if (unedited) plan.Run.push_back(entry);
    } else if (!SourcesChanged(entry, record.Origins)) {
      ++plan.Unchanged;
    } else if (unedited) {
      plan.Run.push_back(entry), ++plan.Changed;
    } else {
      TJobEntry compare = entry;
      compare.Comparison = true;
      plan.Compare.push_back(compare), plan.Run.push_back(compare), ++plan.Changed;
      plan.EditedImages.push_back(record.ImagePath);
    }
  }
  // What the log still names, under what was given, the game no longer has.
  for (const auto& [source, record] : records)
    if (!FileExists(source) && UnderGiven(source, given)) plan.Removed.push_back(record.SourcePath);
  return plan;
}

TUpdatePlan PrepareUpdate(TRunRequest& request, const std::vector<std::string>& given) {
  const TTargetLog log = ReadTargetLog(request.TargetDir);
  if (!log.Problem.English.empty()) throw Exception(log.Problem, log.Path);
  if (!log.Exists)
    throw Exception(Says(EIT_SAYS("%1 does not exist: an update extracts a game again into the folder of its first "
                                  "extract, which holds its result.log"), {log.Path}), log.Path);
  TUpdatePlan plan = PlanUpdate(request.Entries, given, log.Lines);
  TRunRequest added = request;
  added.Entries = plan.Added;
  const std::vector<std::string> existing = ExistingImages(added);
  if (!existing.empty())
    throw Exception(Says(EIT_SAYS("%1 but are not in its result.log; move them away, or extract without updating"),
                         {ExistingImagesText(existing, request.TargetDir)}));
  request.Entries = plan.Run;
  request.ExistingImages = TRunRequest::TExisting::Replace;
  return plan;
}

std::vector<std::string> UpdateReport(const TUpdatePlan& plan) {
  const auto count = [](std::size_t n) { return GroupedCount(static_cast<std::int64_t>(n)); };
  std::vector<std::string> lines;
  for (const std::string& image : plan.EditedImages)
    lines.push_back(image + ": edited, and the game changed its source: kept; the new picture is " +
                    ComparisonName(image) + ", beside it");
  for (const std::string& source : plan.Removed)
    lines.push_back(source + ": no longer in the game (its record and image stay)");
  lines.push_back("update: " + count(plan.New) + " new, " + count(plan.Changed) + " changed (" +
                  count(plan.Compare.size()) + " of them edited: kept), " + count(plan.Unchanged) + " unchanged, " +
                  count(plan.Removed.size()) + " removed");
  if (plan.Unknown > 0)
    lines.push_back(count(plan.Unknown) + (plan.Unknown == 1 ? " record" : " records") +
                    " of an earlier version, without their sources' digests: their unedited images were extracted "
                    "again, their edited ones kept");
  return lines;
}

}  // namespace eit
