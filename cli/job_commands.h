// eitool-cli extract and insert.
#pragma once

#include <string>
#include <vector>

#include "cli/command_line.h"
#include "compression/pack_engine.h"

namespace eit::cli {

// extract (textures and font tables, folders) or insert (logs, lists): -o DIR and the options, then the
// files. Returns the exit status; raises UsageError for a command line that is not one.
int RunJobs(const TCommandLine& line);

}  // namespace eit::cli
