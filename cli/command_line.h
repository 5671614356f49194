// The command line as eitool-cli reads it (with CLI11): the command, its options as given, its files. Values
// stay text here; each command turns them into what it needs, with messages that name the option.
#pragma once

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace eit::cli {

// A command line that is not one: the message, and the command whose --help would tell more ("" for none).
struct UsageError {
  std::string message;
  std::string command;
};

struct TCommandLine {
  std::string command;  // "extract", "insert", "sheet", "preview", "samples", "info"; "" for --help, --version
  bool help = false, version = false;
  bool zlib = false;                          // before the command or among its options
  std::vector<std::string> files;             // in the order given
  std::map<std::string, std::string> values;  // by the option's long name: the last value given
  std::set<std::string> flags;                // by long name

  bool Has(const std::string& name) const { return flags.count(name) != 0 || values.count(name) != 0; }
  // The value given, or fallback when the option was not.
  std::string Value(const std::string& name, const std::string& fallback = "") const;
};

// Options take their value as "--opt VALUE" or "--opt=VALUE" (short ones as "-j 4" or "-j4"); "--" ends
// the options. Raises UsageError.
TCommandLine ReadCommandLine(const std::vector<std::string>& args);

// Every option each command declares, by the names CLI11 takes ("-o,--output"), in declaration order: the one
// place that names them, which the usage texts, the bash completion and the manual page are held to.
std::vector<std::pair<std::string, std::vector<std::string>>> DeclaredOptions();

// The line a usage error ends with: the --help that tells more ('Run "eitool-cli sheet --help" to see its options.').
std::string HelpLine(const std::string& command);

}  // namespace eit::cli
