// eitool-cli: the batch engine for shells and scripts.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>
#include <vector>


#include "platform/limits.h"
#include "engine/main.h"
#include "compression/pack_engine.h"
#include "formats/codepages.h"
#include "formats/font_tools.h"
#include "engine/font_tool_files.h"
#include "engine/glyph_table_files.h"
#include "engine/text_fit_files.h"
#include "engine/result_log.h"
#include "engine/game_folder.h"
#include "engine/target_folder.h"
#include "cli/sheet_words.h"
#include "cli/file_info.h"
#include "cli/terminal.h"
#include "cli/job_commands.h"
#include "cli/command_line.h"
#include "cli/usage.h"
#include "cli/samples.h"
#include "platform/console.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "codecs/png.h"

namespace {

using namespace eit::cli;

int RunSheet(const TCommandLine& line) {
  if (line.files.size() > 1) throw UsageError{"sheet takes one font table, not also " + line.files[1], line.command};
  const TSheetCommand& o = line.sheet;
  const std::string table = line.files.empty() ? "" : line.files[0], dir = o.output;
  eit::TSheetOptions options;
  static const TCliSheetWords words;
  options.Words = &words;
  options.FontFile = o.font;
  options.CodePage = o.codePage;
  options.First = o.first;
  options.End = o.end;
  if (o.mono || o.noMono) options.Mono = o.mono ? eit::TMono::On : eit::TMono::Off;
  options.AllowMissing = o.allowMissing;
  options.Face = o.face;
  options.PixelSize = o.size;
  if (table.empty() || options.FontFile.empty() || dir.empty())
    throw UsageError{"sheet needs a font table, --font FILE and -o DIR", line.command};
  if (eit::SheetFirstCode(options) >= options.End)
    throw UsageError{(options.First != 0 ? "--first " : "the first letter of code page " +
                                                           std::to_string(options.CodePage) + ", ") +
                         eit::CodeText(eit::SheetFirstCode(options)) + ", must come before --end " +
                         eit::CodeText(options.End),
                     line.command};
  eit::TMadeDirectories made;
  made.Make(dir);
  const std::string name = eit::Printable(eit::ExtractFileName(table));
  const eit::TSheetFiles files = eit::WriteGlyphSheetFromFont(table, options, dir, [&](const eit::TText& note) {
    std::fprintf(stderr, "%s: %s\n", name.c_str(), eit::Printable(note.English).c_str());
  }, o.table ? eit::TSheetTable::With : eit::TSheetTable::Without);
  made.Keep();
  std::printf("%s\n%s\n", eit::Printable(files.Sheet).c_str(), eit::Printable(files.Log).c_str());
  if (!files.Table.empty()) std::printf("%s\n", eit::Printable(files.Table).c_str());
  return 0;
}

int RunPreview(const TCommandLine& line) {
  if (line.files.size() > 1) throw UsageError{"preview takes one font table, not also " + line.files[1], line.command};
  const std::string table = line.files.empty() ? "" : line.files[0], output = line.preview.output;
  const std::string text = line.preview.text.value_or("");
  eit::TPreviewOptions options;
  options.CodePage = line.preview.codePage;
  options.Scale = line.preview.scale;
  if (table.empty() || !line.preview.text || output.empty())
    throw UsageError{"preview needs a font table, --text TEXT and -o FILE", line.command};
  const eit::TPreview preview = eit::WritePreview(table, text, options, output);
  for (const std::string& problem : preview.Problems)
    std::fprintf(stderr, "%s: warning: %s\n", eit::Printable(eit::ExtractFileName(table)).c_str(), eit::Printable(problem).c_str());
  std::printf("%s\n", eit::Printable(output).c_str());
  return 0;
}


int RunTable(const TCommandLine& line) {
  if (line.files.size() > 1) throw UsageError{"table takes one font table, not also " + line.files[1], line.command};
  const TTableCommand& o = line.table;
  const std::string table = line.files.empty() ? "" : line.files[0];
  if (table.empty() || o.output.empty()) throw UsageError{"table needs a font table and -o DIR", line.command};
  eit::TMadeDirectories made;
  made.Make(o.output);
  if (o.apply.empty()) {
    std::printf("%s\n", eit::Printable(eit::WriteGlyphTableFile(table, o.codePage, o.output)).c_str());
  } else {
    const eit::TTableFiles files = eit::ApplyGlyphTableFile(table, o.apply, o.output);
    for (const eit::TText& warning : files.Applied.Warnings)
      std::fprintf(stderr, "warning: %s\n", eit::Printable(warning.English).c_str());
    std::fprintf(stderr, "%d %s changed\n", files.Applied.Changed, files.Applied.Changed == 1 ? "glyph" : "glyphs");
    std::printf("%s\n%s\n", eit::Printable(files.Table).c_str(), eit::Printable(files.Texture).c_str());
  }
  made.Keep();
  return 0;
}

int RunFit(const TCommandLine& line) {
  const TFitCommand& o = line.fit;
  if (line.files.size() != 2) throw UsageError{"fit takes a font table and a file of lines", line.command};
  if (!o.widthColumn.empty() && o.textColumn.empty()) throw UsageError{"--width-column needs --text-column", line.command};
  const eit::TFitReport report = eit::FitLines(line.files[0], line.files[1], {o.codePage, o.width, o.textColumn, o.widthColumn});
  const std::string file = eit::Printable(line.files[1]);
  for (const eit::TFitFinding& f : report.Findings) {
    std::string said;
    if (f.Box > 0) said = std::to_string(f.Width) + " px, " + std::to_string(f.Width - f.Box) + " too wide for " + std::to_string(f.Box);
    for (std::size_t k = 0; k < f.Missing.size(); ++k)
      said.append(k == 0 ? (said.empty() ? "" : "; ") + std::string("the font cannot show ") : ", ").append(eit::DescribeCharacter(f.Missing[k]));
    std::printf("%s:%zu: %s: %s\n", file.c_str(), f.Line, eit::Printable(said).c_str(), eit::Printable(f.Text).c_str());
  }
  std::fprintf(stderr, "%s %s checked: %s too wide, %s with characters the font cannot show\n",
               eit::GroupedCount(static_cast<std::int64_t>(report.Checked)).c_str(), report.Checked == 1 ? "line" : "lines",
               eit::GroupedCount(static_cast<std::int64_t>(report.TooWide)).c_str(),
               eit::GroupedCount(static_cast<std::int64_t>(report.Lacking)).c_str());
  return report.Findings.empty() ? 0 : 1;
}

int RunSamples(const TCommandLine& line, eit::TPackEngine engine) {
  if (line.files.size() > 1) throw UsageError{"samples takes one directory, not also " + line.files[1], line.command};
  const std::string dir = line.files.empty() ? "" : line.files[0];
  const bool overwrite = line.overwrite;
  if (dir.empty()) throw UsageError{"samples needs a directory", line.command};
  // The user's own stone.dds may sit there: it is not ours to replace unasked.
  std::vector<std::string> existing;
  for (const std::string& name : eit::SampleFileNames())
    if (eit::FileExists(eit::JoinPath(dir, name)) || eit::DirectoryExists(eit::JoinPath(dir, name)))
      existing.push_back(name);
  if (!existing.empty() && !overwrite) {
    std::string names;
    for (const std::string& name : existing) names += (names.empty() ? "" : ", ") + name;
    throw eit::Exception(std::to_string(existing.size()) + (existing.size() == 1 ? " file" : " files") + " in " + dir +
                         (existing.size() == 1 ? " already exists" : " already exist") +
                         " and would be replaced: " + names + "; give --overwrite to replace them, or choose "
                         "another directory");
  }
  eit::TMadeDirectories made;
  made.Make(dir);
  const std::vector<std::string> written = eit::WriteSamples(dir, engine);
  made.Keep();
  for (const std::string& path : written) std::printf("%s\n", eit::Printable(path).c_str());
  return 0;
}

int RunInfo(const TCommandLine& line) {
  if (line.files.empty()) throw UsageError{"info needs at least one file", line.command};
  int status = 0;
  for (const std::string& path : line.files) {
    try {
      std::printf("%s\n", eit::Printable(eit::DescribeFile(path)).c_str());
    } catch (const std::exception& e) {
      std::fprintf(stderr, "eitool-cli: %s\n", eit::Printable(eit::ErrorNamingFile(e, path).English).c_str());
      status = 1;
    }
  }
  return status;
}

int RunCommand(const TCommandLine& line) {
  const eit::TPackEngine engine = line.zlib ? eit::TPackEngine::Zlib : eit::TPackEngine::Fastest;
  if (line.help) {
    std::printf("%s", UsageOf(line.command).c_str());
    return 0;
  }
  if (line.version) {
    std::printf("eitool-cli %s\n%s\nPNG: %s\n", EIT_VERSION, eit::PackEngineDescription(engine).c_str(),
                eit::PngLibraryDescription().c_str());
    return 0;
  }
  if (line.command == "extract" || line.command == "insert") return RunJobs(line);
  if (line.command == "sheet") return RunSheet(line);
  if (line.command == "preview") return RunPreview(line);
  if (line.command == "table") return RunTable(line);
  if (line.command == "fit") return RunFit(line);
  if (line.command == "samples") return RunSamples(line, engine);
  return RunInfo(line);
}

}  // namespace

int main(int argc, char** argv) {
  eit::InstallInterruptCleanup();
  eit::UseUtf8Console();
  int status;
  try {
    status = RunCommand(ReadCommandLine(eit::CommandLineArguments(argc, argv)));
  } catch (const UsageError& e) {
    std::fprintf(stderr, "eitool-cli: %s\n%s\n", eit::Printable(e.message).c_str(), HelpLine(e.command).c_str());
    return 2;
  } catch (const std::exception& e) {
    eit::TFailure failure = eit::FailureOf(e);
    failure.Text = eit::ErrorNamingFile(e, "").English;
    std::fprintf(stderr, "eitool-cli: %s\n", eit::Printable(eit::Worded(failure)).c_str());
    return 1;
  }
  // The list of files written is the run's report: when it cannot be written, the run did not succeed.
  if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
    std::fprintf(stderr, "eitool-cli: Cannot write to standard output\n");
    return 1;
  }
  return status;
}
