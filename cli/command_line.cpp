// eitool-cli's command line, read with CLI11: subcommands, both spellings of a value, "--" and exclusive
// flags come from the parser; what each value means, from the commands.
#include "cli/command_line.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <utility>

namespace eit::cli {

namespace {

struct TOption {
  const char* names;  // as CLI11 takes them: "-o,--output"
  bool takesValue;
};
struct TCommandOptions {
  const char* name;
  std::vector<TOption> options;
  std::vector<std::pair<const char*, const char*>> exclusive;
};

const std::vector<TCommandOptions>& Commands() {
  static const std::vector<TCommandOptions> commands = {
      {"extract",
       {{"-o,--output", true},
        {"--format", true},
        {"--overwrite", false},
        {"--keep-both", false},
        {"--update", false},
        {"--keep-going", false},
        {"-j,--jobs", true},
        {"--zlib", false}},
       {{"--overwrite", "--keep-both"}, {"--update", "--overwrite"}, {"--update", "--keep-both"}}},
      {"insert",
       {{"-o,--output", true},
        {"--changed-only", false},
        {"--here", false},
        {"--keep-going", false},
        {"--strict", false},
        {"-j,--jobs", true},
        {"--zlib", false}},
       {}},
      {"sheet",
       {{"--font", true},
        {"--codepage", true},
        {"--first", true},
        {"--end", true},
        {"--size", true},
        {"--mono", false},
        {"--no-mono", false},
        {"--face", true},
        {"--allow-missing", false},
        {"-o,--output", true}},
       {{"--mono", "--no-mono"}}},
      {"preview", {{"--text", true}, {"--codepage", true}, {"--scale", true}, {"-o,--output", true}}, {}},
      {"samples", {{"--overwrite", false}}, {}},
      {"info", {}, {}},
  };
  return commands;
}

// The long name of "-o,--output".
std::string LongName(const char* names) {
  const std::string all = names;
  const std::size_t comma = all.rfind(',');
  return comma == std::string::npos ? all : all.substr(comma + 1);
}

// What a value-taking option needs, for the message when it is given none.
std::string WhatItNeeds(const std::string& name) {
  if (name == "--output") return "a directory";
  if (name == "--jobs") return "a number of files to run at a time";
  if (name == "--format") return "png or bmp-tga";
  if (name == "--font" || name == "--text") return "a value";
  return "a number";
}

struct TParser {
  CLI::App app{"eitool-cli"};
  TCommandLine line;
  std::vector<std::pair<CLI::App*, std::vector<std::pair<std::string, CLI::Option*>>>> commands;

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
    for (const TCommandOptions& known : Commands()) Add(known);
  }

  void Add(const TCommandOptions& known) {
    CLI::App* sub = app.add_subcommand(known.name);
    sub->set_help_flag();
    sub->add_flag("-h,--help", line.help);
    sub->allow_extras();
    sub->add_option("files", line.files);
    std::vector<std::pair<std::string, CLI::Option*>> options;
    for (const TOption& o : known.options) {
      CLI::Option* option = o.takesValue ? sub->add_option(o.names) : sub->add_flag(o.names);
      options.emplace_back(LongName(o.names), option);
    }
    commands.emplace_back(sub, std::move(options));
  }

  // A flag given a value means that value: "--overwrite=false" is off, "--overwrite=maybe" no flag at all.
  bool FlagValue(const std::string& name, CLI::Option* option) const {
    try {
      return option->as<bool>();
    } catch (const CLI::ConversionError&) {
      throw UsageError{name + " takes no value, or true or false, not \"" + option->results().back() + "\"",
                       line.command};
    }
  }

  // Exclusive pairs are checked on what the flags mean, so "--overwrite=false --keep-both" is no conflict.
  void CheckExclusive() const {
    for (const TCommandOptions& known : Commands())
      if (known.name == line.command)
        for (const auto& [a, b] : known.exclusive)
          if (line.flags.count(a) != 0 && line.flags.count(b) != 0)
            throw UsageError{std::string("give ") + a + " or " + b + ", not both", line.command};
  }

  // What CLI11 found, as the commands read it.
  void Collect() {
    for (const auto& [sub, options] : commands) {
      if (!sub->parsed()) continue;
      line.command = sub->get_name();
      for (const auto& [name, option] : options) {
        if (option->count() == 0) continue;
        if (option->get_expected_min() != 0)
          line.values[name] = option->as<std::string>();
        else if (FlagValue(name, option))
          line.flags.insert(name);
      }
      CheckExclusive();
      if (line.flags.count("--zlib") != 0) line.zlib = true;
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
};

// Whether "--name" takes a value in some command (a flag given "--name=" is refused, not split).
bool TakesValue(const std::string& name) {
  for (const TCommandOptions& known : Commands())
    for (const TOption& o : known.options)
      if (o.takesValue && LongName(o.names) == name) return true;
  return false;
}

bool IsFlag(const std::string& name) {
  if (name == "--zlib" || name == "--help" || name == "--version") return true;
  for (const TCommandOptions& known : Commands())
    for (const TOption& o : known.options)
      if (!o.takesValue && LongName(o.names) == name) return true;
  return false;
}

// CLI11's own complaints, put as the commands put theirs.
UsageError Translated(const CLI::ParseError& e, const std::string& command) {
  const std::string what = e.what();
  if (dynamic_cast<const CLI::ArgumentMismatch*>(&e) != nullptr) {
    const std::string name = what.substr(0, what.find(':'));
    return UsageError{name + " needs " + WhatItNeeds(name), command};
  }
  return UsageError{what, command};
}

}  // namespace

std::string TCommandLine::Value(const std::string& name, const std::string& fallback) const {
  const auto found = values.find(name);
  return found == values.end() ? fallback : found->second;
}

TCommandLine ReadCommandLine(const std::vector<std::string>& args) {
  TParser parser;
  std::string command;
  for (const std::string& a : args)
    if (std::any_of(Commands().begin(), Commands().end(),
                    [&](const TCommandOptions& s) { return a == s.name; })) {
      command = a;
      break;
    }
  // After "--" everything is a file, even a name that starts with "-".
  const auto end = std::find(args.begin(), args.end(), "--");
  std::vector<std::string> reversed;  // CLI11 takes them last first
  for (auto a = std::make_reverse_iterator(end); a != args.rend(); ++a) {
    const bool emptyValue = a->size() > 3 && a->compare(0, 2, "--") == 0 && a->back() == '=';
    const std::string name = emptyValue ? a->substr(0, a->size() - 1) : "";
    // CLI11 would take "--overwrite=" as given and on, and "--text=" as asking for the next word.
    if (emptyValue && IsFlag(name))
      throw UsageError{name + " takes no value, or true or false, not \"\"", command};
    if (emptyValue && TakesValue(name)) {
      reversed.emplace_back();
      reversed.push_back(name);
    } else {
      reversed.push_back(*a);
    }
  }
  try {
    parser.app.parse(reversed);
  } catch (const CLI::ParseError& e) {
    throw Translated(e, command);
  }
  parser.Collect();
  if (end != args.end()) parser.line.files.insert(parser.line.files.end(), end + 1, args.end());
  if (parser.line.command.empty() && !parser.line.help && !parser.line.version)
    throw UsageError{"no command given", ""};
  return parser.line;
}

std::vector<std::pair<std::string, std::vector<std::string>>> DeclaredOptions() {
  std::vector<std::pair<std::string, std::vector<std::string>>> declared;
  for (const TCommandOptions& known : Commands()) {
    declared.emplace_back(known.name, std::vector<std::string>{});
    for (const TOption& o : known.options) declared.back().second.emplace_back(o.names);
  }
  return declared;
}

std::string HelpLine(const std::string& command) {
  return command.empty() ? "Run \"eitool-cli --help\" to see the commands."
                         : "Run \"eitool-cli " + command + " --help\" to see its options.";
}

}  // namespace eit::cli
