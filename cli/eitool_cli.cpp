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
#include "engine/result_log.h"
#include "engine/game_folder.h"
#include "engine/target_folder.h"
#include "cli/file_info.h"
#include "cli/terminal.h"
#include "cli/job_commands.h"
#include "cli/usage.h"
#include "cli/samples.h"
#include "platform/console.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "codecs/png.h"

namespace {

using namespace eit::cli;

void CheckCodePageOption(int codePage) {
  try {
    eit::CheckCodePage(codePage);
  } catch (const eit::Exception& e) {
    throw UsageError{"--codepage: " + e.Message()};
  }
}

// The value after an option, as a number (decimal, or hexadecimal with 0x).
int NumberAfter(const std::vector<std::string>& args, std::size_t& i, int least, int most) {
  const std::string& option = args[i];
  if (++i == args.size()) throw UsageError{option + " needs a number"};
  char* end = nullptr;
  const long value = std::strtol(args[i].c_str(), &end, 0);
  if (end == args[i].c_str() || *end != '\0' || value < least || value > most)
    throw UsageError{option + " needs a number from " + std::to_string(least) + " to " + std::to_string(most) +
                     ", not \"" + args[i] + "\""};
  return static_cast<int>(value);
}

std::string TextAfter(const std::vector<std::string>& args, std::size_t& i) {
  const std::string& option = args[i];
  if (++i == args.size()) throw UsageError{option + " needs a value"};
  return args[i];
}


// A character code: the range in messages reads as codes do.
int CodeAfter(const std::vector<std::string>& args, std::size_t& i, int least, int most) {
  try {
    return NumberAfter(args, i, least, most);
  } catch (const UsageError&) {
    throw UsageError{args[i - 1] + " needs a code from " + eit::CodeText(least) + " to " + eit::CodeText(most) +
                     (i < args.size() ? ", not \"" + args[i] + "\"" : "")};
  }
}

// A cap height: too few rows for a letter to read are refused with that reason.
int CapHeightAfter(const std::vector<std::string>& args, std::size_t& i) {
  const int cap = NumberAfter(args, i, 1, eit::kMaxGlyphPixelSize);
  if (cap < eit::kLeastCapHeight)
    throw UsageError{"--size " + std::to_string(cap) + ": a cap height of " + std::to_string(cap) +
                     " pixels cannot hold a letter that reads; the least is " + std::to_string(eit::kLeastCapHeight)};
  return cap;
}

int RunSheet(const std::vector<std::string>& args) {
  std::string table, dir;
  eit::TSheetOptions options;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (!IsOption(a, optionsEnded)) {
      if (!table.empty()) throw UsageError{"sheet takes one font table, not also " + a};
      table = a;
    } else if (a == "--") {  // the end of the options, noted by IsOption
    } else if (a == "--help" || a == "-h") {
      std::printf("%s", kSheetUsage);
      return 0;
    } else if (a == "--font") {
      options.FontFile = TextAfter(args, i);
    } else if (a == "--codepage") {
      options.CodePage = NumberAfter(args, i, 0, 65535);
      CheckCodePageOption(options.CodePage);
    } else if (a == "--first") {
      // The insert keeps the codes below 0x7F.
      options.First = CodeAfter(args, i, eit::KeptCodeLimit, 0xFF);
    } else if (a == "--end") {
      options.End = CodeAfter(args, i, eit::KeptCodeLimit + 1, 0x100);
    } else if (a == "--mono" || a == "--no-mono") {
      const eit::TMono asked = a == "--mono" ? eit::TMono::On : eit::TMono::Off;
      if (options.Mono != eit::TMono::Auto && options.Mono != asked)
        throw UsageError{"give --mono or --no-mono, not both"};
      options.Mono = asked;
    } else if (a == "--allow-missing") {
      options.AllowMissing = true;
    } else if (a == "--face") {
      options.Face = NumberAfter(args, i, 0, 1023);
    } else if (a == "--size") {
      options.PixelSize = CapHeightAfter(args, i);
    } else if (a == "-o" || a == "--output") {
      dir = TextAfter(args, i);
    } else {
      throw UsageError{"unknown option " + a};
    }
  }
  if (table.empty() || options.FontFile.empty() || dir.empty())
    throw UsageError{"sheet needs a font table, --font FILE and -o DIR"};
  if (eit::SheetFirstCode(options) >= options.End)
    throw UsageError{(options.First != 0 ? "--first " : "the first letter of code page " +
                                                           std::to_string(options.CodePage) + ", ") +
                     eit::CodeText(eit::SheetFirstCode(options)) + ", must come before --end " +
                     eit::CodeText(options.End)};
  eit::TMadeDirectories made;
  made.Make(dir);
  const std::string name = eit::Printable(eit::ExtractFileName(table));
  const eit::TSheetFiles files = eit::WriteGlyphSheetFromFont(table, options, dir, [&](const std::string& note) {
    std::fprintf(stderr, "%s: %s\n", name.c_str(), eit::Printable(note).c_str());
  });
  made.Keep();
  std::printf("%s\n%s\n", eit::Printable(files.Sheet).c_str(), eit::Printable(files.Log).c_str());
  return 0;
}

int RunPreview(const std::vector<std::string>& args) {
  std::string table, output, text;
  bool haveText = false;
  eit::TPreviewOptions options;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (!IsOption(a, optionsEnded)) {
      if (!table.empty()) throw UsageError{"preview takes one font table, not also " + a};
      table = a;
    } else if (a == "--") {  // the end of the options, noted by IsOption
    } else if (a == "--help" || a == "-h") {
      std::printf("%s", kPreviewUsage);
      return 0;
    } else if (a == "--text") {
      text = TextAfter(args, i);
      haveText = true;
    } else if (a == "--codepage") {
      options.CodePage = NumberAfter(args, i, 0, 65535);
      CheckCodePageOption(options.CodePage);
    } else if (a == "--scale") {
      options.Scale = NumberAfter(args, i, 1, eit::kMaxPreviewScale);
    } else if (a == "-o" || a == "--output") {
      output = TextAfter(args, i);
    } else {
      throw UsageError{"unknown option " + a};
    }
  }
  if (table.empty() || !haveText || output.empty()) throw UsageError{"preview needs a font table, --text TEXT and -o FILE"};
  const eit::TPreview preview = eit::WritePreview(table, text, options, output);
  for (const std::string& problem : preview.Problems)
    std::fprintf(stderr, "%s: warning: %s\n", eit::Printable(eit::ExtractFileName(table)).c_str(), eit::Printable(problem).c_str());
  std::printf("%s\n", eit::Printable(output).c_str());
  return 0;
}


int RunSamples(const std::vector<std::string>& args, eit::TPackEngine engine) {
  std::string dir;
  bool overwrite = false, optionsEnded = false;
  for (const std::string& a : args) {
    if (!IsOption(a, optionsEnded)) {
      if (!dir.empty()) throw UsageError{"samples takes one directory, not also " + a};
      dir = a;
    } else if (a == "--") {  // the end of the options, noted by IsOption
    } else if (a == "--help" || a == "-h") {
      std::printf("%s", kSamplesUsage);
      return 0;
    } else if (a == "--overwrite") {
      overwrite = true;
    } else {
      throw UsageError{"unknown option " + a};
    }
  }
  if (dir.empty()) throw UsageError{"samples needs a directory"};
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

int RunCommand(const std::vector<std::string>& args, eit::TPackEngine engine);

// A usage error of a command shows that command's usage, not all of them.
int Run(const std::vector<std::string>& args, eit::TPackEngine engine = eit::TPackEngine::Fastest) {
  const std::string command = args.empty() ? "" : args[0];
  const char* usage = command == "extract" ? kExtractUsage
                      : command == "insert" ? kInsertUsage
                      : command == "sheet"  ? kSheetUsage
                      : command == "preview" ? kPreviewUsage
                      : command == "samples" ? kSamplesUsage
                                             : nullptr;
  try {
    return RunCommand(args, engine);
  } catch (UsageError& e) {
    if (e.usage == nullptr) e.usage = usage;
    throw;
  }
}

int RunCommand(const std::vector<std::string>& args, eit::TPackEngine engine) {
  if (args.empty()) throw UsageError{"no command given"};
  const std::string& command = args[0];
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  if (command == "--help" || command == "-h") {
    std::printf("%s", kUsage);
    return 0;
  }
  if (command == "--version") {
    std::printf("eitool-cli %s\n%s\nPNG: %s\n", EIT_VERSION, eit::PackEngineDescription(engine).c_str(),
                eit::PngLibraryDescription().c_str());
    return 0;
  }
  if (command == "--zlib") return Run(rest, eit::TPackEngine::Zlib);
  if (command == "extract" || command == "insert") return RunJobs(command == "extract", rest, engine);
  if (command == "sheet") return RunSheet(rest);
  if (command == "preview") return RunPreview(rest);
  if (command == "samples") return RunSamples(rest, engine);
  if (command == "info") {
    if (rest.size() == 1 && (rest[0] == "--help" || rest[0] == "-h")) {
      std::printf("Usage: eitool-cli info FILE...\nSays what each file is.\n");
      return 0;
    }
    if (rest.empty()) throw UsageError{"info needs at least one file"};
    int status = 0;
    for (const std::string& path : rest) {
      try {
        std::printf("%s\n", eit::Printable(eit::DescribeFile(path)).c_str());
      } catch (const std::exception& e) {
        std::fprintf(stderr, "eitool-cli: %s\n", eit::Printable(eit::ErrorNamingFile(e, path)).c_str());
        status = 1;
      }
    }
    return status;
  }
  throw UsageError{"unknown command " + command};
}

}  // namespace

int main(int argc, char** argv) {
  eit::InstallInterruptCleanup();
  eit::UseUtf8Console();
  int status;
  try {
    status = Run(eit::CommandLineArguments(argc, argv));
  } catch (const UsageError& e) {
    std::fprintf(stderr, "eitool-cli: %s\n\n%s", eit::Printable(e.message).c_str(), e.usage != nullptr ? e.usage : kUsage);
    return 2;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "eitool-cli: %s\n", eit::Printable(eit::ErrorNamingFile(e, "")).c_str());
    return 1;
  }
  // The list of files written is the run's report: when it cannot be written, the run did not succeed.
  if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
    std::fprintf(stderr, "eitool-cli: Cannot write to standard output\n");
    return 1;
  }
  return status;
}
