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
        {"--keep-going", false},
        {"-j,--jobs", true},
        {"--zlib", false}},
       {{"--overwrite", "--keep-both"}}},
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
    for (const auto& [a, b] : known.exclusive) {
      const auto find = [&](const char* name) {
        return std::find_if(options.begin(), options.end(), [&](const auto& p) { return p.first == name; })
            ->second;
      };
      find(a)->excludes(find(b));
    }
    commands.emplace_back(sub, std::move(options));
  }

  // What CLI11 found, as the commands read it.
  void Collect() {
    for (const auto& [sub, options] : commands) {
      if (!sub->parsed()) continue;
      line.command = sub->get_name();
      for (const auto& [name, option] : options) {
        if (option->count() == 0) continue;
        if (option->get_expected_min() == 0)
          line.flags.insert(name);
        else
          line.values[name] = option->as<std::string>();
      }
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

// CLI11's own complaints, put as the commands put theirs.
UsageError Translated(const CLI::ParseError& e, const std::string& command) {
  const std::string what = e.what();
  if (dynamic_cast<const CLI::ExcludesError*>(&e) != nullptr) {
    for (const TCommandOptions& known : Commands())
      if (known.name == command)
        for (const auto& [a, b] : known.exclusive)
          return UsageError{std::string("give ") + a + " or " + b + ", not both", command};
  }
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
  // After "--" everything is a file, even a name that starts with "-".
  const auto end = std::find(args.begin(), args.end(), "--");
  std::vector<std::string> reversed;  // CLI11 takes them last first
  for (auto a = std::make_reverse_iterator(end); a != args.rend(); ++a) {
    // "--text=" gives an empty value, as "--text ''" does; CLI11 would take the next word instead.
    if (a->size() > 3 && a->compare(0, 2, "--") == 0 && a->back() == '=') {
      reversed.emplace_back();
      reversed.push_back(a->substr(0, a->size() - 1));
    } else {
      reversed.push_back(*a);
    }
  }
  std::string command;
  for (const std::string& a : args)
    if (std::any_of(Commands().begin(), Commands().end(),
                    [&](const TCommandOptions& s) { return a == s.name; })) {
      command = a;
      break;
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

std::string HelpLine(const std::string& command) {
  return command.empty() ? "Run \"eitool-cli --help\" to see the commands."
                         : "Run \"eitool-cli " + command + " --help\" to see its options.";
}

}  // namespace eit::cli
