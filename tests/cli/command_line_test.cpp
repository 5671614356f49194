// eitool-cli's command line: each option in each spelling, choices in any case, exclusive pairs, and the
// usage errors, read as the program reads them.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "cli/command_line.h"
#include "cli/usage.h"
#include "support/cli_run.h"
#include "platform/paths.h"

namespace eit::cli {
namespace {

std::vector<std::string> Words(const std::string& line) {
  std::vector<std::string> words;
  std::string word;
  bool quoted = false, any = false;
  for (const char c : line) {
    if (c == '\'') {
      quoted = !quoted, any = true;
    } else if (c == ' ' && !quoted) {
      if (any) words.push_back(word);
      word.clear(), any = false;
    } else {
      word += c, any = true;
    }
  }
  if (any) words.push_back(word);
  return words;
}

// The parse as one line, each field that is not as it would be without its option:
// "extract [a.dds] output=OUT +overwrite" (zlib and help shown when set).
std::string Rendered(const TCommandLine& line) {
  std::string text = line.command;
  for (const std::string& file : line.files) text += " [" + file + "]";
  auto value = [&](const char* name, const std::string& v, bool given) {
    if (given) text.append(" ").append(name).append("=").append(v);
  };
  auto flag = [&](const char* name, bool on) {
    if (on) text.append(" +").append(name);
  };
  const TJobOptions& j = line.job;
  const TSheetCommand& s = line.sheet;
  const TPreviewCommand& p = line.preview;
  value("output", j.output + s.output + p.output, !(j.output + s.output + p.output).empty());
  value("jobs", std::to_string(j.jobs), j.jobs != 0);
  value("format", "png", j.images == TImageFiles::Png);
  value("font", s.font, !s.font.empty());
  value("codepage", std::to_string(s.codePage), s.codePage != 1251);
  value("first", std::to_string(s.first), s.first != 0);
  value("end", std::to_string(s.end), s.end != 0x100);
  value("size", std::to_string(s.size), s.size != 0);
  value("face", std::to_string(s.face), s.face != 0);
  value("text", p.text.value_or(""), p.text.has_value());
  value("page", std::to_string(p.codePage), p.codePage != 1251);
  value("scale", std::to_string(p.scale), p.scale != 1);
  for (const auto& [name, on] : {std::pair{"overwrite", j.overwrite || line.overwrite}, {"keep-both", j.keepBoth},
                                  {"update", j.update}, {"changed-only", j.changedOnly}, {"here", j.here},
                                  {"strict", j.strict}, {"keep-going", j.keepGoing}, {"mono", s.mono},
                                  {"no-mono", s.noMono}, {"allow-missing", s.allowMissing}})
    flag(name, on);
  if (line.zlib) text += " zlib";
  if (line.help) text += " help";
  if (line.version) text += " version";
  return text;
}

std::string Read(const std::string& args) {
  try {
    return Rendered(ReadCommandLine(Words(args)));
  } catch (const UsageError& e) {
    return "usage error (" + e.command + "): " + e.message;
  }
}

TEST(CommandLine, EachOptionInEachSpellingReadsTheSame) {
  const struct {
    std::vector<std::string> spellings;
    std::string read;
  } rows[] = {
      {{"extract -o OUT a.dds", "extract --output OUT a.dds", "extract --output=OUT a.dds", "extract a.dds -oOUT"},
       "extract [a.dds] output=OUT"},
      {{"extract -j 4 a.dds", "extract --jobs 4 a.dds", "extract --jobs=4 a.dds", "extract -j4 a.dds"},
       "extract [a.dds] jobs=4"},
      {{"extract --format png a", "extract --format=png a"}, "extract [a] format=png"},
      {{"extract --overwrite --keep-going --zlib a", "extract --overwrite=yes --keep-going=1 --zlib=on a"},
       "extract [a] +overwrite +keep-going zlib"},
      {{"--zlib extract a"}, "extract [a] zlib"},
      {{"extract --keep-both a b", "extract --overwrite=false --keep-both a b", "extract --keep-both=TRUE --update=off a b"},
       "extract [a] [b] +keep-both"},
      {{"insert --changed-only --here --strict --keep-going x.log"},
       "insert [x.log] +changed-only +here +strict +keep-going"},
      {{"sheet t.tdt --font f.ttf --codepage 1250 --first 0x80 --end 0x100 --size 9 --face 1 --mono --allow-missing -o D",
        "sheet t.tdt --font=f.ttf --codepage=1250 --first=0x80 --end=0x100 --size=9 --face=1 --mono --allow-missing "
        "--output=D"},
       "sheet [t.tdt] output=D font=f.ttf codepage=1250 first=128 size=9 face=1 +mono +allow-missing"},
      {{"preview t.tdt --text 'a b' --scale 2 -o p.tga", "preview t.tdt --text='a b' --scale=2 --output=p.tga"},
       "preview [t.tdt] output=p.tga text=a b scale=2"},
      {{"preview t.tdt --text= -o p.tga", "preview t.tdt --text '' -o p.tga"}, "preview [t.tdt] output=p.tga text="},
      {{"samples --overwrite D"}, "samples [D] +overwrite"},
      {{"info a b"}, "info [a] [b]"},
      // The last of an option given twice counts; after "--" every word is a file.
      {{"extract -o A --output B a"}, "extract [a] output=B"},
      {{"extract -o OUT -- -j.dds --zlib"}, "extract [-j.dds] [--zlib] output=OUT"},
      // A path from the root is a path on every system, never a Windows-style option.
      {{"extract -o /out /games/x.dds"}, "extract [/games/x.dds] output=/out"},
      {{"--help", "-h"}, " help"},
      {{"extract --help", "extract -h"}, "extract help"},
      {{"--version"}, " version"},
  };
  for (const auto& row : rows)
    for (const std::string& spelling : row.spellings) EXPECT_EQ(Read(spelling), row.read) << spelling;
}

TEST(CommandLine, UsageErrorsAreOneMessageNamingTheCommand) {
  const struct {
    std::string args, says;
  } rows[] = {
      {"", "usage error (): no command given"},
      {"frobnicate", "usage error (): unknown command frobnicate"},
      {"extract --frob -o x a", "usage error (extract): unknown option --frob"},
      {"insert --format png -o x a.log", "usage error (insert): unknown option --format"},
      {"extract --strict -o x a", "usage error (extract): unknown option --strict"},
      {"samples --changed-only D", "usage error (samples): unknown option --changed-only"},
      {"extract --overwrite --keep-both -o x a", "usage error (extract): give --overwrite or --keep-both, not both"},
      {"sheet t --mono --no-mono", "usage error (sheet): give --mono or --no-mono, not both"},
      {"extract a -o", "usage error (extract): --output needs a directory"},
      {"extract a -j", "usage error (extract): --jobs needs a number of files to run at a time"},
      {"sheet t --font", "usage error (sheet): --font needs a value"},
      {"sheet t --size", "usage error (sheet): --size needs a number"},
      {"extract --keep-going=maybe a", "usage error (extract): --keep-going takes no value, or true or false, not \"maybe\""},
      {"extract --overwrite= a", "usage error (extract): --overwrite takes no value, or true or false, not \"\""},
      {"extract --overwrite=true --keep-both=1 a", "usage error (extract): give --overwrite or --keep-both, not both"},
      {"extract --update --overwrite a", "usage error (extract): give --update or --overwrite, not both"},
      {"extract --keep-both --update a", "usage error (extract): give --update or --keep-both, not both"},
  };
  for (const auto& row : rows) EXPECT_EQ(Read(row.args), row.says) << row.args;
  EXPECT_EQ(HelpLine("sheet"), "Run \"eitool-cli sheet --help\" to see its options.");
  EXPECT_EQ(HelpLine(""), "Run \"eitool-cli --help\" to see the commands.");
}

TEST(CommandLine, ValuesAreReadAsEachOptionNeedsThem) {
  using TRead = std::function<std::string(const TCommandLine&)>;
  const TRead format = [](const TCommandLine& l) { return std::string(ImageExtension(l.job.images, 24)); };
  const TRead workers = [](const TCommandLine& l) { return std::to_string(l.job.jobs); };
  const TRead cap = [](const TCommandLine& l) { return std::to_string(l.sheet.size); };
  const TRead first = [](const TCommandLine& l) { return std::to_string(l.sheet.first); };
  const TRead page = [](const TCommandLine& l) { return std::to_string(l.sheet.codePage); };
  const TRead face = [](const TCommandLine& l) { return std::to_string(l.sheet.face); };
  const TRead scale = [](const TCommandLine& l) { return std::to_string(l.preview.scale); };
  const struct {
    std::string args;
    TRead read;
    std::string gives;
  } rows[] = {
      {"extract --format PNG a", format, ".png"},
      {"extract --format=Png a", format, ".png"},
      {"extract --format BMP-TGA a", format, ".bmp"},
      {"extract a", format, ".bmp"},
      {"extract --format jpeg a", format, "--format takes png or bmp-tga, not \"jpeg\""},
      {"extract a", workers, "0"},
      {"extract -j 256 a", workers, "256"},
      {"extract -j 0 a", workers, "-j needs a number from 1 to 256, not \"0\""},
      {"extract --jobs=x a", workers, "-j needs a number from 1 to 256, not \"x\""},
      {"sheet t --size 6", cap, "6"},
      {"sheet t", cap, "0"},
      {"sheet t --size=5", cap, "--size 5: a cap height of 5 pixels cannot hold a letter that reads; the least is 6"},
      {"sheet t --first 0x80", first, "128"},
      {"sheet t --first=0x7E", first, "--first needs a code from 0x7F to 0xFF, not \"0x7E\""},
      {"sheet t --codepage 1250", page, "1250"},
      {"sheet t", page, "1251"},
      {"sheet t --face 0x10", face, "16"},
      {"sheet t --face 1024", face, "--face needs a number from 0 to 1023, not \"1024\""},
      {"preview t --scale 9", scale, "--scale needs a number from 1 to 8, not \"9\""},
      {"preview t --scale 08", scale, "8"},
      {"sheet t --codepage 1234", page, "--codepage: Code page 1234 is not known; the known ones are 1250, 1251, 1252, 1253, 1254, 1257"},
      {"sheet t --end 0x101", first, "--end needs a code from 0x80 to 0x100, not \"0x101\""},
      // Numbers are decimal, whatever their leading zeros; only codes and "0x" numbers are hexadecimal.
      {"sheet t --size 010", cap, "10"},
      {"sheet t --codepage 01251", page, "1251"},
      {"extract -j 08 a", workers, "8"},
      {"sheet t --first 0X9f", first, "159"},
      {"sheet t --size ' 9'", cap, "--size needs a number from 1 to 200, not \" 9\""},
      {"sheet t --size +9", cap, "--size needs a number from 1 to 200, not \"+9\""},
      {"sheet t --first 0x0x80", first, "--first needs a code from 0x7F to 0xFF, not \"0x0x80\""},
  };
  for (const auto& row : rows) {
    std::string got;
    try {
      got = row.read(ReadCommandLine(Words(row.args)));
    } catch (const UsageError& e) {
      got = e.message;
    }
    EXPECT_EQ(got, row.gives) << row.args;
  }
}

// The usage, the bash completion and the manual page name every option each command declares, so that an
// option added in one place is not missing from the others.
TEST(CommandLine, UsageCompletionAndManualPageNameEveryDeclaredOption) {
  const std::string completion = testing::Slurp(EIT_SOURCE_DIR "/packaging/eitool-cli.bash-completion");
  const std::string manual = testing::Slurp(EIT_SOURCE_DIR "/packaging/eitool-cli.1");
  for (const auto& [command, options] : DeclaredOptions()) {
    const std::size_t at = completion.find("    " + command + ") options=\"");
    ASSERT_NE(at, std::string::npos) << command;
    const std::size_t open = completion.find('"', at) + 1;
    const std::string line = " " + completion.substr(open, completion.find('"', open) - open) + " ";
    const std::string usage = UsageOf(command);
    for (const std::string& names : options) {
      std::vector<std::string> each;
      for (std::size_t from = 0; from <= names.size();) {
        const std::size_t comma = std::min(names.find(',', from), names.size());
        each.push_back(names.substr(from, comma - from));
        from = comma + 1;
      }
      for (const std::string& name : each)
        EXPECT_NE(line.find(" " + name + " "), std::string::npos) << command << " " << name;
      const std::string& longName = each.back();
      std::string escaped;
      for (const char c : longName) escaped += c == '-' ? std::string("\\-") : std::string(1, c);
      EXPECT_NE(manual.find(escaped), std::string::npos) << longName;
      EXPECT_TRUE(std::any_of(each.begin(), each.end(), [&](const std::string& n) { return usage.find(n) != std::string::npos; }))
          << command << " " << longName;
    }
  }
}

}  // namespace
}  // namespace eit::cli
