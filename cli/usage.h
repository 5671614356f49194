// What eitool-cli says of itself: its usage, and each command's (shown by --help).
#pragma once

#include <string>

namespace eit::cli {

// The usage of a command ("" for all of them).
std::string UsageOf(const std::string& command);

}  // namespace eit::cli
