// The boundary between the program's UTF-8 paths and the system's own form of them.
#pragma once

#include <filesystem>
#include <string>

namespace eit {

// A filesystem path from UTF-8 text, on every platform (a plain std::string would be read in the
// ANSI code page on Windows).
inline std::filesystem::path FsPath(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}
// The UTF-8 text of a filesystem path.
inline std::string Utf8(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

#ifdef _WIN32
std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& wide);
#endif


}  // namespace eit
