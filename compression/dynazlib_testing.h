// Hooks for tests only: the program itself always loads the platform's zlib.
#pragma once

#include <string>

namespace eit::zlib_testing {

// Releases the library so that the next use loads it again, from libraryName.
void ReloadFrom(const std::string& libraryName);
// The platform's zlib file name.
std::string DefaultLibraryName();
bool IsLoaded();

}  // namespace eit::zlib_testing
