// Running the built eitool-cli as users run it, from a shell.
#pragma once

#include <cstdlib>
#include <fstream>
#include <string>

#include "support/test_data.h"

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace eit::testing {

struct Outcome {
  int status;
  std::string out, err;
};

inline std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Runs eitool-cli with the arguments (already quoted as the shell needs); prefix goes before it on
// the command line (a "ulimit" for one run, say).
inline Outcome Cli(const std::string& arguments, const TempDir& dir, const std::string& prefix = "") {
  const std::string out = dir.File("stdout.txt"), err = dir.File("stderr.txt");
  const std::string command =
      prefix + "\"" EIT_CLI "\" " + arguments + " >\"" + out + "\" 2>\"" + err + "\"";
#ifdef _WIN32
  // cmd /c takes off the outermost pair of quotes: give it one more.
  const int raw = std::system(("\"" + command + "\"").c_str());
#else
  const int raw = std::system(command.c_str());
#endif
#ifdef _WIN32
  const int status = raw;
#else
  const int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
#endif
  return {status, Slurp(out), Slurp(err)};
}

inline std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

// Whether text names the path, whichever separators each uses (Windows takes both).
inline bool Mentions(std::string text, std::string path) {
#ifdef _WIN32
  for (std::string* s : {&text, &path})
    for (char& c : *s)
      if (c == '/') c = '\\';
#endif
  return text.find(path) != std::string::npos;
}

}  // namespace eit::testing
