// Arbitrary text as a folder's result.log and as a run's records: the merge keeps every line that is no
// record's, adds every image the run wrote, and never grows past both together.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/result_log.h"
#include "engine/target_folder.h"
#include "platform/files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  // The first byte says where the old log ends and the run's records begin.
  const std::size_t cut = 1 + std::min<std::size_t>(size - 1, data[0] * (size - 1) / 255);
  const char* text = reinterpret_cast<const char*>(data);
  const auto oldLines = eit::SplitLines(text + 1, cut - 1);
  const auto newLines = eit::SplitLines(text + cut, size - cut);
  const auto merged = eit::MergeResultLog(oldLines, newLines);
  if (merged.size() > oldLines.size() + newLines.size()) __builtin_trap();
  const auto count = [&](const std::vector<std::string>& lines, const std::string& line) {
    return std::count(lines.begin(), lines.end(), line);
  };
  // The user's lines (comments, other tools' lines) all stay; format lines may go with their records.
  for (const std::string& line : oldLines) {
    const std::string token = eit::FirstToken(line);
    if (!eit::IsResultLogKeyword(token) && count(merged, line) < count(oldLines, line)) __builtin_trap();
  }
  // Every image line of the run is in the map.
  for (const std::string& line : newLines)
    if (eit::FirstToken(line) == eit::LogKeywords.Target && count(merged, line) == 0) __builtin_trap();
  return 0;
}
