// Logs and lists as editors save them: every encoding Notepad offers reads as the same lines, and what
// cannot be read whole is refused naming the file, its encoding or the line.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/text_files.h"
#include "support/test_data.h"

namespace eit {
namespace {

const std::u32string kText = U"#Format: DDS\r\n#Source: C:\\игры\\камень.dds\r\n#Target BMP: D:\\𝄞 art\\a.bmp\r\n";

std::string Encoded(const std::u32string& text, int unit, bool bigEndian, bool mark) {
  std::u32string all = mark ? U"\uFEFF" + text : text;
  std::string out;
  const auto put = [&](std::uint32_t v) {
    for (int k = 0; k < unit; ++k) out += static_cast<char>(v >> (8 * (bigEndian ? unit - 1 - k : k)));
  };
  for (const char32_t c : all) {
    if (unit == 2 && c >= 0x10000) {
      put(0xD800 + ((c - 0x10000) >> 10));
      put(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      put(static_cast<std::uint32_t>(c));
    }
  }
  return out;
}

void Write(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::vector<std::string> Read(const testing::TempDir& dir, const std::string& bytes) {
  const std::string path = dir.File("in.log");
  Write(path, bytes);
  return LoadLines(path);
}

TEST(TextFiles, EveryUnicodeEncodingReadsAsTheSameLines) {
  testing::TempDir dir;
  const std::vector<std::string> expected = {"#Format: DDS", "#Source: C:\\игры\\камень.dds", "#Target BMP: D:\\𝄞 art\\a.bmp"};
  EXPECT_EQ(Read(dir, "#Format: DDS\r\n#Source: C:\\игры\\камень.dds\r\n#Target BMP: D:\\𝄞 art\\a.bmp\r\n"), expected);
  EXPECT_EQ(Read(dir, "\xEF\xBB\xBF#Format: DDS\n#Source: C:\\игры\\камень.dds\n#Target BMP: D:\\𝄞 art\\a.bmp"), expected);
  for (const int unit : {2, 4})
    for (const bool bigEndian : {false, true})
      for (const bool mark : {true, false})
        EXPECT_EQ(Read(dir, Encoded(kText, unit, bigEndian, mark)), expected)
            << "UTF-" << unit * 8 << (bigEndian ? " BE" : " LE") << (mark ? " with mark" : "");
}

TEST(TextFiles, WhatCannotBeReadWholeIsRefusedNamingWhy) {
  testing::TempDir dir;
  const std::string path = dir.File("in.log");
  std::string cutUtf16 = Encoded(kText, 2, false, true);
  cutUtf16.pop_back();
  std::string halfCharacter = Encoded(U"#Format: DDS", 2, false, true) + std::string("\x34\xD8", 2) + "a";
  halfCharacter += '\0';
  const struct {
    std::string bytes, says;
  } rows[] = {
      {cutUtf16, path + " is UTF-16 (little-endian) text, cut short in the middle of a character at byte " +
                     std::to_string(cutUtf16.size()) + "; save it as UTF-8 (or as UTF-16 (little-endian) again, whole)"},
      {halfCharacter, path + " is UTF-16 (little-endian) text, with half of a character at byte 26; save it as UTF-8 "
                             "(or as UTF-16 (little-endian) again, whole)"},
      {Encoded(U"#Format: DDS\U0010FFFF", 4, true, true) + std::string("\x00\x11\x00\x00", 4),
       path + " is UTF-32 (big-endian) text, with no character at byte 56; save it as UTF-8 (or as UTF-32 "
              "(big-endian) again, whole)"},
      {std::string("#Format: DDS\r\n#Source: a.dds\r\n#Target BMP: a\0.bmp\r\n", 48),
       path + ": line 3 holds a NUL byte, which no text file does: the file is damaged or not text"},
      {std::string("#Format: DDS\r\r\0", 15), path + ": line 3 holds a NUL byte, which no text file does: the file is damaged or not text"},
  };
  for (const auto& row : rows) {
    Write(path, row.bytes);
    try {
      LoadLines(path);
      ADD_FAILURE() << row.says;
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message(), row.says);
    }
  }
}

}  // namespace
}  // namespace eit
