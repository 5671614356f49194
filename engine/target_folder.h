// A target directory over several runs: the images an export would write over, and result.log as the
// folder's map, merged run after run.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/main.h"

namespace eit {

// The images the export entries of request would write over in its target directory, named as the
// run names them, in entry order. Entries that cannot be read are passed over (the run reports them).
std::vector<std::string> ExistingImages(const TRunRequest& request);
// "N images in <dir> already exist and would be replaced: a.bmp, b.tga" (the first few names).
std::string ExistingImagesText(const std::vector<std::string>& images, const std::string& targetDir);

// What an export run finds at <target>/result.log: nothing, a result log (its lines), or something
// else (Problem says what, naming the file).
struct TTargetLog {
  std::string Path;
  bool Exists = false;
  std::vector<std::string> Lines;  // a result log's lines
  std::string Problem;             // not a result log
};
TTargetLog ReadTargetLog(const std::string& targetDir);

// The folder's map after a run: the old log's records in their order, except those whose image the run
// wrote again, then the run's records. Lines before the old log's first record stay at the top.
std::vector<std::string> MergeResultLog(const std::vector<std::string>& oldLines, const std::vector<std::string>& newLines,
                                        const std::vector<std::string>& written);

}  // namespace eit
