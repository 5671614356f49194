// A small sample set made by the program itself, for trying extract, edit and insert without game files.
#pragma once

#include <string>
#include <vector>

namespace eit {

// Writes the samples into directory (which must exist); returns the paths written.
std::vector<std::string> WriteSamples(const std::string& directory);

}  // namespace eit
