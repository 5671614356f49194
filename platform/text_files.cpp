// Text files of lines: reading them as people save them, writing them as UTF-8 with CR LF.
#include "platform/text_files.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/native.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace eit {

namespace {

struct TEncoding {
  int unit = 0;  // bytes per code unit: 2 or 4; 0 for text left as it is
  bool bigEndian = false;
  std::size_t mark = 0;  // bytes of the byte-order mark
  const char* Name() const {
    return unit == 2 ? (bigEndian ? "UTF-16 (big-endian)" : "UTF-16 (little-endian)")
                     : (bigEndian ? "UTF-32 (big-endian)" : "UTF-32 (little-endian)");
  }
};

TEncoding Sniff(const unsigned char* b, std::size_t n) {
  if (n >= 4 && b[0] == 0xFF && b[1] == 0xFE && b[2] == 0 && b[3] == 0) return {4, false, 4};
  if (n >= 4 && b[0] == 0 && b[1] == 0 && b[2] == 0xFE && b[3] == 0xFF) return {4, true, 4};
  if (n >= 2 && b[0] == 0xFF && b[1] == 0xFE) return {2, false, 2};
  if (n >= 2 && b[0] == 0xFE && b[1] == 0xFF) return {2, true, 2};
  // Without a mark: a log or list starts with a character below U+0100 ('#', a drive, a '/'), whose
  // zero bytes show the encoding.
  if (n >= 8 && b[0] != 0 && b[1] == 0 && b[2] == 0 && b[3] == 0 && b[5] == 0 && b[6] == 0) return {4, false, 0};
  if (n >= 8 && b[0] == 0 && b[1] == 0 && b[2] == 0 && b[3] != 0 && b[4] == 0 && b[5] == 0) return {4, true, 0};
  if (n >= 4 && b[0] != 0 && b[1] == 0 && b[2] != 0 && b[3] == 0) return {2, false, 0};
  if (n >= 4 && b[0] == 0 && b[1] != 0 && b[2] == 0 && b[3] != 0) return {2, true, 0};
  return {};
}

std::uint32_t UnitAt(const unsigned char* p, const TEncoding& e) {
  std::uint32_t v = 0;
  for (int k = 0; k < e.unit; ++k) v |= static_cast<std::uint32_t>(p[e.bigEndian ? e.unit - 1 - k : k]) << (8 * k);
  return v;
}

void AppendUtf8(std::string& out, std::uint32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

enum class TDecodeFault { CutShort, HalfCharacter, NoCharacter };

[[noreturn]] void RefuseDecoding(const std::string& path, const std::string& encoding, TDecodeFault fault, std::size_t at) {
  const char* what = fault == TDecodeFault::CutShort        ? EIT_SAYS("cut short in the middle of a character")
                     : fault == TDecodeFault::HalfCharacter ? EIT_SAYS("with half of a character")
                                                             : EIT_SAYS("with no character");
  throw Exception(Says(EIT_SAYS("%1 is %2 text, %3 at byte %4; save it as UTF-8 (or as %2 again, whole)"),
                       {path, encoding, Says(what), std::to_string(at)}),
                  path);
}

std::string Decoded(const unsigned char* b, std::size_t n, const TEncoding& e, const std::string& path) {
  const auto refuse = [&](std::size_t at, TDecodeFault fault) { RefuseDecoding(path, e.Name(), fault, at); };
  if ((n - e.mark) % static_cast<std::size_t>(e.unit) != 0) refuse(n, TDecodeFault::CutShort);
  std::string out;
  out.reserve(n / static_cast<std::size_t>(e.unit) + 16);
  for (std::size_t i = e.mark; i < n; i += static_cast<std::size_t>(e.unit)) {
    std::uint32_t c = UnitAt(b + i, e);
    const bool high = c >= 0xD800 && c < 0xDC00, low = c >= 0xDC00 && c < 0xE000;
    if (e.unit == 2 && high) {
      const std::uint32_t next = i + 4 <= n ? UnitAt(b + i + 2, e) : 0;
      if (next < 0xDC00 || next >= 0xE000) refuse(i, TDecodeFault::HalfCharacter);
      c = 0x10000 + ((c - 0xD800) << 10) + (next - 0xDC00);
      i += 2;
    } else if (low || c > 0x10FFFF) {
      refuse(i, TDecodeFault::NoCharacter);
    }
    AppendUtf8(out, c);
  }
  return out;
}

}  // namespace

std::string Utf8TextOf(const char* bytes, std::size_t size, const std::string& path) {
  const auto* b = reinterpret_cast<const unsigned char*>(bytes);
  const TEncoding encoding = Sniff(b, size);
  if (encoding.unit == 0) return std::string(bytes, size);
  return Decoded(b, size, encoding, path);
}

void CheckNoNul(const std::string& text, const std::string& path) {
  const std::size_t at = text.find('\0');
  if (at == std::string::npos) return;
  std::size_t line = 1;
  for (std::size_t i = 0; i < at; ++i)
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n'))) ++line;
  throw Exception(Says(EIT_SAYS("%1: line %2 holds a NUL byte, which no text file does: the file is damaged or not text"),
                       {path, std::to_string(line)}),
                  path);
}

std::vector<std::string> SplitLines(const char* text, std::size_t size) {
  std::vector<std::string> lines;
  std::size_t start = 0, i = 0;
  // Editors on Windows like to start UTF-8 text with a byte-order mark; it is not part of the first line.
  if (size >= 3 && std::memcmp(text, "\xEF\xBB\xBF", 3) == 0) start = i = 3;
  for (; i < size && text[i] != '\0'; ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.emplace_back(text + start, i - start);
    if (text[i] == '\r' && i + 1 < size && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (i > start) lines.emplace_back(text + start, i - start);
  return lines;
}

std::size_t Utf8SequenceAt(const char* text, std::size_t size) {
  if (size == 0) return 0;
  const auto* s = reinterpret_cast<const unsigned char*>(text);
  const unsigned char c = s[0];
  const std::size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
  if (n == 0 || n > size || (n == 2 && c < 0xC2)) return 0;
  for (std::size_t k = 1; k < n; ++k)
    if ((s[k] & 0xC0) != 0x80) return 0;
  return n;
}

bool IsValidUtf8(const char* text, std::size_t size) {
  for (std::size_t i = 0; i < size;) {
    const std::size_t n = Utf8SequenceAt(text + i, size - i);
    if (n == 0) return false;
    i += n;
  }
  return true;
}

std::vector<std::string> LoadLines(const std::string& path) {
  TMemoryStream bytes;
  bytes.LoadFromFile(path);
  const std::string text =
      Utf8TextOf(reinterpret_cast<const char*>(bytes.Memory()), static_cast<std::size_t>(bytes.Size()), path);
  CheckNoNul(text, path);
  return TextLines(text.data(), text.size());
}

std::vector<std::string> TextLines(const char* text, std::size_t size) {
#ifdef _WIN32
  // Logs and lists of earlier tools are in the user's ANSI code page; paths inside the program are UTF-8.
  if (size > 0 && size < 0x7FFFFFFF && !IsValidUtf8(text, size)) {
    const int n = MultiByteToWideChar(CP_ACP, 0, text, static_cast<int>(size), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, static_cast<int>(size), wide.data(), n);
    const std::string utf8 = Narrow(wide);
    return SplitLines(utf8.data(), utf8.size());
  }
#endif
  return SplitLines(text, size);
}

void WriteLines(TStream& destination, const std::vector<std::string>& lines) {
  TMemoryStream text;
  for (const std::string& line : lines) {
    text.WriteBuffer(line.data(), static_cast<std::int32_t>(line.size()));
    text.WriteBuffer("\r\n", 2);
  }
  text.SaveToStream(destination);
}

void SaveLines(const std::string& path, const std::vector<std::string>& lines) {
  TAtomicFile file(path);
  WriteLines(file.Stream(), lines);
  file.Commit();
}


}  // namespace eit
