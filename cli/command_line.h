// The command line as eitool-cli reads it (with CLI11): the command, and its options in typed fields, each
// bound by CLI11 and checked by its validators as it is read; the commands read fields, never names.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "codecs/pictures.h"

namespace eit::cli {

// A command line that is not one: the message, and the command whose --help would tell more ("" for none).
struct UsageError {
  std::string message;
  std::string command;
};

// extract and insert: each declares its own of these.
struct TJobOptions {
  std::string output;
  TImageFiles images = TImageFiles::BmpTga;  // extract --format
  bool overwrite = false, keepBoth = false, update = false;  // extract
  bool changedOnly = false, here = false, strict = false;    // insert
  bool keepGoing = false;
  int jobs = 0;  // 0: not given (one per core)
};

struct TSheetCommand {
  std::string font, output;
  int codePage = 1251;
  int first = 0, end = 0x100;  // first 0: from the code page's first letter
  int size = 0, face = 0;      // size 0: as the kept capitals
  bool mono = false, noMono = false, allowMissing = false;
  bool table = false;  // with the glyph table its insert will make, as text its log names
};

struct TPreviewCommand {
  std::optional<std::string> text;  // given, even empty
  std::string output;
  int codePage = 1251;
  int scale = 1;
};

struct TTableCommand {
  std::string output, apply;  // apply: the text file whose rows go into the table
  int codePage = 1251;
};

struct TFitCommand {
  int width = 0, codePage = 1251;
  std::string textColumn, widthColumn;
};

struct TCommandLine {
  std::string command;  // "extract", "insert", "sheet", "preview", "table", "fit", "samples", "info"; "" for --help, --version
  bool help = false, version = false;
  bool zlib = false;               // before the command or among its options
  std::vector<std::string> files;  // in the order given
  TJobOptions job;                 // extract, insert
  TSheetCommand sheet;
  TPreviewCommand preview;
  TTableCommand table;
  TFitCommand fit;
  bool overwrite = false;          // samples
};

// Options take their value as "--opt VALUE" or "--opt=VALUE" (short ones as "-j 4" or "-j4"); "--" ends
// the options; the last of an option given twice counts. Raises UsageError.
TCommandLine ReadCommandLine(const std::vector<std::string>& args);

// Every option each command declares, by the names CLI11 takes ("-o,--output"), in declaration order, read
// from the declarations themselves: the usage texts, the bash completion and the manual page are held to it.
std::vector<std::pair<std::string, std::vector<std::string>>> DeclaredOptions();

// The line a usage error ends with: the --help that tells more ('Run "eitool-cli sheet --help" to see its options.').
std::string HelpLine(const std::string& command);

}  // namespace eit::cli
