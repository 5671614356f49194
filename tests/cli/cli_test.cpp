// eitool-cli, run as users run it.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <algorithm>
#include <functional>
#include <map>

#include "formats/formathandlers.h"
#include "tga/targa.h"
#include "platform/files.h"
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
  const Outcome run = Cli("extract -o \"" + out + "\" \"" + s + "/stone.dds\" \"" + s + "/water.dds\" \"" + s +
                              "/font.tdt\"",
                          dir);
  ASSERT_EQ(run.status, 0) << run.err;
  const auto log = LoadLines(out + "/result.log");
  ASSERT_EQ(log.size(), 9u);
  EXPECT_EQ(log[0], "#Format: DDS");
  EXPECT_EQ(log[6], "#Format: TDT");
  for (std::size_t i = 2; i < log.size(); i += 3) {
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
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[1].rfind("#Source: ", 0), 0u);
  EXPECT_NE(log[1].find("stone.dds"), std::string::npos);
}

TEST(Cli, UsageErrorsExitWithTwo) {
  testing::TempDir dir;
  EXPECT_EQ(Cli("", dir).status, 2);
  EXPECT_EQ(Cli("frobnicate", dir).status, 2);
  EXPECT_EQ(Cli("extract a.dds", dir).status, 2);
  const Outcome wrong = Cli("extract -o x picture.png", dir);
  EXPECT_EQ(wrong.status, 2);
  EXPECT_NE(wrong.err.find("picture.png is neither a texture (.dds) nor a font table (.tdt)"), std::string::npos);
  EXPECT_EQ(Cli("insert -o x a.dds", dir).status, 2);
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
}

// Every file under dir with its bytes, and the text with dir's path taken out, to compare two runs.
std::map<std::string, std::string> Outputs(const std::string& dir) {
  std::map<std::string, std::string> files;
  for (const auto& e : std::filesystem::directory_iterator(dir)) {
    std::string bytes = testing::Slurp(e.path().string());
    for (std::size_t at; (at = bytes.find(dir)) != std::string::npos;) bytes.replace(at, dir.size(), "<dir>");
    files[e.path().filename().string()] = bytes;
  }
  return files;
}

std::string Without(std::string text, const std::string& dir) {
  for (std::size_t at; (at = text.find(dir)) != std::string::npos;) text.replace(at, dir.size(), "<dir>");
  return text;
}

TEST(Cli, ParallelRunsGiveWhatOneWorkerGives) {
  testing::TempDir dir;
  const std::string s = dir.File("S");
  ASSERT_EQ(Cli("samples \"" + s + "\"", dir).status, 0);
  // Same names from two folders, and a broken texture in the middle.
  std::filesystem::create_directories(dir.File("B"));
  for (const char* name : {"stone.dds", "sky.dds", "water.dds"})
    std::filesystem::copy_file(s + "/" + name, dir.File("B/") + name);
  std::ofstream(dir.File("B/broken.dds")) << "ELTE but not really";
  std::string files;
  for (const char* f : {"S/stone.dds", "B/stone.dds", "S/sky.dds", "B/broken.dds", "S/water.dds", "B/sky.dds",
                        "B/water.dds", "S/bricks.dds", "S/font.tdt"})
    files += " \"" + dir.File(f) + "\"";
  for (const char* mode : {"--keep-going", ""}) {
    const std::string one = dir.File(std::string("one") + mode), many = dir.File(std::string("many") + mode);
    const Outcome a = Cli(std::string("extract -j 1 ") + mode + " -o \"" + one + "\"" + files, dir);
    const Outcome b = Cli(std::string("extract -j 4 ") + mode + " -o \"" + many + "\"" + files, dir);
    EXPECT_EQ(a.status, 1);
    EXPECT_EQ(b.status, 1);
    EXPECT_EQ(Without(b.out, many), Without(a.out, one)) << mode;
    EXPECT_EQ(Without(b.err, many), Without(a.err, one)) << mode;
    const auto outputs = Outputs(one), parallel = Outputs(many);
    if (*mode != '\0') {
      EXPECT_EQ(parallel, outputs);
    } else {
      // Without --keep-going, entries already under way when the failure came may have finished too.
      for (const auto& [name, bytes] : outputs) EXPECT_EQ(parallel.at(name), bytes) << name;
      EXPECT_EQ(parallel.count("result.log"), 0u);
    }
  }
  // Replays: the same log twice, so that every record's output takes a second name (its font record
  // has no code lines and fails, after the textures).
  const std::string log = " \"" + dir.File("one--keep-going/result.log") + "\"";
  const Outcome a = Cli("insert --keep-going -j 1 -o \"" + dir.File("i1") + "\"" + log + log, dir);
  const Outcome b = Cli("insert --keep-going -j 3 -o \"" + dir.File("i3") + "\"" + log + log, dir);
  EXPECT_EQ(a.status, 1);
  EXPECT_EQ(b.status, 1);
  EXPECT_NE(a.out.find("stone (2).dds"), std::string::npos) << a.out;
  EXPECT_EQ(Without(b.out, dir.File("i3")), Without(a.out, dir.File("i1")));
  EXPECT_EQ(Without(b.err, dir.File("i3")), Without(a.err, dir.File("i1")));
  EXPECT_EQ(Outputs(dir.File("i3")), Outputs(dir.File("i1")));
  EXPECT_EQ(Cli("extract -j 0 -o x a.dds", dir).status, 2);
}

struct EditCase {
  const char* name;
  std::function<void(TBitmap&)> edit;
  const char* warning;  // empty: none
};

TEST(Cli, InsertWarnsAboutEditsThatLookWrongAndStrictRefusesThem) {
  const EditCase cases[] = {
      {"honest", [](TBitmap& b) { b.FillRect({2, 2, 6, 6}, clWhite, 200); }, ""},
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
    EXPECT_TRUE(std::filesystem::is_empty(strictDir)) << c.name;
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
