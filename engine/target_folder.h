// A target directory over several runs: the images an export would write over, and result.log as the
// folder's map, merged run after run.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/main.h"
#include "platform/files.h"

namespace eit {

// The images the export entries of request would write over in its target directory, named as the
// run names them, in entry order. Entries that cannot be read are passed over (the run reports them).
std::vector<std::string> ExistingImages(const TRunRequest& request);
// "N images in <dir> already exist and would be replaced: a.bmp, b.tga" (the first few names).
TText ExistingImagesText(const std::vector<std::string>& images, const std::string& targetDir);

// What an export run finds at <target>/result.log: nothing, a result log (its lines), or something
// else (Problem says what, naming the file).
struct TTargetLog {
  std::string Path;
  bool Exists = false;
  std::vector<std::string> Lines;  // a result log's lines
  TText Problem;                   // not a result log
};
TTargetLog ReadTargetLog(const std::string& targetDir);

// The folder's map after a run: the old log's lines in their order, then the run's records. An old
// record whose image the run wrote again stays where it is when the run wrote it from the same source
// (keeping the lines the user added to it) and goes otherwise; lines that are no record's (comments,
// lines of other tools) always stay. Takes time in proportion to the lines.
std::vector<std::string> MergeResultLog(const std::vector<std::string>& oldLines, const std::vector<std::string>& newLines);

// The folder's lock (result.log.lock), which an extract holds from its first check of the folder to the
// publishing of result.log: runs into one folder take turns, so that no image name is taken by two, and
// each adds its records to the log the other left. Waits (saying so) while another run holds it; null
// when stopped says to give up waiting. Raises EFCreateError when the folder cannot take a lock file.
std::unique_ptr<TFileLock> TakeFolderLock(const std::string& targetDir, TFrontEnd& frontEnd,
                                          const std::function<bool()>& stopped = {});
// Removes what runs killed outright left in the folders this run writes into (the target, and the folders
// of a game's tree below it): temporaries no living run claims. Returns their paths.
std::vector<std::string> RemoveLeftTemporaries(const std::string& targetDir, const std::vector<TJobEntry>& entries,
                                               const std::map<std::string, TLogPlan>& plans);

// Merges the run's records into <targetDir>/result.log and publishes it; the caller holds the folder's
// lock. A result.log that is not a result log is replaced only when replaceForeign; a directory never.
void PublishResultLog(const std::string& targetDir, const std::vector<std::string>& lines, bool replaceForeign);

}  // namespace eit
