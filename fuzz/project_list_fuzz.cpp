// Arbitrary bytes as a project list.
#include <cstddef>
#include <cstdint>

#include "engine/result_log.h"
#include "platform/files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto lines = eit::SplitLines(reinterpret_cast<const char*>(data), size);
  const auto entries = eit::ProjectListEntries(lines);
  if (entries.size() > lines.size()) __builtin_trap();
  for (const std::string& entry : entries) {
    if (eit::FirstToken(entry).empty()) __builtin_trap();  // no blank entries
    if (entry.find_first_of("\r\n") != std::string::npos) __builtin_trap();
  }
  return 0;
}
