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
#include "engine/font_tool_files.h"
#include "engine/result_log.h"
#include "engine/game_folder.h"
#include "engine/target_folder.h"
#include "cli/file_info.h"
#include "cli/terminal.h"
#include "cli/usage.h"
#include "cli/samples.h"
#include "platform/console.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "tga/png.h"

namespace {

using namespace eit::cli;



struct UsageError {
  std::string message;
  const char* usage = nullptr;  // the command's own, shown with the message; null: the whole usage
};

// Options come before "--"; everything after it is a file, even when it starts with "-".
bool IsOption(const std::string& arg, bool& optionsEnded) {
  if (optionsEnded) return false;
  if (arg == "--") {
    optionsEnded = true;
    return true;
  }
  return !arg.empty() && arg[0] == '-';
}

void CheckCodePageOption(int codePage) {
  try {
    eit::CheckCodePage(codePage);
  } catch (const eit::Exception& e) {
    throw UsageError{"--codepage: " + e.Message()};
  }
}

// Logs name their files by absolute paths, so they replay from any working directory.
std::string Absolute(const std::string& path) { return eit::AbsolutePath(path); }

// What the folders given whole held besides their entries, for the summary.
struct TWalked {
  std::size_t otherFiles = 0, links = 0;
  std::vector<std::string> unreadable;
};

void AddEntry(bool extract, const std::string& a, std::vector<eit::TJobEntry>& entries, TWalked& walked) {
  const std::string ext = eit::ExtractFileExtLower(a);
  if (extract && eit::DirectoryExists(a)) {
    // A game's folder: everything under it, the tree kept.
    const eit::TFolderWalk walk = eit::WalkGameFolder(Absolute(a), [&](std::size_t seen) {
      std::fprintf(stderr, "looking through %s: %zu files so far\n", eit::Printable(a).c_str(), seen);
    });
    eit::CheckSomethingToExtract(a, walk);
    entries.insert(entries.end(), walk.Entries.begin(), walk.Entries.end());
    walked.otherFiles += walk.OtherFiles;
    walked.links += walk.Links;
    walked.unreadable.insert(walked.unreadable.end(), walk.Unreadable.begin(), walk.Unreadable.end());
  } else if (extract && (ext == ".dds" || ext == ".tdt")) {
    entries.push_back({ext == ".dds" ? eit::TJobKind::Texture : eit::TJobKind::FontSheet, Absolute(a)});
  } else if (!extract && ext == ".log") {
    entries.push_back({eit::TJobKind::ReplayLog, Absolute(a)});
  } else if (!extract && ext == ".lst") {
    // Lines stay as written: relative ones are taken from the target directory, as in the window.
    for (const auto& [line, entry] : eit::NumberedListEntries(eit::LoadLines(a)))
      entries.push_back({eit::TJobKind::ProjectList, entry, Absolute(a), line});
  } else if (!eit::FileExists(a) && !eit::DirectoryExists(a)) {
    throw eit::Exception(a + ": no such file or folder");
  } else {
    throw UsageError{a + (extract ? " is neither a texture (.dds) nor a font table (.tdt)"
                                  : " is neither a result log (.log) nor a project list (.lst)")};
  }
}

// An extract into a folder that holds images from an earlier run replaces none of them unasked: the
// user may have painted on them. Nothing is written when it refuses.
void CheckSecondRun(eit::TRunRequest& request, bool overwrite, bool keepBoth) {
  using TExisting = eit::TRunRequest::TExisting;
  request.ExistingImages = keepBoth ? TExisting::KeepBoth : overwrite ? TExisting::Replace : TExisting::Refuse;
  request.ReplaceForeignLog = overwrite;
  const eit::TTargetLog log = eit::ReadTargetLog(request.TargetDir);
  if (!log.Problem.empty() && !overwrite) throw eit::Exception(log.Problem + "; give --overwrite to replace it");
  if (overwrite || keepBoth) return;
  const std::vector<std::string> existing = eit::ExistingImages(request);
  if (!existing.empty())
    throw eit::Exception(eit::ExistingImagesText(existing, request.TargetDir) +
                         "; give --overwrite to replace them, or --keep-both to keep them and give the new images "
                         "other names");
}

// extract / insert: -o DIR [--keep-going] FILE...
int RunJobs(bool extract, const std::vector<std::string>& args, eit::TPackEngine engine) {
  std::string dir;
  eit::TRunRequest request;
  request.Workers = 0;  // one per core
  request.Engine = engine;
  std::vector<eit::TJobEntry>& entries = request.Entries;
  bool overwrite = false, keepBoth = false;
  bool optionsEnded = false;
  TWalked walked;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (!IsOption(a, optionsEnded)) {
      AddEntry(extract, a, entries, walked);
    } else if (a == "--") {  // the end of the options, noted by IsOption
    } else if (a == "-o" || a == "--output") {
      if (++i == args.size()) throw UsageError{a + " needs a directory"};
      dir = args[i];
    } else if (a == "--help" || a == "-h") {
      std::printf("%s", extract ? kExtractUsage : kInsertUsage);
      return 0;
    } else if (a == "--keep-going") {
      request.KeepGoing = true;
    } else if (a == "--strict" && !extract) {
      request.Strict = true;
    } else if (a == "--here" && !extract) {
      request.ImagesBesideLog = true;
    } else if (a == "--changed-only" && !extract) {
      request.ChangedOnly = true;
    } else if (a == "--overwrite" && extract) {
      overwrite = true;
    } else if (a == "--keep-both" && extract) {
      keepBoth = true;
    } else if (a == "--zlib") {
      request.Engine = eit::TPackEngine::Zlib;
    } else if (a == "--format" && extract) {
      if (++i == args.size()) throw UsageError{a + " needs png or bmp-tga"};
      if (args[i] == "png")
        request.Images = eit::TImageFiles::Png;
      else if (args[i] == "bmp-tga")
        request.Images = eit::TImageFiles::BmpTga;
      else
        throw UsageError{a + " takes png or bmp-tga, not \"" + args[i] + "\""};
    } else if (a == "-j" || a == "--jobs") {
      if (++i == args.size()) throw UsageError{a + " needs a number of files to run at a time"};
      char* end = nullptr;
      const long n = std::strtol(args[i].c_str(), &end, 10);
      if (end == args[i].c_str() || *end != '\0' || n < 1 || n > 256)
        throw UsageError{a + " needs a number from 1 to 256, not \"" + args[i] + "\""};
      request.Workers = static_cast<int>(n);
    } else {
      throw UsageError{"unknown option " + a};
    }
  }
  if (dir.empty()) throw UsageError{"no target directory: give -o DIR"};
  if (overwrite && keepBoth) throw UsageError{"give --overwrite or --keep-both, not both"};
  // A folder that cannot be read is a failure like a file that cannot: before anything is written,
  // unless the run is to go on past failures.
  if (!walked.unreadable.empty() && !request.KeepGoing) throw eit::Exception(walked.unreadable.front());
  for (const std::string& u : walked.unreadable) std::fprintf(stderr, "eitool-cli: %s\n", eit::Printable(u).c_str());
  if (walked.otherFiles > 0)
    std::fprintf(stderr, "%zu other %s passed over\n", walked.otherFiles, walked.otherFiles == 1 ? "file" : "files");
  if (walked.links > 0)
    std::fprintf(stderr, "%zu symbolic %s not followed\n", walked.links, walked.links == 1 ? "link" : "links");
  if (entries.empty() && walked.unreadable.empty()) throw UsageError{"no files given"};

  eit::TConsole console;
  eit::TBatchEngine batch(console);
  request.TargetDir = Absolute(dir);
  if (extract) CheckSecondRun(request, overwrite, keepBoth);
  // The working directory during a run is the target directory, in both front ends.
  eit::TMadeDirectories made;
  made.Enter(dir);
  const eit::TRunReport report = entries.empty() ? eit::TRunReport{} : batch.Run(request);
  const auto failed = static_cast<std::size_t>(report.FailedEntries) + walked.unreadable.size();
  const int status = failed > 0 ? 1 : 0;
  if (status != 0)
    std::fprintf(stderr, "eitool-cli: %zu failed (named above); %zu %s written\n", failed, report.Written.size(),
                 report.Written.size() == 1 ? "file" : "files");
  if (status == 0) made.Keep();
  return status;
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
      options.PixelSize = NumberAfter(args, i, 1, eit::kMaxGlyphPixelSize);
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
