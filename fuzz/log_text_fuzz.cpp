// Arbitrary bytes as a log's text and its tree lines: decoded or refused, never read past, and every tree
// folder read back stays below the target.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/result_log.h"
#include "platform/errors.h"
#include "platform/paths.h"
#include "platform/text_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string text;
  try {
    text = eit::Utf8TextOf(reinterpret_cast<const char*>(data), size, "fuzz.log");
    eit::CheckNoNul(text, "fuzz.log");
  } catch (const eit::Exception&) {
    return 0;
  }
  for (const std::string& line : eit::SplitLines(text.data(), text.size())) {
    eit::TText error;
    const std::string folder = eit::TreeFolderOf(std::string(eit::kTreeKeyword) + " " + line, error);
    if (!error.English.empty()) continue;
    if (!folder.empty() && (folder[0] == eit::PathDelim || folder == ".." ||
                            folder.find(std::string("..") + eit::PathDelim) == 0))
      __builtin_trap();  // leads out of the target
    // What an extract writes for a folder reads back as that folder.
    eit::TText again;
    if (eit::TreeFolderOf(eit::TreeLine(folder), again) != folder || !again.English.empty()) __builtin_trap();
  }
  return 0;
}
