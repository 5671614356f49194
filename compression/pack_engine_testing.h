// Hooks for tests only: loading libdeflate from another name, to run as if it were missing.
#pragma once

#include <string>

namespace eit::libdeflate_testing {

// Forgets the library (it stays mapped: compressors of other threads may still use it); the next use
// tries libraryName.
void ReloadFrom(const std::string& libraryName);
std::string DefaultLibraryName();

}  // namespace eit::libdeflate_testing
