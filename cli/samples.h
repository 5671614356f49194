// A small sample set made by the program itself, for trying extract, edit and insert without game files.
#pragma once

#include <string>
#include <vector>

#include "compression/pack_engine.h"

namespace eit {

// The names of the files WriteSamples writes, in its order.
const std::vector<std::string>& SampleFileNames();
// Writes the samples into directory (which must exist), packing with engine; returns the paths written.
std::vector<std::string> WriteSamples(const std::string& directory, TPackEngine engine);

}  // namespace eit
