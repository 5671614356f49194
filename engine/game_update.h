// extract --update: a game extracted again into the folder of its first extract, after the game changed.
// Only what the game changed is extracted again, and never over an image the user edited.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "engine/main.h"

namespace eit {

struct TUpdatePlan {
  // What to run, in the order given: sources new to the log, changed ones whose image is still as
  // extracted (it is replaced), and the comparisons below.
  std::vector<TJobEntry> Run;
  std::vector<TJobEntry> Added;  // the new sources alone, whose images must not exist yet
  // Changed sources under an edited image: their new picture is written beside it, for comparison.
  std::vector<TJobEntry> Compare;
  std::vector<std::string> EditedImages;  // the edited images of Compare, in its order
  std::vector<std::string> Removed;       // sources the log names under what was given, gone from the game
  std::size_t New = 0, Changed = 0, Unchanged = 0;
  // Records of logs of earlier versions, which do not say what their source was: unedited images are
  // extracted again, edited ones kept.
  std::size_t Unknown = 0;
};

// What an update of the entries (walked from given, files and folders) into the folder whose result.log
// lines are logLines does. Reads every source; decodes nothing.
TUpdatePlan PlanUpdate(const std::vector<TJobEntry>& entries, const std::vector<std::string>& given,
                       const std::vector<std::string>& logLines);

// Makes request (its entries walked from given, into its TargetDir) the update's run: only what the plan
// runs, its images replaced. Raises when the folder holds no result.log, or when an image of a source new
// to the log exists there already (it is not replaced). Returns the plan, for UpdateReport.
TUpdatePlan PrepareUpdate(TRunRequest& request, const std::vector<std::string>& given);
// What an update did besides the files it wrote: edits kept beside their sources' new pictures, sources
// gone, and the counts, a line each.
std::vector<std::string> UpdateReport(const TUpdatePlan& plan);

// For an insert: an edit made before the game changed its source (an update) is of the old picture.
std::optional<TText> StaleEditWarning(const TImportRecord& record, TJobKind format);

// The name a changed source's new picture takes beside its edited image: "stone.updated.bmp".
std::string ComparisonName(const std::string& imageName);

}  // namespace eit
