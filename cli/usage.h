// What eitool-cli says of itself: its usage, and each command's (shown by --help, and with a usage error).
#pragma once

namespace eit::cli {

extern const char* const kUsage;
extern const char* const kExtractUsage;
extern const char* const kInsertUsage;
extern const char* const kSheetUsage;
extern const char* const kPreviewUsage;
extern const char* const kSamplesUsage;

}  // namespace eit::cli
