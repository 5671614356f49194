// What eitool-cli says of itself: its usage, and each command's (shown by --help, and with a usage error).
#pragma once

#include <string>

namespace eit::cli {

// A command line that is not one: the message, and the usage shown with it.
struct UsageError {
  std::string message;
  const char* usage = nullptr;  // the command's own, shown with the message; null: the whole usage
};

// Options come before "--"; everything after it is a file, even when it starts with "-".
bool IsOption(const std::string& arg, bool& optionsEnded);

extern const char* const kUsage;
extern const char* const kExtractUsage;
extern const char* const kInsertUsage;
extern const char* const kSheetUsage;
extern const char* const kPreviewUsage;
extern const char* const kSamplesUsage;

}  // namespace eit::cli
