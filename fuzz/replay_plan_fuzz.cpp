// Arbitrary bytes as a result log: line splitting, record reading (the optional #New:, #Placeholders:,
// #Alike:, #Tree: and #Digest: lines too) and replay planning.
#include <cstddef>
#include <algorithm>
#include <cstdint>
#include <string>

#include "engine/result_log.h"
#include "platform/files.h"
#include "platform/paths.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto lines = eit::SplitLines(reinterpret_cast<const char*>(data), size);
  const auto steps = eit::PlanReplay(lines, "fuzz.log");
  std::size_t expected = 0;
  for (const eit::TReplayStep& step : steps) {
    // Every step starts where the one before said, and the plan moves forward.
    if (step.Line != expected || step.Next <= step.Line || step.Line >= lines.size()) __builtin_trap();
    if (step.IsRecord && step.Format != eit::TJobKind::Texture && step.Format != eit::TJobKind::FontSheet) __builtin_trap();
    if (step.IsRecord && step.Format == eit::TJobKind::FontSheet && step.Record.RangeError.English.empty() &&
        (step.Record.FirstCode < 0 || step.Record.EndCode < 0))
      __builtin_trap();
    // A "#New:" line is taken only in the range the insert can lay glyphs in; placeholders are byte codes.
    if (step.Record.RangeError.English.empty() && (step.Record.NewCode < eit::KeptCodeLimit || step.Record.NewCode > 0x100))
      __builtin_trap();
    for (const std::int32_t code : step.Record.Placeholders)
      if (code < 0 || code > 0xFF) __builtin_trap();
    for (const auto& [a, b] : step.Record.Alike)
      if (a < 0 || a > 0xFF || b < 0 || b > 0xFF) __builtin_trap();
    // A record's tree is a folder below the target: never absolute, never a drive, never "..". A name may
    // hold ':' or '\\' where the system allows it (an encoded tree line).
    const std::string& tree = step.Record.Tree;
    if (!tree.empty() && tree[0] == eit::PathDelim) __builtin_trap();
    if (eit::PathDelim == '\\' && tree.find(':') != std::string::npos) __builtin_trap();
    for (std::size_t at = 0; at <= tree.size();) {
      const std::size_t end = std::min(tree.find(eit::PathDelim, at), tree.size());
      if (tree.compare(at, end - at, "..") == 0 && end - at == 2) __builtin_trap();
      at = end + 1;
    }
    expected = step.Next;
  }
  if (!lines.empty() && expected < lines.size()) __builtin_trap();
  return 0;
}
