// The results pane as Rich Text Format.
#pragma once

#include <string>
#include <vector>

namespace eit {

// One paragraph per line. Lines are UTF-8; characters outside ASCII become \uN escapes (with "?"
// for readers that do not know them), and the RTF control characters are escaped.
std::string RtfDocument(const std::vector<std::string>& lines);

}  // namespace eit
