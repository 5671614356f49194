// eitool-cli, run as users run it.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <tuple>

#include "formats/formathandlers.h"
#include "codecs/pictures.h"
#include "codecs/targa.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "cli/samples.h"
#include "support/cli_run.h"
#include "support/textures.h"

namespace eit {
namespace {

using testing::Cli;
using testing::Outcome;

TEST(Cli, SamplesThenExtractWritesEveryImageAndACompleteLog) {
  testing::TempDir dir;
  const std::string s = dir.File("S"), out = dir.File("OUT");
  ASSERT_EQ(Cli("samples \"" + s + "\"", dir).status, 0);
  std::vector<std::string> samples;  // the set's own list of names is the one that refuses to replace
  for (const std::string& line : LoadLines(dir.File("stdout.txt"))) {
    const std::string top = line.substr(s.size() + 1, line.find(PathDelim, s.size() + 1) - s.size() - 1);
    if (samples.empty() || samples.back() != top) samples.push_back(top);
  }
  EXPECT_EQ(samples, SampleFileNames());
  const Outcome run = Cli("extract -o \"" + out + "\" \"" + s + "/stone.dds\" \"" + s + "/water.dds\" \"" + s +
                              "/font.tdt\"",
                          dir);
  ASSERT_EQ(run.status, 0) << run.err;
  const auto log = LoadLines(out + "/result.log");
  ASSERT_EQ(log.size(), 16u);  // format, the source as read (a font's table and texture), the image's digest, source, target
  EXPECT_EQ(log[0], "#Format: DDS");
  EXPECT_EQ(log[1].rfind("#Origin: ", 0), 0u);
  EXPECT_EQ(log[10], "#Format: TDT");
  EXPECT_EQ(log[11].rfind("#Origin: ", 0), 0u);  // the font's table
  EXPECT_EQ(log[12].rfind("#Origin: ", 0), 0u);  // and its texture
  for (const std::size_t i : {4, 9, 15}) {
    const std::string path = log[i].substr(log[i].find(':') + 2);
    EXPECT_TRUE(std::filesystem::exists(path)) << log[i];
  }
  EXPECT_NE(run.out.find("stone.dds: wrote"), std::string::npos);
  EXPECT_NE(run.out.find("bytes extracted."), std::string::npos);
  EXPECT_NE(run.err.find("[3/3]"), std::string::npos);  // one progress line per file off a terminal
}

TEST(Cli, FailureStopsTheRunAndKeepGoingSkipsOnlyTheFailedEntry) {
  testing::TempDir dir;
  const std::string s = dir.File("S");
  ASSERT_EQ(Cli("samples \"" + s + "\"", dir).status, 0);
  const std::string missing = dir.File("missing.dds");
  const Outcome failed = Cli("extract -o \"" + dir.File("A") + "\" \"" + s + "/stone.dds\" \"" + missing + "\"", dir);
  EXPECT_EQ(failed.status, 1);
  EXPECT_NE(failed.err.find("eitool-cli: Cannot open file " + missing), std::string::npos) << failed.err;
  EXPECT_FALSE(std::filesystem::exists(dir.File("A/result.log")));

  const Outcome going = Cli("extract --keep-going -o \"" + dir.File("B") + "\" \"" + missing + "\" \"" + s +
                                "/stone.dds\"",
                            dir);
  EXPECT_EQ(going.status, 1);
  const auto log = LoadLines(dir.File("B/result.log"));
  ASSERT_EQ(log.size(), 5u);
  EXPECT_EQ(log[3].rfind("#Source: ", 0), 0u);
  EXPECT_NE(log[3].find("stone.dds"), std::string::npos);

  // Within a log: the record after a failed one is rebuilt too, with one worker and with eight.
  ASSERT_EQ(Cli("extract -o \"" + dir.File("C") + "\" \"" + s + "/stone.dds\" \"" + s + "/sky.dds\" \"" + s +
                    "/water.dds\"", dir).status, 0);
  std::filesystem::remove(dir.File("C/sky.tga"));
  std::filesystem::create_directory(dir.File("C/sky.tga"));
  for (const char* workers : {"1", "8"}) {
    const std::string target = dir.File(std::string("D") + workers);
    const Outcome insert =
        Cli(std::string("insert --keep-going -j ") + workers + " -o \"" + target + "\" \"" + dir.File("C/result.log") + "\"", dir);
    EXPECT_EQ(insert.status, 1) << workers;
    EXPECT_NE(insert.err.find("sky.tga, is a folder, not an image file"), std::string::npos) << insert.err;
    EXPECT_NE(insert.err.find("eitool-cli: 1 failed (named above); 2 files written"), std::string::npos) << insert.err;
    EXPECT_TRUE(std::filesystem::exists(target + "/stone.dds"));
    EXPECT_TRUE(std::filesystem::exists(target + "/water.dds"));
    EXPECT_FALSE(std::filesystem::exists(target + "/sky.dds"));
  }
}

// Extract as PNG, edit, insert: the same textures as through BMP and TGA, with one worker or eight; the log
// differs only in the images' names; glyph sheets hold the same pixels.
TEST(Cli, PngRoundTripGivesWhatBmpAndTgaGive) {
  testing::TempDir dir;
  const std::string s = dir.File("S");
  ASSERT_EQ(Cli("samples " + testing::Quoted(s), dir).status, 0);
  std::string sources;
  for (const char* name : {"stone.dds", "water.dds", "sky.dds", "bricks.dds", "font.dds", "font.tdt"})
    sources += " " + testing::Quoted(JoinPath(s, name));
  const Outcome png = Cli("extract --format png -o " + testing::Quoted(dir.File("png")) + sources, dir);
  ASSERT_EQ(png.status, 0) << png.err;
  ASSERT_EQ(Cli("extract -o " + testing::Quoted(dir.File("classic")) + sources, dir).status, 0);
  const auto pngLog = LoadLines(dir.File("png/result.log")), classicLog = LoadLines(dir.File("classic/result.log"));
  ASSERT_EQ(pngLog.size(), classicLog.size());
  for (std::size_t i = 0; i < pngLog.size(); ++i) {
    const std::size_t colon = pngLog[i].find(": ");
    if (pngLog[i].rfind("#Digest", 0) == 0 || pngLog[i].rfind("#Origin", 0) == 0) {
      // another file, another digest; the source read at another moment
      EXPECT_EQ(classicLog[i].substr(0, 7), pngLog[i].substr(0, 7));
    } else if (pngLog[i].rfind("#Target", 0) != 0) {
      EXPECT_EQ(pngLog[i], classicLog[i]);
    } else {
      const std::string image = pngLog[i].substr(colon + 2), classic = classicLog[i].substr(classicLog[i].find(": ") + 2);
      EXPECT_EQ(pngLog[i].substr(0, colon), classicLog[i].substr(0, classicLog[i].find(": ")));  // the same tag
      EXPECT_EQ(ExtractFileExt(image), ".png");
      EXPECT_EQ(ExtractFileName(ChangeFileExt(image, "")), ExtractFileName(ChangeFileExt(classic, "")));
      // The same pixels, alpha kept exactly; then the same edit on both.
      TBitmap a, b;
      ReadPictureFile(image, a);
      ReadPictureFile(classic, b);
      b.ConvertTo(TPixelFormat::pf32bit);
      ASSERT_EQ(a.Width(), b.Width());
      for (int y = 0; y < a.Height(); ++y) ASSERT_EQ(std::memcmp(a.ScanLine(y), b.ScanLine(y), a.RowBytes()), 0) << image;
      for (TBitmap* edit : {&a, &b}) edit->FillRect({1, 1, 4, 3}, TRgb(9, 99, 199), 77);
      for (const auto& [bitmap, path, files] : {std::tuple{&a, image, TImageFiles::Png}, std::tuple{&b, classic, TImageFiles::BmpTga}}) {
        TFileStream out(path, FileMode::Create);
        if (ExtractFileExt(path) == ".bmp") bitmap->ConvertTo(TPixelFormat::pf24bit);
        WritePicture(out, *bitmap, ExtractFormat(files, *bitmap));
      }
    }
  }
  // The textures' records: five lines each.
  const auto textures = [](const std::vector<std::string>& log) {
    std::vector<std::string> kept;
    for (std::size_t i = 0; i + 5 <= log.size(); i += 5)
      if (log[i] == "#Format: DDS") kept.insert(kept.end(), log.begin() + static_cast<std::ptrdiff_t>(i), log.begin() + static_cast<std::ptrdiff_t>(i + 5));
    return kept;
  };
  SaveLines(dir.File("png/textures.log"), textures(pngLog));
  SaveLines(dir.File("classic/textures.log"), textures(classicLog));
  for (const char* workers : {"1", "8"}) {
    const std::string target = dir.File(std::string("from-png-") + workers);
    const Outcome insert = Cli("insert -j " + std::string(workers) + " -o " + testing::Quoted(target) + " " +
                                   testing::Quoted(dir.File("png/textures.log")), dir);
    ASSERT_EQ(insert.status, 0) << insert.err;
  }
  ASSERT_EQ(Cli("insert -o " + testing::Quoted(dir.File("from-classic")) + " " + testing::Quoted(dir.File("classic/textures.log")), dir).status, 0);
  int rebuilt = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir.File("from-classic"))) {
    const std::string name = entry.path().filename().string();
    EXPECT_EQ(testing::Slurp(dir.File("from-png-1/" + name)), testing::Slurp(entry.path().string())) << name;
    EXPECT_EQ(testing::Slurp(dir.File("from-png-8/" + name)), testing::Slurp(entry.path().string())) << name;
    ++rebuilt;
  }
  EXPECT_EQ(rebuilt, 5);
}

TEST(Cli, UsageErrorsExitWithTwo) {
  testing::TempDir dir;
  EXPECT_EQ(Cli("", dir).status, 2);
  EXPECT_EQ(Cli("frobnicate", dir).status, 2);
  EXPECT_EQ(Cli("extract a.dds", dir).status, 2);
  std::ofstream(dir.File("picture.png")) << "x";
  const Outcome wrong = Cli("extract -o x " + testing::Quoted(dir.File("picture.png")), dir);
  EXPECT_EQ(wrong.status, 2);
  EXPECT_NE(wrong.err.find("picture.png is neither a texture (.dds) nor a font table (.tdt)"), std::string::npos);
  // A mistyped folder is named as missing, not as a file of the wrong kind.
  const Outcome missing = Cli("extract -o x NoSuchGame", dir);
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("NoSuchGame: no such file or folder"), std::string::npos) << missing.err;
  std::ofstream(dir.File("a.dds")) << "x";
  EXPECT_EQ(Cli("insert -o x " + testing::Quoted(dir.File("a.dds")), dir).status, 2);
  // One message and the line that says where more is, not the whole usage.
  const Outcome format = Cli("extract --format jpeg -o x a.dds", dir);
  EXPECT_EQ(format.status, 2);
  EXPECT_EQ(format.err.substr(0, format.err.find_first_of("\r\n")), "eitool-cli: --format takes png or bmp-tga, not \"jpeg\"");
  EXPECT_NE(format.err.find("Run \"eitool-cli extract --help\" to see its options."), std::string::npos) << format.err;
  EXPECT_EQ(format.err.find("Usage:"), std::string::npos) << format.err;
  // The GNU spellings and a choice in capitals.
  ASSERT_EQ(Cli("samples " + testing::Quoted(dir.File("S")), dir).status, 0);
  const Outcome png = Cli("extract --output=" + testing::Quoted(dir.File("OUT")) + " --format PNG " +
                              testing::Quoted(dir.File("S/stone.dds")), dir);
  EXPECT_EQ(png.status, 0) << png.err;
  EXPECT_TRUE(FileExists(dir.File("OUT/stone.png")));
  EXPECT_EQ(Cli("insert --format png -o x a.log", dir).status, 2);
  EXPECT_EQ(Cli("--help", dir).status, 0);
  const Outcome version = Cli("--version", dir);
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("eitool-cli ", 0), 0u);
}

TEST(Cli, InfoDescribesEachFileAndFailsOnUnreadableOnes) {
  testing::TempDir dir;
  const std::string s = dir.File("S");
  ASSERT_EQ(Cli("samples \"" + s + "\"", dir).status, 0);
  const Outcome good = Cli("info \"" + s + "/sky.dds\" \"" + s + "/bricks.dds\" \"" + s + "/font.tdt\" \"" + s +
                               "/font_new_glyphs.tga\"",
                           dir);
  EXPECT_EQ(good.status, 0) << good.err;
  EXPECT_NE(good.out.find("sky.dds: packed texture, 128 x 64, 32 bits per pixel, 32896 bytes unpacked"), std::string::npos)
      << good.out;
  EXPECT_NE(good.out.find("bricks.dds: raw texture, 48 x 32, 24 bits per pixel"), std::string::npos);
  EXPECT_NE(good.out.find("font.tdt: font table, 224 records, line height 12"), std::string::npos);
  EXPECT_NE(good.out.find("font_new_glyphs.tga: TGA image, 100 x 2048, 32 bits, with alpha"), std::string::npos);
  const std::string bad = dir.File("bad.dds");
  std::ofstream(bad) << "DDS?";
  const Outcome failed = Cli("info \"" + bad + "\"", dir);
  EXPECT_EQ(failed.status, 1);
  EXPECT_NE(failed.err.find(bad + " is not a texture file"), std::string::npos) << failed.err;
  // Each named once, said whole.
  const std::string shortTable = dir.File("short.tdt"), odd = dir.File("odd.xyz");
  std::ofstream(shortTable) << "abcd";
  std::ofstream(odd) << "xx";
  const Outcome refused = Cli("info \"" + shortTable + "\" \"" + odd + "\"", dir);
  EXPECT_EQ(refused.status, 1);
  for (const std::string& said : {"eitool-cli: " + shortTable + ": the font table is 4 bytes long; it needs 224 records of "
                                   "14 bytes (3136 bytes)",
                                   "eitool-cli: " + odd + " is not a texture, font table, BMP, TGA or PNG file"})
    EXPECT_NE(refused.err.find(said), std::string::npos) << refused.err;
  EXPECT_EQ(refused.err.find(shortTable + ": " + shortTable), std::string::npos) << refused.err;
}

// Every file under dir with its bytes, and the text with dir's path taken out, to compare two runs.
std::map<std::string, std::string> Outputs(const std::string& dir) {
  std::map<std::string, std::string> files;
  for (const auto& e : std::filesystem::directory_iterator(dir)) {
    std::string bytes = testing::Unsealed(testing::Slurp(e.path().string()));
    for (std::size_t at; (at = bytes.find(dir)) != std::string::npos;) bytes.replace(at, dir.size(), "<dir>");
    files[e.path().filename().string()] = bytes;
  }
  return files;
}

std::string Without(std::string text, const std::string& dir) {
  for (std::size_t at; (at = text.find(dir)) != std::string::npos;) text.replace(at, dir.size(), "<dir>");
  return text;
}

void WriteBytes(const std::string& path, const testing::Bytes& bytes) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<std::streamsize>(bytes.size()));
}

// A batch whose first entry is slow and whose second fails, so that workers run ahead of the
// failure; names taken twice, and a font pair late in the list.
struct WorkerCase {
  const char* name;
  const char* command;
  std::function<std::string(const testing::TempDir& dir, const std::string& s)> make;  // the files, as arguments
};

std::string Args(const std::string& s, std::initializer_list<std::string> names) {
  std::string args;
  for (const std::string& n : names) args += " \"" + s + "/" + n + "\"";
  return args;
}

const WorkerCase kWorkerCases[] = {
    {"extract", "extract",
     [](const testing::TempDir&, const std::string& s) {
       WriteBytes(s + "/big.dds", testing::MakePackedFile(testing::MakeTextureImage(1024, 1024, 32)));
       testing::Bytes cut = testing::MakePackedFile(testing::MakeTextureImage(64, 64, 32));
       cut.resize(200);
       WriteBytes(s + "/cut.dds", cut);
       WriteBytes(s + "/B/stone.dds", testing::MakeTextureImage(8, 8, 24));
       return Args(s, {"big.dds", "cut.dds", "stone.dds", "B/stone.dds", "sky.dds", "water.dds", "bricks.dds",
                       "font.tdt", "sky.dds"});
     }},
    {"insert", "insert",
     [](const testing::TempDir& dir, const std::string& s) {
       WriteBytes(s + "/big.dds", testing::MakePackedFile(testing::MakeTextureImage(1024, 1024, 32)));
       EXPECT_EQ(Cli("extract -o \"" + s + "/E\"" + Args(s, {"big.dds", "stone.dds", "sky.dds", "water.dds"}),
                     dir)
                     .status,
                 0);
       std::ofstream(s + "/missing.log") << "#Format: DDS\r\n#Source: " << s << "/gone.dds\r\n#Target BMP: " << s
                                          << "/E/stone.bmp\r\n";
       return Args(s, {"E/result.log", "missing.log", "E/result.log", "insert_font.log"});
     }},
};

class Workers : public ::testing::TestWithParam<WorkerCase> {};

// Whatever the number of workers, a run leaves the same files, says the same and ends the same way,
// with a failure in the list or without one stopping it.
TEST_P(Workers, GiveWhatOneWorkerGives) {
  testing::TempDir dir;
  const std::string s = dir.File("S");
  ASSERT_EQ(Cli("samples \"" + s + "\"", dir).status, 0);
  const std::string args = GetParam().make(dir, s);
  for (const std::string mode : {"", " --keep-going"}) {
    std::optional<std::tuple<int, std::string, std::string, std::map<std::string, std::size_t>>> first;
    for (const char* workers : {"1", "2", "8"}) {
      const std::string out = dir.File("out" + mode.substr(std::min<std::size_t>(mode.size(), 3)) + workers);
      const Outcome run = Cli(std::string(GetParam().command) + " -j " + workers + mode + " -o \"" + out + "\"" + args, dir);
      EXPECT_EQ(run.status, 1) << run.err;
      std::map<std::string, std::size_t> files;  // name and a hash of the content: short failure messages
      for (const auto& [name, bytes] : Outputs(out)) files[name] = std::hash<std::string>{}(bytes);
      auto seen = std::make_tuple(run.status, Without(run.out, out), Without(run.err, out), files);
      if (!first) {
        first = seen;
        EXPECT_EQ(std::get<3>(seen).count("result.log"), mode.empty() ? 0u : std::size_t{GetParam().command[0] == 'e'});
        continue;
      }
      EXPECT_EQ(std::get<1>(seen), std::get<1>(*first)) << "-j " << workers << mode;
      EXPECT_EQ(std::get<2>(seen), std::get<2>(*first)) << "-j " << workers << mode;
      EXPECT_EQ(std::get<3>(seen), std::get<3>(*first)) << "-j " << workers << mode;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Cli, Workers, ::testing::ValuesIn(kWorkerCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Cli, WorkerCountIsCheckedAsUsage) { EXPECT_EQ(Cli("extract -j 0 -o x a.dds", testing::TempDir()).status, 2); }

struct EditCase {
  const char* name;
  std::function<void(TBitmap&)> edit;
  const char* warning;  // empty: none
};

TEST(Cli, InsertWarnsAboutEditsThatLookWrongAndStrictRefusesThem) {
  const EditCase cases[] = {
      {"honest", [](TBitmap& b) { b.FillRect({2, 2, 6, 6}, kWhite, 200); }, ""},
      {"flipped",
       [](TBitmap& b) {
         for (std::int32_t y = 0, z = b.Height() - 1; y < z; ++y, --z)
           std::swap_ranges(b.ScanLine(y), b.ScanLine(y) + b.RowBytes(), b.ScanLine(z));
       },
       "looks upside down"},
      {"alpha_lost",
       [](TBitmap& b) {
         for (std::int32_t y = 0; y < b.Height(); ++y)
           for (std::int32_t x = 0; x < b.Width(); ++x) b.ScanLine(y)[4 * x + 3] = 255;
       },
       "has lost the texture's alpha"},
      {"unedited", [](TBitmap&) {}, "equals the texture exactly"},
  };
  testing::TempDir dir;
  const testing::Bytes texture = testing::MakeTextureImage(16, 12, 32);
  std::ofstream(dir.File("t.dds"), std::ios::binary)
      .write(reinterpret_cast<const char*>(texture.data()), static_cast<std::streamsize>(texture.size()));
  ASSERT_EQ(Cli("extract -o \"" + dir.File("E") + "\" \"" + dir.File("t.dds") + "\"", dir).status, 0);
  for (const EditCase& c : cases) {
    TBitmap picture;
    ReadTGA(dir.File("E/t.tga").c_str(), picture);
    c.edit(picture);
    const std::string edited = dir.File(std::string(c.name) + ".tga");
    WriteTGA(edited.c_str(), picture, 1);
    const std::string log = dir.File(std::string(c.name) + ".log");
    SaveLines(log, {"#Format: DDS", "#Source: " + dir.File("t.dds"), "#Target TGA: " + edited});
    const Outcome run = Cli("insert -o \"" + dir.File(std::string("I") + c.name) + "\" \"" + log + "\"", dir);
    EXPECT_EQ(run.status, 0) << c.name << run.err;
    std::size_t warnings = 0;
    for (std::size_t at = 0; (at = run.err.find("warning: ", at)) != std::string::npos; ++at) ++warnings;
    EXPECT_EQ(warnings, *c.warning != '\0' ? 1u : 0u) << c.name << run.err;
    if (*c.warning == '\0') continue;
    EXPECT_NE(run.err.find(c.warning), std::string::npos) << c.name << run.err;
    const std::string strictDir = dir.File(std::string("S") + c.name);
    const Outcome strict = Cli("insert --strict -o \"" + strictDir + "\" \"" + log + "\"", dir);
    EXPECT_EQ(strict.status, 1) << c.name;
    EXPECT_NE(strict.err.find(c.warning), std::string::npos) << strict.err;
    EXPECT_NE(strict.err.find(" (--strict)"), std::string::npos) << strict.err;  // the option that made it fail
    EXPECT_FALSE(std::filesystem::exists(strictDir)) << c.name;  // nothing written, not even the folder
  }
}

TEST(Cli, ZlibGivesZlibsBytesAndLibdeflateTheSameContent) {
  testing::TempDir dir;
  const std::string s = dir.File("S");
  ASSERT_EQ(Cli("samples \"" + s + "\"", dir).status, 0);
  ASSERT_EQ(Cli("extract -o \"" + dir.File("E") + "\" \"" + s + "/sky.dds\"", dir).status, 0);
  const std::string log = " \"" + dir.File("E/result.log") + "\"";
  ASSERT_EQ(Cli("insert --zlib -o \"" + dir.File("Z") + "\"" + log, dir).status, 0);
  ASSERT_EQ(Cli("insert -o \"" + dir.File("D") + "\"" + log, dir).status, 0);
  // The image as zlib level 1 packs it, after the 12 bytes of the container's head.
  TMemoryStream image;
  TFileStream source(s + "/sky.dds", FileMode::OpenRead);
  LoadTextureImage(source, image, "sky.dds");
  const testing::Bytes z = testing::ZlibCompress(testing::ContentOf(image), 1);
  const std::string zlibFile = testing::Slurp(dir.File("Z/sky.dds"));
  EXPECT_EQ(zlibFile.substr(12), std::string(z.begin(), z.end()));
  // Whatever packed the default output, zlib unpacks it to the same image.
  const std::string other = testing::Slurp(dir.File("D/sky.dds"));
  EXPECT_EQ(testing::ZlibUncompress(reinterpret_cast<const std::uint8_t*>(other.data()) + 12, other.size() - 12,
                                    static_cast<std::size_t>(image.Size())),
            testing::ContentOf(image));
  EXPECT_NE(Cli("--version", dir).out.find("textures are packed and unpacked with"), std::string::npos);
}

}  // namespace
}  // namespace eit

namespace eit {
namespace {

// Games from Windows name a font's files in any case: BIG.TDT beside BIG.DDS is one font on every system,
// given alone or found in a folder, and goes back under the game's own spelling.
TEST(Cli, AFontsTableAndTextureArePairedWhateverTheCaseOfTheirNames) {
  testing::TempDir dir;
  const std::string s = dir.File("S"), game = dir.File("G");
  ASSERT_EQ(Cli("samples " + testing::Quoted(s), dir).status, 0);
  std::filesystem::create_directories(game);
  std::filesystem::copy_file(s + "/font.tdt", game + "/BIG.TDT");
  std::filesystem::copy_file(s + "/font.dds", game + "/BIG.DDS");
  for (const std::string& given : {game + "/BIG.TDT", game}) {
    const std::string out = dir.File(given == game ? "OUT2" : "OUT1"), mod = out + "-mod";
    const Outcome extract = Cli("extract -o " + testing::Quoted(out) + " " + testing::Quoted(given), dir);
    ASSERT_EQ(extract.status, 0) << extract.err;
    const Outcome insert = Cli("insert -o " + testing::Quoted(mod) + " " + testing::Quoted(out + "/result.log"), dir);
    ASSERT_EQ(insert.status, 0) << insert.err;
    EXPECT_EQ(testing::Slurp(mod + "/BIG.TDT"), testing::Slurp(game + "/BIG.TDT")) << given;
    EXPECT_EQ(testing::Slurp(mod + "/BIG.DDS"), testing::Slurp(game + "/BIG.DDS")) << given;
  }
}

}  // namespace
}  // namespace eit

#ifndef _WIN32
namespace eit {
namespace {

// Folder names Linux allows and Windows does not (a ':' or a '\') come back under their own names.
TEST(Cli, FolderNamesWithColonsAndBackslashesRoundTrip) {
  testing::TempDir dir;
  const std::string s = dir.File("S"), game = dir.File("G");
  ASSERT_EQ(Cli("samples " + testing::Quoted(s), dir).status, 0);
  for (const char* folder : {"lev:el", "lev\\el", "100%"}) {
    std::filesystem::create_directories(game + "/" + folder);
    std::filesystem::copy_file(s + "/stone.dds", game + "/" + folder + "/stone.dds");
  }
  const std::string out = dir.File("OUT"), mod = dir.File("MOD");
  ASSERT_EQ(Cli("extract -o " + testing::Quoted(out) + " " + testing::Quoted(game), dir).status, 0);
  const Outcome insert = Cli("insert -o " + testing::Quoted(mod) + " " + testing::Quoted(out + "/result.log"), dir);
  ASSERT_EQ(insert.status, 0) << insert.err;
  for (const char* folder : {"lev:el", "lev\\el", "100%"})
    EXPECT_EQ(testing::Slurp(mod + "/" + folder + "/stone.dds"), testing::Slurp(game + "/" + folder + "/stone.dds"))
        << folder;
}

}  // namespace
}  // namespace eit
#endif

namespace eit {
namespace {

// A log saved by Notepad as "Unicode" (UTF-16 with its mark) or as UTF-32 replays as its UTF-8 self does.
TEST(Cli, ALogSavedAsUtf16OrUtf32ReplaysAsItsUtf8Self) {
  testing::TempDir dir;
  const std::string s = dir.File("S"), out = dir.File("OUT");
  ASSERT_EQ(Cli("samples " + testing::Quoted(s), dir).status, 0);
  ASSERT_EQ(Cli("extract -o " + testing::Quoted(out) + " " + testing::Quoted(s + "/stone.dds"), dir).status, 0);
  const std::string utf8 = testing::Slurp(out + "/result.log");
  for (const int unit : {2, 4}) {
    std::string wide = unit == 2 ? std::string("\xFF\xFE", 2) : std::string("\xFF\xFE\0\0", 4);
    // Decoded from UTF-8 by hand: the log holds only characters below U+10000.
    for (std::size_t i = 0; i < utf8.size();) {
      const auto c = static_cast<unsigned char>(utf8[i]);
      std::uint32_t code = c;
      std::size_t n = c < 0x80 ? 1 : c < 0xE0 ? 2 : 3;
      if (n == 2) code = ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu);
      if (n == 3)
        code = ((c & 0x0Fu) << 12) | ((static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu) << 6) |
               (static_cast<unsigned char>(utf8[i + 2]) & 0x3Fu);
      for (int k = 0; k < unit; ++k) wide += static_cast<char>((code >> (8 * k)) & 0xFF);
      i += n;
    }
    const std::string log = out + "/wide" + std::to_string(unit) + ".log", mod = dir.File("MOD" + std::to_string(unit));
    std::ofstream(log, std::ios::binary) << wide;
    const Outcome insert = Cli("insert -o " + testing::Quoted(mod) + " " + testing::Quoted(log), dir);
    ASSERT_EQ(insert.status, 0) << insert.err;
    EXPECT_EQ(testing::Slurp(mod + "/stone.dds"), testing::Slurp(s + "/stone.dds")) << unit;
  }
}

}  // namespace
}  // namespace eit
