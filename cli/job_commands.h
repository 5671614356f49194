// eitool-cli extract and insert.
#pragma once

#include <string>
#include <vector>

#include "compression/pack_engine.h"

namespace eit::cli {

// extract (textures and font tables, folders) or insert (logs, lists): -o DIR and the options, then the
// files. Returns the exit status; raises UsageError for a command line that is not one.
int RunJobs(bool extract, const std::vector<std::string>& args, TPackEngine engine);

}  // namespace eit::cli
