// eitool-cli's command line, read with CLI11: subcommands, both spellings of a value, "--", and every option
// bound to its field and checked by its validator as it is read.
#include "cli/command_line.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <functional>
#include <utility>

#include "cli/option_values.h"
#include "formats/formathandlers.h"
#include "platform/limits.h"

namespace eit::cli {

namespace {

constexpr const char* kCommands[] = {"extract", "insert", "sheet", "preview", "table", "fit", "samples", "info"};

// A command's options as it declares them: each bound to its field, with what a value-taking one needs
// (said when it is given none) and the pairs of flags that exclude each other.
class TDeclared {
 public:
  explicit TDeclared(CLI::App& command) : command_(command) {}

  void Flag(const std::string& names, bool& field) {
    command_.add_flag(names, field)->transform(FlagValue(LongName(names)));
  }
  template <typename T>
  void Value(const std::string& names, T& field, const std::string& needs) {
    command_.add_option(names, field, needs);
  }
  template <typename T>
  void Value(const std::string& names, T& field, const std::string& needs, const CLI::Validator& validator) {
    command_.add_option(names, field, needs)->transform(validator);
  }
  // A value whose absence differs from its being empty.
  void Value(const std::string& names, std::optional<std::string>& field, const std::string& needs) {
    command_.add_option_function<std::string>(names, [&field](const std::string& value) { field = value; }, needs);
  }
  void Exclusive(const std::string& a, const bool& fa, const std::string& b, const bool& fb) {
    exclusive_.push_back([=, &fa, &fb]() -> std::string { return fa && fb ? "give " + a + " or " + b + ", not both" : ""; });
  }
  // The first exclusive pair given both, on what the flags mean ("--overwrite=false --keep-both" is none).
  std::string Conflict() const {
    for (const auto& check : exclusive_)
      if (std::string said = check(); !said.empty()) return said;
    return "";
  }

 private:
  static std::string LongName(const std::string& names) { return names.substr(names.rfind(',') + 1); }
  CLI::App& command_;
  std::vector<std::function<std::string()>> exclusive_;
};

void DeclareJob(TDeclared& d, TJobOptions& o, bool& zlib, bool extract) {
  d.Value("-o,--output", o.output, "a directory");
  if (extract) {
    d.Value("--format", o.images, "png or bmp-tga", ImageFilesChoice());
    d.Flag("--overwrite", o.overwrite);
    d.Flag("--keep-both", o.keepBoth);
    d.Flag("--update", o.update);
  } else {
    d.Flag("--changed-only", o.changedOnly);
    d.Flag("--here", o.here);
  }
  d.Flag("--keep-going", o.keepGoing);
  if (!extract) d.Flag("--strict", o.strict);
  d.Value("-j,--jobs", o.jobs, "a number of files to run at a time", Workers());
  d.Flag("--zlib", zlib);
  if (!extract) return;
  d.Exclusive("--overwrite", o.overwrite, "--keep-both", o.keepBoth);
  d.Exclusive("--update", o.update, "--overwrite", o.overwrite);
  d.Exclusive("--update", o.update, "--keep-both", o.keepBoth);
}

void DeclareSheet(TDeclared& d, TSheetCommand& o) {
  d.Value("--font", o.font, "a value");
  d.Value("--codepage", o.codePage, "a number", CodePage());
  // The insert keeps the codes below 0x7F.
  d.Value("--first", o.first, "a number", Code("--first", KeptCodeLimit, 0xFF));
  d.Value("--end", o.end, "a number", Code("--end", KeptCodeLimit + 1, 0x100));
  d.Value("--size", o.size, "a number", CapHeight());
  d.Flag("--mono", o.mono);
  d.Flag("--no-mono", o.noMono);
  d.Value("--face", o.face, "a number", Number("--face", 0, 1023));
  d.Flag("--allow-missing", o.allowMissing);
  d.Flag("--table", o.table);
  d.Value("-o,--output", o.output, "a directory");
  d.Exclusive("--mono", o.mono, "--no-mono", o.noMono);
}

void DeclarePreview(TDeclared& d, TPreviewCommand& o) {
  d.Value("--text", o.text, "a value");
  d.Value("--codepage", o.codePage, "a number", CodePage());
  d.Value("--scale", o.scale, "a number", Number("--scale", 1, kMaxPreviewScale));
  d.Value("-o,--output", o.output, "a file");
}

void DeclareTable(TDeclared& d, TTableCommand& o) {
  d.Value("--codepage", o.codePage, "a number", CodePage());
  d.Value("--apply", o.apply, "a file of the table's rows");
  d.Value("-o,--output", o.output, "a directory");
}

void DeclareFit(TDeclared& d, TFitCommand& o) {
  d.Value("--width", o.width, "a number", Number("--width", 1, 1000000));
  d.Value("--codepage", o.codePage, "a number", CodePage());
  d.Value("--text-column", o.textColumn, "a column's name");
  d.Value("--width-column", o.widthColumn, "a column's name");
}

struct TParser {
  CLI::App app{"eitool-cli"};
  TCommandLine line;
  std::vector<std::pair<CLI::App*, TDeclared>> commands;

  TParser() {
    // "/games/x.dds" is a path on every system, never a Windows-style option.
    app.allow_windows_style_options(false);
    app.set_help_flag();
    app.add_flag("-h,--help", line.help);
    app.add_flag("--version", line.version);
    app.add_flag("--zlib", line.zlib);
    app.allow_extras();
    app.require_subcommand(0, 1);
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    for (const char* name : kCommands) {
      CLI::App* sub = app.add_subcommand(name);
      sub->set_help_flag();
      sub->add_flag("-h,--help", line.help);
      sub->allow_extras();
      sub->add_option("files", line.files);
      TDeclared& declared = commands.emplace_back(sub, TDeclared(*sub)).second;
      Declare(name, declared);
    }
  }

  void Declare(const std::string& name, TDeclared& d) {
    if (name == "extract" || name == "insert") DeclareJob(d, line.job, line.zlib, name == "extract");
    if (name == "sheet") DeclareSheet(d, line.sheet);
    if (name == "preview") DeclarePreview(d, line.preview);
    if (name == "table") DeclareTable(d, line.table);
    if (name == "fit") DeclareFit(d, line.fit);
    if (name == "samples") d.Flag("--overwrite", line.overwrite);
  }

  // What CLI11 left over, and the exclusive pairs of the command given.
  void Check() {
    for (const auto& [sub, declared] : commands) {
      if (!sub->parsed()) continue;
      line.command = sub->get_name();
      if (const std::string conflict = declared.Conflict(); !conflict.empty()) throw UsageError{conflict, line.command};
      Unexpected(sub->remaining(), true);
    }
    Unexpected(app.remaining(), false);
  }

  void Unexpected(const std::vector<std::string>& extras, bool inCommand) const {
    if (extras.empty()) return;
    const std::string& first = extras.front();
    if (!first.empty() && first[0] == '-') throw UsageError{"unknown option " + first, line.command};
    throw UsageError{inCommand ? line.command + ": unexpected " + first : "unknown command " + first,
                     line.command};
  }

  // The option "--name" of the command given, or of any command when none is.
  const CLI::Option* Find(const std::string& command, const std::string& name) const {
    for (const auto& [sub, declared] : commands)
      if (command.empty() || sub->get_name() == command)
        if (const CLI::Option* option = sub->get_option_no_throw(name)) return option;
    return nullptr;
  }

  // CLI11's own complaints, put as the commands put theirs: a validator's message is ours already.
  UsageError Translated(const CLI::ParseError& e, const std::string& command) const {
    const std::string what = e.what();
    const std::string name = what.substr(0, what.find(':'));
    if (dynamic_cast<const CLI::ValidationError*>(&e) != nullptr) return UsageError{what.substr(name.size() + 2), command};
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&e) != nullptr)
      if (const CLI::Option* option = Find(command, name)) return UsageError{name + " needs " + option->get_description(), command};
    return UsageError{what, command};
  }
};

// The words as CLI11 takes them: last first, and "--name=" made an empty value or refused for a flag (CLI11
// would take a flag so given as on, and "--text=" as asking for the next word).
std::vector<std::string> ForParser(const TParser& parser, std::vector<std::string>::const_iterator begin,
                                   std::vector<std::string>::const_iterator end, const std::string& command) {
  std::vector<std::string> reversed;
  for (auto a = std::make_reverse_iterator(end); a != std::make_reverse_iterator(begin); ++a) {
    const bool emptyValue = a->size() > 3 && a->compare(0, 2, "--") == 0 && a->back() == '=';
    const CLI::Option* option = emptyValue ? parser.Find(command, a->substr(0, a->size() - 1)) : nullptr;
    const bool isFlag = emptyValue && (option == nullptr ? *a == "--zlib=" : option->get_expected_min() == 0);
    if (isFlag) throw UsageError{a->substr(0, a->size() - 1) + " takes no value, or true or false, not \"\"", command};
    if (option != nullptr) {
      reversed.emplace_back();
      reversed.push_back(a->substr(0, a->size() - 1));
    } else {
      reversed.push_back(*a);
    }
  }
  return reversed;
}

}  // namespace

TCommandLine ReadCommandLine(const std::vector<std::string>& args) {
  TParser parser;
  std::string command;
  for (const std::string& a : args)
    if (std::find(std::begin(kCommands), std::end(kCommands), a) != std::end(kCommands)) {
      command = a;
      break;
    }
  // After "--" everything is a file, even a name that starts with "-".
  const auto end = std::find(args.begin(), args.end(), "--");
  try {
    parser.app.parse(ForParser(parser, args.begin(), end, command));
  } catch (const CLI::ParseError& e) {
    throw parser.Translated(e, command);
  }
  parser.Check();
  TCommandLine& line = parser.line;
  if (end != args.end()) line.files.insert(line.files.end(), end + 1, args.end());
  if (line.command.empty() && !line.help && !line.version) throw UsageError{"no command given", ""};
  return line;
}

std::vector<std::pair<std::string, std::vector<std::string>>> DeclaredOptions() {
  const TParser parser;
  std::vector<std::pair<std::string, std::vector<std::string>>> declared;
  for (const auto& [sub, options] : parser.commands) {
    declared.emplace_back(sub->get_name(), std::vector<std::string>{});
    for (const CLI::Option* option : sub->get_options()) {
      const std::string names = option->get_name(false, true);
      if (option->get_positional() || names == "-h,--help") continue;
      declared.back().second.push_back(names);
    }
  }
  return declared;
}

std::string HelpLine(const std::string& command) {
  return command.empty() ? "Run \"eitool-cli --help\" to see the commands."
                         : "Run \"eitool-cli " + command + " --help\" to see its options.";
}

}  // namespace eit::cli
