// eitool-cli against bad files, odd paths and a hostile environment: every failure names its file,
// leaves nothing in the target directory and never touches a source.
#include <gtest/gtest.h>

#include <sstream>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <thread>

#include <zlib.h>

#include "engine/main.h"
#include "formats/font_tools.h"
#include "platform/files.h"
#include "platform/native.h"
#include "platform/system_words.h"
#include "support/engine.h"
#include "support/cli_run.h"
#include "support/textures.h"
#include "codecs/targa.h"
#include "codecs/bmp.h"

#ifndef _WIN32
#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace eit {
namespace {

namespace fs = std::filesystem;
using testing::Bytes;
using testing::Cli;
using testing::Quoted;
using testing::TempDir;

#ifdef _WIN32
constexpr bool kWindows = true;
#else
constexpr bool kWindows = false;
#endif

void Write(const std::string& path, const Bytes& bytes) {
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<std::streamsize>(bytes.size()));
}
void Write(const std::string& path, const std::string& text) { Write(path, Bytes(text.begin(), text.end())); }

std::map<std::string, std::string> Snapshot(const fs::path& root) {
  std::map<std::string, std::string> files;
  for (const auto& e : fs::recursive_directory_iterator(root))
    if (e.is_regular_file()) files[e.path().string()] = testing::Slurp(e.path().string());
  return files;
}

std::vector<std::string> FilesIn(const std::string& dir) {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& e : fs::recursive_directory_iterator(dir, ec))
    if (!e.is_directory()) names.push_back(e.path().filename().string());
  return names;
}

Bytes Packed(std::uint32_t w, std::uint32_t h, std::uint32_t bits) {
  return testing::MakePackedFile(testing::MakeTextureImage(w, h, bits, "DDS!"));
}

// A valid font table: 224 records, glyphs 6 x 8 in rows of the 256 x 256 texture.
Bytes FontTable() {
  Bytes table(kFontTableSize);
  for (int k = 0; k < kFontRecords; ++k) {
    const auto x = static_cast<std::uint16_t>((k % 32) * 8), y = static_cast<std::uint16_t>((k / 32) * 10);
    WriteGlyphRecord(&table[static_cast<std::size_t>(k) * kGlyphRecordSize],
                     {x, y, static_cast<std::uint16_t>(x + 6), static_cast<std::uint16_t>(y + 8), 6, 8, 0});
  }
  return table;
}

std::string TextureLog(const std::string& source, const std::string& image, bool bmp = true) {
  return "#Format: DDS\r\n#Source: " + source + "\r\n#Target " + (bmp ? "BMP: " : "TGA: ") + image + "\r\n";
}

std::string BigEndian(std::uint32_t v) { return {char(v >> 24), char(v >> 16 & 255), char(v >> 8 & 255), char(v & 255)}; }

// A PNG whose header claims width x height, with a few bytes of image data: what a hostile or mistaken
// file costs must not follow from its header.
std::string ClaimingPng(std::uint32_t width, std::uint32_t height) {
  std::string png = "\x89PNG\r\n\x1a\n";
  const auto chunk = [&](const char* type, const std::string& data) {
    const std::string body = std::string(type, 4) + data;
    const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size()));
    png += BigEndian(static_cast<std::uint32_t>(data.size())) + body + BigEndian(static_cast<std::uint32_t>(crc));
  };
  chunk("IHDR", BigEndian(width) + BigEndian(height) + std::string{8, 6, 0, 0, 0});
  chunk("IDAT", std::string("\x78\x01\x01\x00\x00\xff\xff\x00\x00\x00\x01", 11));
  chunk("IEND", "");
  return png;
}

// One hostile case: make() writes the files under S and returns the command line's file arguments;
// the run must fail naming `named` (a path under S) and saying `says`.
struct Hostile {
  const char* name;
  bool insert;
  std::function<std::vector<std::string>(const std::string& s)> make;
  std::string named;  // relative to S
  std::string says;
};

Bytes Cut(Bytes b, std::size_t keep) {
  b.resize(keep);
  return b;
}

Bytes Flipped(Bytes b) {
  for (std::size_t i = 40; i < b.size() && i < 60; ++i) b[i] ^= 0x5A;
  return b;
}

Bytes WithUnpackedLength(Bytes b, std::uint32_t length) {
  for (int i = 0; i < 4; ++i) b[8 + i] = static_cast<std::uint8_t>(length >> (8 * i));
  return b;
}

Bytes DictionaryPacked() {
  const Bytes image = testing::MakeTextureImage(4, 4, 32);
  const Bytes z = testing::ZlibCompressWithDictionary(image);
  Bytes file = WithUnpackedLength(Bytes{'E', 'L', 'T', 'E', 0, 0, 0, 0, 0, 0, 0, 0}, static_cast<std::uint32_t>(image.size()));
  file.insert(file.end(), z.begin(), z.end());
  return file;
}

std::vector<std::string> One(const std::string& s, const std::string& name, const Bytes& bytes) {
  Write(s + "/" + name, bytes);
  return {s + "/" + name};
}
std::vector<std::string> One(const std::string& s, const std::string& name, const std::string& text) {
  return One(s, name, Bytes(text.begin(), text.end()));
}

// A texture record of a log, with its source and edited image (bmp of w x h) written.
std::vector<std::string> Record(const std::string& s, const Bytes& source, std::int32_t w, std::int32_t h) {
  Write(s + "/t.dds", source);
  WriteBMP(s + "/t.bmp", TBitmap(TPixelFormat::pf24bit, w, h));
  Write(s + "/t.log", TextureLog(s + "/t.dds", s + "/t.bmp"));
  return {s + "/t.log"};
}

// A texture whose header claims width x height pixels, with no pixel data behind it.
Bytes ClaimedSize(std::uint32_t width, std::uint32_t height) {
  Bytes image = testing::MakeTextureImage(1, 1, 32);
  image.resize(kImageHeaderSize);
  for (int i = 0; i < 4; ++i) {
    image[kWidthOffset + i] = static_cast<std::uint8_t>(~(width >> (8 * i)));
    image[kHeightOffset + i] = static_cast<std::uint8_t>(~(height >> (8 * i)));
  }
  return image;
}

const Hostile kCases[] = {
    {"unpacked_length_one_beyond_stream", false,
     [](auto& s) { return One(s, "t.dds", WithUnpackedLength(Packed(16, 16, 32), 128 + 16 * 16 * 4 + 1)); }, "t.dds",
     "Stream read error (the file ends before all of its data: it is cut short or damaged)"},
    {"unpacked_length_far_beyond_trailing_bytes", false,
     [](auto& s) {
       const Bytes file = testing::MakePackedFile(testing::MakeTextureImage(16, 16, 32, "DDS!", 100));
       return One(s, "t.dds", WithUnpackedLength(file, 3'000'000'000u));
     },
     "t.dds", "Stream read error"},
    {"picture_beyond_memory_limit", false,
     [](auto& s) {
       return One(s, "t.dds", WithUnpackedLength(testing::MakePackedFile(ClaimedSize(16385, 16385)), 0xFFFFFFFFu));
     },
     "t.dds", "more than a picture can hold"},
    {"record_source_beyond_memory_limit", true,
     [](auto& s) {
       return Record(s, WithUnpackedLength(testing::MakePackedFile(ClaimedSize(16385, 16385)), 0xFFFFFFFFu), 8, 8);
     },
     "t.dds", "more than a picture can hold"},
#ifndef _WIN32
    {"line_break_in_name", false, [](auto& s) { return One(s, "a\nb.dds", Packed(4, 4, 24)); }, "a\\x0Ab.dds",
     "a result log cannot record"},
#endif
    {"record_without_image", true,
     [](auto& s) {
       Write(s + "/t.dds", Packed(4, 4, 24));
       Write(s + "/t.log", "#Format: DDS\r\n#Source: " + s + "/t.dds\r\n#Target BMP: \r\n");
       return std::vector<std::string>{s + "/t.log"};
     },
     "t.log", "names no edited image"},
    // Logs and lists that give nothing to do say so; one that cannot be read whole is refused naming why.
    {"log_empty", true, [](auto& s) { return One(s, "e.log", std::string()); }, "e.log", "is empty"},
    {"log_of_comments_only", true, [](auto& s) { return One(s, "c.log", std::string("; mine\r\n\r\n")); }, "c.log",
     "holds no record"},
    {"log_with_a_nul", true,
     [](auto& s) { return One(s, "n.log", std::string("#Format: DDS\r\n#Source: a\0b.dds\r\n", 27)); }, "n.log",
     "line 2 holds a NUL byte"},
    {"log_utf16_cut", true, [](auto& s) { return One(s, "u.log", std::string("\xFF\xFE#\0F", 5)); }, "u.log",
     "is UTF-16 (little-endian) text, cut short in the middle of a character"},
    {"list_empty", true, [](auto& s) { return One(s, "p.lst", std::string("\r\n  \r\n")); }, "p.lst",
     "lists no result log"},
    {"listed_log_missing", true,
     [](auto& s) { return One(s, "p.lst", std::string("\r\n") + s + "/gone.log\r\n"); }, "p.lst",
     "line 2: Cannot open file"},
    {"truncated_packed", false, [](auto& s) { return One(s, "t.dds", Cut(Packed(64, 64, 32), 200)); }, "t.dds", ""},
    {"corrupt_packed", false, [](auto& s) { return One(s, "t.dds", Flipped(Packed(64, 64, 32))); }, "t.dds",
     "ZLIB Internal error -3"},
    {"empty_file", false, [](auto& s) { return One(s, "t.dds", Bytes{}); }, "t.dds", "is not a texture file"},
    {"raw_cut_short", false, [](auto& s) { return One(s, "t.dds", Cut(testing::MakeTextureImage(8, 8, 24), 300)); },
     "t.dds", "pixel data hold"},
    {"sixteen_bits", false, [](auto& s) { return One(s, "t.dds", testing::MakeTextureImage(8, 8, 16)); }, "t.dds",
     "16 bits per pixel"},
    {"sides_too_long", false, [](auto& s) { return One(s, "t.dds", testing::MakeTextureImage(70000, 0, 32)); },
     "t.dds", "more than 65535"},
    {"unpacked_length_zero", false, [](auto& s) { return One(s, "t.dds", WithUnpackedLength(Packed(4, 4, 32), 0)); },
     "t.dds", "Invalid stream operation"},
    {"packed_needs_dictionary", false, [](auto& s) { return One(s, "t.dds", DictionaryPacked()); }, "t.dds",
     "ZLIB Internal error 2"},
    {"unpacked_length_short", false,
     [](auto& s) { return One(s, "t.dds", WithUnpackedLength(Packed(16, 16, 32), 500)); }, "t.dds",
     "pixel data hold"},
    {"short_font_table", false,
     [](auto& s) {
       Write(s + "/f.dds", Packed(256, 256, 32));
       return One(s, "f.tdt", Cut(FontTable(), 3000));
     },
     "f.tdt", "the font table is 3000 bytes long"},
    {"font_without_texture", false, [](auto& s) { return One(s, "f.tdt", FontTable()); }, "f.dds", "Cannot open file"},
    {"directory_as_texture", false,
     [](auto& s) {
       fs::create_directories(s + "/d.dds");
       return std::vector<std::string>{s + "/d.dds"};
     },
     "d.dds", "holds no textures (.dds) or font tables (.tdt)"},  // a folder is a game's, walked
    {"directory_as_log", true,
     [](auto& s) {
       fs::create_directories(s + "/d.log");
       return std::vector<std::string>{s + "/d.log"};
     },
     "d.log", "is not a file"},
    {"directory_as_list", true,
     [](auto& s) {
       fs::create_directories(s + "/d.lst");
       return std::vector<std::string>{s + "/d.lst"};
     },
     "d.lst", "is not a file"},
    {"directory_as_listed_log", true,
     [](auto& s) {
       fs::create_directories(s + "/d.log");
       const std::string line = s + "/d.log";
       return One(s, "p.lst", Bytes(line.begin(), line.end()));
     },
     "d.log", "is not a file"},
    {"record_source_missing", true,
     [](auto& s) {
       WriteBMP(s + "/t.bmp", TBitmap(TPixelFormat::pf24bit, 2, 2));
       Write(s + "/t.log", TextureLog(s + "/gone.dds", s + "/t.bmp"));
       return std::vector<std::string>{s + "/t.log"};
     },
     "gone.dds", "gone.dds: " + SystemReason(ENOENT)},  // the system's reason
    {"record_source_corrupt", true, [](auto& s) { return Record(s, Flipped(Packed(8, 8, 24)), 8, 8); }, "t.dds",
     "ZLIB Internal error -3"},
    {"record_image_wrong_size", true, [](auto& s) { return Record(s, Packed(8, 8, 24), 9, 8); }, "t.bmp",
     "the edited image is 9 x 8 pixels"},
    {"record_png_of_another_size", true,
     [](auto& s) {
       Write(s + "/t.dds", Packed(8, 8, 24));
       Write(s + "/t.png", ClaimingPng(16383, 16383));
       Write(s + "/t.log", TextureLog(s + "/t.dds", s + "/t.png"));
       return std::vector<std::string>{s + "/t.log"};
     },
     "t.png", "the edited image is 16383 x 16383 pixels, but the texture"},
    {"record_image_not_a_bmp", true,
     [](auto& s) {
       auto entries = Record(s, Packed(8, 8, 24), 8, 8);
       Write(s + "/t.bmp", std::string("BM not really"));
       return entries;
     },
     "t.bmp", "Bitmap image is not valid"},
    {"tree_leading_out_of_the_target", true,
     [](auto& s) {
       WriteBMP(s + "/t.bmp", TBitmap(TPixelFormat::pf24bit, 8, 8));
       Write(s + "/t.dds", Packed(8, 8, 24));
       Write(s + "/t.log", "#Format: DDS\r\n#Tree: ../../escaped\r\n" + TextureLog(s + "/t.dds", s + "/t.bmp").substr(14));
       return std::vector<std::string>{s + "/t.log"};
     },
     "t.log", "names a folder outside the target directory"},
    {"font_record_without_codes", true,
     [](auto& s) {
       Write(s + "/f.dds", Packed(256, 256, 32));
       Write(s + "/f.tdt", FontTable());
       WriteTGA((s + "/f.tga").c_str(), TBitmap(TPixelFormat::pf32bit, 100, 20), 1);
       Write(s + "/f.log", "#Format: TDT\r\n#Source: " + s + "/f.tdt\r\n#Target TGA: " + s + "/f.tga\r\n");
       return std::vector<std::string>{s + "/f.log"};
     },
     "f.log", "a record of new glyphs needs \"#First: 0x<hex code>\""},
};

class HostileInput : public ::testing::TestWithParam<Hostile> {};

TEST_P(HostileInput, FailsNamingTheFileAndLeavesNothing) {
  TempDir dir;
  const std::string s = dir.File("S"), t = dir.File("T");
  fs::create_directories(s);
  std::string args;
  for (const std::string& entry : GetParam().make(s)) args += " " + Quoted(entry);
  const auto before = Snapshot(s);
  for (const char* mode : {"", "--keep-going "}) {
    const testing::Outcome run =
        Cli(std::string(GetParam().insert ? "insert " : "extract ") + mode + "-o " + Quoted(t) + args, dir,
            kWindows ? "" : "timeout 60 ");
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_TRUE(testing::Mentions(run.err, s + "/" + GetParam().named)) << run.err;
    EXPECT_NE(run.err.find(GetParam().says), std::string::npos) << run.err;
    // Why a file falls short is said once, however many hands its failure passes through.
    std::istringstream lines(run.err);
    for (std::string line; std::getline(lines, line);) {
      const std::size_t first = line.find("(the file ends before");
      EXPECT_TRUE(first == std::string::npos || line.find("(the file ends before", first + 1) == std::string::npos) << line;
    }
    EXPECT_EQ(FilesIn(t), std::vector<std::string>{}) << mode;
    EXPECT_EQ(Snapshot(s), before);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, HostileInput, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The font tools and the options against sizes past every limit and values out of range: each
// refused with its exit status, naming what is wrong and where. make() returns the command line.
struct ToolCase {
  const char* name;
  std::function<std::string(const std::string& s)> make;
  int status;
  std::string says;  // "{S}" stands for the sample folder
  bool needsFont = false;
};

const std::string kDejaVu = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

// A font table (texture beside it) whose glyph for 'A' is the given size.
// A font table whose record of "A" (or every record, when all) is width x height, over a texture of
// arbitrary pixels (or a blank one, whose letters can be measured by nothing but the font's own).
std::string TableWithA(const std::string& s, std::uint16_t width, std::uint16_t height, bool all = false,
                       bool blank = false) {
  Bytes table = FontTable();
  for (int k = all ? 0 : 0x21; k < (all ? kFontRecords : 0x22); ++k)
    WriteGlyphRecord(&table[static_cast<std::size_t>(k) * kGlyphRecordSize], {0, 0, 6, height, width, height, 0});
  Bytes texture = testing::MakeTextureImage(256, 256, 32);
  if (blank) std::fill(texture.begin() + kImageHeaderSize, texture.end(), std::uint8_t{0});
  Write(s + "/a.dds", testing::MakePackedFile(texture));
  Write(s + "/a.tdt", table);
  return Quoted(s + "/a.tdt");
}

// An insert of a log whose one record names image as its edited image.
std::string InsertOfImage(const std::string& s, const std::string& image) {
  Write(s + "/a.dds", Packed(4, 4, 24));
  Write(s + "/r.log", "#Format: DDS\r\n#Source: " + s + "/a.dds\r\n#Target BMP: " + image + "\r\n");
  return "insert -o " + Quoted(s + "/new/o") + " " + Quoted(s + "/r.log");
}

const ToolCase kToolCases[] = {
    {"preview_width_wraps",
     [](auto& s) {
       return "preview " + TableWithA(s, 0xFFFF, 8) + " --text " + std::string(kWindows ? 8000 : 65536, 'A') +
              " -o " + Quoted(s + "/p.tga");
     },
     1, "{S}/a.tdt: a preview of this text would be"},
    {"preview_scaled_past_limit",
     [](auto& s) {
       return "preview " + TableWithA(s, 6, 8) + " --text " + std::string(1400, 'A') + " --scale 8 -o " +
              Quoted(s + "/p.tga");
     },
     1, "at scale 8"},
    {"preview_repeated_warning_once",
     [](auto& s) { return "preview " + TableWithA(s, 6, 8) + " --text \"\xE4\xB8\xAD\xE4\xB8\xAD\xE4\xB8\xAD\" -o " + Quoted(s + "/p.tga"); },
     0, "(3 times)"},
    {"sheet_glyph_too_high",
     [](auto& s) {
       return "sheet " + TableWithA(s, 6, 65535, true) + " --font " + Quoted(kDejaVu) + " -o " + Quoted(s + "/o");
     },
     1, "{S}/a.tdt: its glyph boxes are 65535 pixels high", true},
    {"sheet_log_name_taken",
     [](auto& s) {
       fs::create_directories(s + "/o/a_sheet.log");
       return "sheet " + TableWithA(s, 6, 8, false, true) + " --font " + Quoted(kDejaVu) + " -o " + Quoted(s + "/o");
     },
     1, "Cannot create file {S}/o/a_sheet.log", true},
    {"sheet_first_below_new_codes", [](auto& s) { return "sheet " + TableWithA(s, 6, 8) + " --font f --first 0x7E -o o"; },
     2, "--first needs a code from 0x7F to 0xFF"},
    {"sheet_letters_fit_no_size",
     [](auto& s) { return "sheet " + TableWithA(s, 6, 8) + " --font " + Quoted(kDejaVu) + " -o " + Quoted(s + "/o"); },
     0, "would not stand whole in the 8-pixel glyph boxes of {S}/a.tdt at any size (Џ reaches 1 rows below the "
        "baseline, where 0 are free); boxes stand in their place, to be drawn by hand in the sheet: Џ (0x8F)", true},
    {"sheet_unknown_code_page", [](auto& s) { return "sheet " + TableWithA(s, 6, 8) + " --font f --codepage 1255 -o o"; },
     2, "Code page 1255 is not known"},
    {"preview_unknown_code_page", [](auto& s) { return "preview " + TableWithA(s, 6, 8) + " --text x --codepage 1 -o o.tga"; },
     2, "Code page 1 is not known"},
    {"directory_under_a_file",
     [](auto& s) {
       Write(s + "/file", std::string("x"));
       return "extract -o " + Quoted(s + "/file/out") + " " + Quoted(s + "/a.dds");
     },
     1, "Unable to create directory {S}/file/out: "},
    {"sheet_mono_and_no_mono", [](auto& s) { return "sheet " + TableWithA(s, 6, 8) + " --font f --mono --no-mono -o o"; },
     2, "give --mono or --no-mono, not both"},
    {"sheet_missing_font_leaves_no_folder",
     [](auto& s) { return "sheet " + TableWithA(s, 6, 8) + " --font " + Quoted(s + "/none.ttf") + " -o " + Quoted(s + "/new/o"); },
     1, "{S}/none.ttf", true},
    {"extract_failed_leaves_no_folder",
     [](auto& s) { return "extract -o " + Quoted(s + "/new/o") + " " + Quoted(s + "/none.dds"); }, 1, "{S}/none.dds"},
    {"samples_keep_the_users_files",
     [](auto& s) {
       Write(s + "/stone.dds", std::string("mine"));
       return "samples " + Quoted(s);
     },
     1, "1 file in {S} already exists and would be replaced: stone.dds; give --overwrite"},
    {"preview_of_an_empty_texture",
     [](auto& s) {
       const std::string table = TableWithA(s, 6, 8);
       Write(s + "/a.dds", testing::MakeTextureImage(0, 0, 32));
       return "preview " + table + " --text A -o " + Quoted(s + "/new/p.tga");
     },
     1, "{S}/a.tdt: its texture {S}/a.dds is 0 x 0 pixels: it holds no glyph to show"},
    {"record_image_is_a_folder", [](auto& s) { return InsertOfImage(s, "."); }, 1,
     "{S}/r.log: line 3: the edited image of {S}/a.dds, ., is a folder, not an image file"},
    {"record_image_is_blank", [](auto& s) { return InsertOfImage(s, "  "); }, 1,
     "{S}/r.log: line 3: the record of {S}/a.dds names no edited image"},
    {"double_dash_ends_options",
     [](auto& s) {
       Write(s + "/-x.dds", Packed(4, 4, 24));
       fs::current_path(s);
       return "extract -o " + Quoted(s + "/o") + " -- -x.dds";
     },
     0, "-x.dds: wrote"},
};

class HostileTool : public ::testing::TestWithParam<ToolCase> {};

TEST_P(HostileTool, RefusedWithItsStatusAndReason) {
  if (GetParam().needsFont && (!CanRenderFonts() || !fs::exists(kDejaVu))) GTEST_SKIP() << "no FreeType or DejaVu Sans";
  TempDir dir;
  const std::string s = dir.File("S");
  fs::create_directories(s);
  const fs::path saved = fs::current_path();
  const std::string args = GetParam().make(s);
  const testing::Outcome run = Cli(args, dir);
  fs::current_path(saved);
  std::string says = GetParam().says;
  for (std::size_t at; (at = says.find("{S}")) != std::string::npos;) says.replace(at, 3, s);
  EXPECT_EQ(run.status, GetParam().status) << run.err;
  EXPECT_TRUE(testing::Mentions(run.out + run.err, says)) << run.out << run.err;
  if (run.status != 0) {
    EXPECT_FALSE(fs::exists(s + "/o/a_sheet.tga"));
    EXPECT_FALSE(fs::exists(s + "/new")) << "a failed command leaves no folder it made";
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, HostileTool, ::testing::ValuesIn(kToolCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HostileEnvironment, ZeroSizedTexturesRoundTrip) {
  TempDir dir;
  const std::string s = dir.File("S");
  std::string args;
  const std::pair<int, int> sizes[] = {{0, 4}, {4, 0}, {0, 0}};
  int n = 0;
  for (const auto& [w, h] : sizes) {
    for (std::uint32_t bits : {24u, 32u}) {
      const std::string name = s + "/z" + std::to_string(n++) + ".dds";
      Write(name, n % 2 == 0 ? Packed(w, h, bits) : testing::MakeTextureImage(w, h, bits));
      args += " " + Quoted(name);
    }
  }
  ASSERT_EQ(Cli("extract -o " + Quoted(dir.File("E")) + args, dir).status, 0);
  // zlib's own bytes, so that rebuilt packed files equal their sources.
  const testing::Outcome insert =
      Cli("insert --zlib -o " + Quoted(dir.File("I")) + " " + Quoted(dir.File("E/result.log")), dir);
  ASSERT_EQ(insert.status, 0) << insert.err;
  for (int i = 0; i < n; ++i) {
    const std::string name = "/z" + std::to_string(i) + ".dds";
    EXPECT_EQ(testing::Slurp(dir.File("I") + name), testing::Slurp(s + name)) << name;
  }
}

TEST(HostileEnvironment, SameNamedSourcesOnInsertKeepBothAndSaySo) {
  TempDir dir;
  Write(dir.File("a/water.dds"), Packed(8, 8, 32));
  Write(dir.File("b/water.dds"), testing::MakeTextureImage(8, 8, 24));
  ASSERT_EQ(Cli("extract -o " + Quoted(dir.File("x")) + " " + Quoted(dir.File("a/water.dds")) + " " +
                    Quoted(dir.File("b/water.dds")),
                dir)
                .status,
            0);
  const testing::Outcome run =
      Cli("insert --zlib -o " + Quoted(dir.File("y")) + " " + Quoted(dir.File("x/result.log")), dir);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(testing::Slurp(dir.File("y/water.dds")), testing::Slurp(dir.File("a/water.dds")));
  EXPECT_EQ(testing::Slurp(dir.File("y/water (2).dds")), testing::Slurp(dir.File("b/water.dds")));
  EXPECT_TRUE(testing::Mentions(run.out, "renamed, since another record of this run already wrote water.dds: this "
                                          "one is from " + dir.File("b/water.dds")))
      << run.out;
}

TEST(HostileEnvironment, NamesThatDifferInCaseOnlyCollideWhereTheFileSystemIgnoresCase) {
  TempDir dir;
  Write(dir.File("A/Stone.dds"), testing::MakeTextureImage(4, 4, 24));
  Write(dir.File("B/stone.dds"), testing::MakeTextureImage(4, 4, 24));
  const testing::Outcome run = Cli("extract -o " + Quoted(dir.File("T")) + " " + Quoted(dir.File("A/Stone.dds")) + " " +
                                       Quoted(dir.File("B/stone.dds")),
                                   dir);
  ASSERT_EQ(run.status, 0) << run.err;
  auto files = FilesIn(dir.File("T"));
  std::sort(files.begin(), files.end());
  const std::vector<std::string> expected = {"Stone.bmp", "result.log", kWindows ? "stone (2).bmp" : "stone.bmp"};
  EXPECT_EQ(files, expected);
}

TEST(HostileEnvironment, FontPairIsNotHalfPublished) {
  TempDir dir;
  const std::string s = dir.File("S");
  Write(s + "/f.dds", Packed(256, 256, 32));
  Write(s + "/f.tdt", FontTable());
  TBitmap sheet(TPixelFormat::pf32bit, 100, 20);
  sheet.Line(0, 0, 0, 8, kWhite, 255);
  sheet.FillRect({3, 0, 8, 8}, kWhite, 255);
  WriteTGA((s + "/f.tga").c_str(), sheet, 1);
  Write(s + "/f.log", "#Format: TDT\r\n#Source: " + s + "/f.tdt\r\n#Target TGA: " + s +
                          "/f.tga\r\n#First: 0x20\r\n#Last: 0xC1\r\n");
  fs::create_directories(dir.File("out/f.tdt"));  // the table cannot take its name
  const testing::Outcome run = Cli("insert -o " + Quoted(dir.File("out")) + " " + Quoted(s + "/f.log"), dir);
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(testing::Mentions(run.err, "Cannot create file " + dir.File("out/f.tdt"))) << run.err;
  EXPECT_EQ(FilesIn(dir.File("out")), std::vector<std::string>{});
}

TEST(HostileEnvironment, OddNamesAndListsWork) {
  TempDir dir;
  // A name of 240 bytes, control characters in a name, a list with a byte-order mark, blank lines
  // and a path relative to the target directory.
  // Windows allows no control characters in names.
  const std::string longName = std::string(236, 'n') + ".dds", controlName = kWindows ? "esc.dds" : "es\x1b[2Jc.dds";
  Write(dir.File("S/" + longName), Packed(4, 4, 24));
  Write(dir.File("S/" + controlName), Packed(4, 4, 24));
  const testing::Outcome extract = Cli("extract -o " + Quoted(dir.File("E")) + " " + Quoted(dir.File("S/" + longName)) +
                                           " " + Quoted(dir.File("S/" + controlName)),
                                       dir);
  ASSERT_EQ(extract.status, 0) << extract.err;
  EXPECT_EQ(extract.out.find('\x1b'), std::string::npos);
  if (!kWindows) {
    EXPECT_NE(extract.out.find("es\\x1B[2Jc.dds"), std::string::npos) << extract.out;
  }
  Write(dir.File("L/p.lst"), std::string("\xEF\xBB\xBF\r\n  \r\n../E/result.log\r\n"));
  const testing::Outcome insert =
      Cli("insert --zlib -o " + Quoted(dir.File("N")) + " " + Quoted(dir.File("L/p.lst")), dir);
  ASSERT_EQ(insert.status, 0) << insert.err;
  EXPECT_EQ(testing::Slurp(dir.File("N/" + longName)), testing::Slurp(dir.File("S/" + longName)));
  EXPECT_EQ(Cli("extract --help", dir).status, 0);
  EXPECT_EQ(Cli("insert --help", dir).status, 0);
}

TEST(HostileEnvironment, ExportNeverReplacesASourceOfTheRun) {
  // A raw texture named like its own export, exported into its own folder (the window allows any name).
  TFrontEnd quiet;  // shows nothing
  TempDir dir;
  const std::string source = dir.File("pic.bmp");
  Write(source, testing::MakeTextureImage(4, 4, 24));
  const std::string before = testing::Slurp(source);
  TBatchEngine engine(quiet);
  try {
    engine.Run(testing::Request(TJobKind::Texture, {source}, dir.Path().string()));
    FAIL();
  } catch (const Exception& e) {
    EXPECT_NE(e.Message().find("Cannot create file " + source), std::string::npos) << e.Message();
  }
  EXPECT_EQ(testing::Slurp(source), before);
}

// A container whose stream really inflates to `zeros` bytes after a 1 x 1 image, and says so.
Bytes Bomb(std::uint32_t zeros) {
  const Bytes image = testing::MakeTextureImage(1, 1, 32);
  z_stream z{};
  deflateInit(&z, 9);
  Bytes out(1 << 20), packed;
  const Bytes chunk(1 << 20, 0);
  auto feed = [&](const Bytes& in, std::size_t n, int flush) {
    z.next_in = const_cast<Bytef*>(in.data());
    z.avail_in = static_cast<uInt>(n);
    do {
      z.next_out = out.data();
      z.avail_out = static_cast<uInt>(out.size());
      deflate(&z, flush);
      packed.insert(packed.end(), out.data(), out.data() + (out.size() - z.avail_out));
    } while (z.avail_out == 0);
  };
  feed(image, image.size(), Z_NO_FLUSH);
  for (std::uint32_t left = zeros; left > 0;) {
    const std::uint32_t n = std::min<std::uint32_t>(left, static_cast<std::uint32_t>(chunk.size()));
    feed(chunk, n, Z_NO_FLUSH);
    left -= n;
  }
  feed(chunk, 0, Z_FINISH);
  deflateEnd(&z);
  Bytes file = WithUnpackedLength(Bytes{'E', 'L', 'T', 'E', 0, 0, 0, 0, 0, 0, 0, 0},
                                  static_cast<std::uint32_t>(image.size() + zeros));
  file.insert(file.end(), packed.begin(), packed.end());
  return file;
}

// Sanitizers reserve more address space than any limit this test could set.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif
#else
constexpr bool kAddressSanitizer = false;
#endif

TEST(HostileEnvironment, ExportOfABombTakesMemoryForThePictureOnly) {
  TempDir dir;
  Write(dir.File("S/bomb.dds"), Bomb(std::uint32_t{1} << 28));
  // 256 MiB of zeros behind a 1 x 1 picture: the export must fit in far less (the sanitizer's own
  // reservations do not fit a limit, so it runs without one there).
  const testing::Outcome run = Cli("extract -o " + Quoted(dir.File("T")) + " " + Quoted(dir.File("S/bomb.dds")), dir,
                                   kAddressSanitizer || kWindows ? "" : "ulimit -v 150000; ");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("1 x 1, 32-bit"), std::string::npos) << run.out;
}

// A temporary a killed run left (SIGKILL, a power cut) is removed by the next run into its folder, which says
// so; one a living run holds is never touched.
TEST(HostileEnvironment, TemporariesOfKilledRunsGoWithTheNextRunAndLiveOnesStay) {
  TempDir dir;
  Write(dir.File("S/t.dds"), testing::MakeTextureImage(4, 4, 24));
  const std::string left = dir.File("T/t.0123456789ab.tmp"), mine = dir.File("T/u.bmp");
  Write(left, Bytes{1, 2, 3});
  Write(dir.File("T/keep.tmp"), Bytes{4});  // not a name the tool gives its temporaries
  {
    // A living run's temporary, finished and waiting for its name.
    TAtomicFile living(mine);
    living.Stream().WriteBuffer("x", 1);
    living.Finish();
    const testing::Outcome busy = Cli("extract -o " + Quoted(dir.File("T")) + " " + Quoted(dir.File("S/t.dds")), dir);
    EXPECT_EQ(busy.status, 0) << busy.err;
    EXPECT_TRUE(fs::exists(living.TemporaryPath()));
    // Windows claims each temporary; POSIX runs hold their folder, so the orphan waits for a quiet moment.
    EXPECT_EQ(fs::exists(left), !kWindows) << busy.out;
  }
  Write(left, Bytes{1, 2, 3});
  const testing::Outcome run = Cli("extract --overwrite -o " + Quoted(dir.File("T")) + " " + Quoted(dir.File("S/t.dds")), dir);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_FALSE(fs::exists(left));
  EXPECT_TRUE(fs::exists(dir.File("T/keep.tmp")));
  EXPECT_TRUE(testing::Mentions(run.out, "removed " + left + ", left by a run that was killed")) << run.out;
}

// An edit of a size the texture has not is refused from its header, whatever its format, before its
// picture is made: a few bytes claiming 16000 x 16000 never cost a gigabyte.
TEST(HostileEnvironment, AnEditOfAnotherSizeIsRefusedBeforeItIsDecoded) {
  TempDir dir;
  Write(dir.File("S/t.dds"), testing::MakeTextureImage(64, 64, 32));
  Bytes tga(18 + 5, 0), bmp(54 + 8, 0);
  tga[2] = 10, tga[16] = 32;  // RLE true colour, 32 bits
  tga[12] = tga[14] = 0x80, tga[13] = tga[15] = 0x3E;  // 16000 x 16000
  tga[18] = 0xFF;             // one run of 128 pixels, then nothing
  bmp[0] = 'B', bmp[1] = 'M', bmp[14] = 40, bmp[26] = 1, bmp[28] = 32, bmp[30] = 3;  // BI_BITFIELDS
  bmp[18] = bmp[22] = 0x80, bmp[19] = bmp[23] = 0x3E;
  for (const auto& [name, bytes] : {std::pair{"edit.tga", tga}, std::pair{"edit.bmp", bmp}}) {
    Write(dir.File(name), bytes);
    const std::string log = dir.File(std::string(name) + ".log");
    SaveLines(log, {"#Format: DDS", "#Source: " + dir.File("S/t.dds"), "#Target TGA: " + dir.File(name)});
    const testing::Outcome run = Cli("insert -o " + Quoted(dir.File("T")) + " " + Quoted(log), dir,
                                     kAddressSanitizer || kWindows ? "" : "ulimit -v 400000; ");
    EXPECT_EQ(run.status, 1) << name;
    EXPECT_NE(run.err.find("the edited image is 16000 x 16000 pixels, but the texture"), std::string::npos)
        << name << ": " << run.err;
  }
}

// Eight workers under an address-space limit that one worker fits in: threads that cannot start and
// memory that runs out beside other workers change nothing; the run ends as one worker's does.
TEST(HostileEnvironment, TheWorkerCountNeverChangesWhatALowMemoryLimitLets) {
  if (kAddressSanitizer || kWindows) GTEST_SKIP() << "the sanitizers' reservations fit no limit; Windows has none";
  TempDir dir;
  std::string args;
  const Bytes packed = testing::MakePackedFile(testing::MakeTextureImage(2048, 2048, 32));
  for (int i = 0; i < 4; ++i) {
    Write(dir.File("S/t" + std::to_string(i) + ".dds"), packed);
    args += " " + Quoted(dir.File("S/t" + std::to_string(i) + ".dds"));
  }
  for (const char* workers : {"1", "8"}) {
    const std::string target = dir.File(std::string("T") + workers);
    const testing::Outcome run =
        Cli(std::string("extract -j ") + workers + " -o " + Quoted(target) + args, dir, "ulimit -v 40000; ");
    EXPECT_EQ(run.status, 0) << workers << ": " << run.err;
    EXPECT_EQ(FilesIn(target).size(), 5u) << workers;  // four images and result.log, no temporary
  }
}

#ifndef _WIN32
TEST(HostileEnvironment, FifoIsRefusedAndFullDiskPublishesNothing) {
  TempDir dir;
  const std::string fifo = dir.File("S/t.dds");
  fs::create_directories(dir.File("S"));
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const testing::Outcome refused = Cli("extract -o " + Quoted(dir.File("T")) + " " + Quoted(fifo), dir, "timeout 60 ");
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.err.find(fifo + " is not a file"), std::string::npos) << refused.err;

  // Writes past a 16 KiB file size limit fail as on a full disk.
  Write(dir.File("S/big.dds"), testing::MakeTextureImage(128, 128, 32));
  Write(dir.File("S/small.dds"), Packed(4, 4, 24));
  const std::string args = Quoted(dir.File("S/small.dds")) + " " + Quoted(dir.File("S/big.dds"));
  for (const char* mode : {"", "--keep-going "}) {
    const std::string target = dir.File(std::string("L") + (*mode != 0 ? "k" : ""));
    const testing::Outcome run = Cli(std::string("extract ") + mode + "-o " + Quoted(target) + " " + args, dir,
                                     "ulimit -f 16; ");
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_NE(run.err.find("Cannot write file " + target + "/big.tga: File too large"), std::string::npos) << run.err;
    // The small export is whole; nothing else is there, not even a temporary.
    std::vector<std::string> expected = {"small.bmp"};
    if (*mode != 0) expected.insert(expected.begin(), "result.log");
    auto files = FilesIn(target);
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, expected);
  }
  ASSERT_EQ(Cli("extract -o " + Quoted(dir.File("E")) + " " + args, dir).status, 0);
  const testing::Outcome insert =
      Cli("insert -o " + Quoted(dir.File("I")) + " " + Quoted(dir.File("E/result.log")), dir, "ulimit -f 8; ");
  EXPECT_EQ(insert.status, 1);
  EXPECT_NE(insert.err.find("Cannot write file " + dir.File("I/big.dds")), std::string::npos) << insert.err;
  EXPECT_EQ(FilesIn(dir.File("I")), std::vector<std::string>{"small.dds"});
}

TEST(HostileEnvironment, SigtermDuringAnExtractLeavesNoTemporary) {
  TempDir dir;
  std::vector<std::string> args = {EIT_CLI, "extract", "-o", dir.File("T")};
  const Bytes image = testing::MakeTextureImage(2048, 2048, 32);
  for (int i = 0; i < 6; ++i) {
    Write(dir.File("S/t" + std::to_string(i) + ".dds"), image);
    args.push_back(dir.File("S/t" + std::to_string(i) + ".dds"));
  }
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    if (freopen("/dev/null", "w", stdout) == nullptr || freopen("/dev/null", "w", stderr) == nullptr) _exit(126);
    execv(argv[0], argv.data());
    _exit(127);
  }
  // Wait for a temporary to exist, then end the run in the middle of writing it.
  bool seen = false;
  for (int i = 0; i < 20000 && !seen; ++i) {
    for (const std::string& name : FilesIn(dir.File("T")))
      if (name.size() > 4 && name.compare(name.size() - 4, 4, ".tmp") == 0) seen = true;
    if (!seen) std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  kill(child, SIGTERM);
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(seen);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 143);
  for (const std::string& name : FilesIn(dir.File("T"))) EXPECT_EQ(name.find(".tmp"), std::string::npos) << name;
}
#endif

}  // namespace
}  // namespace eit
