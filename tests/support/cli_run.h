// Running the built eitool-cli as users run it, from a shell.
#pragma once

#include <cstdlib>
#include <fstream>
#include <string>

#include "support/test_data.h"

#ifdef _WIN32
#include <windows.h>

#include "platform/native.h"
#else
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
#ifdef _WIN32
  // Started directly, not through cmd, whose quoting rules and start-up are in the way.
  (void)prefix;
  SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  auto create = [&](const std::string& path) {
    return CreateFileW(Widen(path).c_str(), GENERIC_WRITE,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &inherit, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
  };
  // Wine now and then refuses a process start on a busy machine: try again before calling it a failure,
  // and say why it failed rather than leave an exit status of nothing.
  DWORD code = 9009, startError = 0;
  for (int attempt = 0; attempt < 5; ++attempt) {
    HANDLE outFile = create(out), errFile = create(err);
    STARTUPINFOW start{};
    start.cb = sizeof start;
    start.dwFlags = STARTF_USESTDHANDLES;
    start.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    start.hStdOutput = outFile;
    start.hStdError = errFile;
    PROCESS_INFORMATION process{};
    std::wstring line = Widen("\"" EIT_CLI "\" " + arguments);
    const bool started =
        CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &start, &process);
    startError = started ? 0 : GetLastError();
    if (started) {
      WaitForSingleObject(process.hProcess, INFINITE);
      GetExitCodeProcess(process.hProcess, &code);
      CloseHandle(process.hProcess);
      CloseHandle(process.hThread);
    }
    CloseHandle(outFile);
    CloseHandle(errFile);
    if (started) break;
    Sleep(200 * (attempt + 1));
  }
  if (startError != 0)
    return {static_cast<int>(code), "", "could not start eitool-cli: error " + std::to_string(startError)};
  const int status = static_cast<int>(code);
#else
  const std::string command = prefix + "\"" EIT_CLI "\" " + arguments + " >\"" + out + "\" 2>\"" + err + "\"";
  const int raw = std::system(command.c_str());
  const int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
#endif
  return {status, Slurp(out), Slurp(err)};
}

inline std::string Quoted(const std::string& path) {
  return "\"" + path + "\"";
}

// Whether text names the path, whichever separators each uses (Windows takes both).
inline bool Mentions(std::string text, std::string path) {
#ifdef _WIN32
  for (std::string* s : {&text, &path})
    for (char& c : *s)
      if (c == '/') c = '\\';
#endif
  return text.find(path) != std::string::npos;
}

// A log's text without what differs from run to run: the change time and identity that end each
// "#Digest:" line (its size, time and hash stay).
inline std::string Unsealed(const std::string& text) {
  std::string out;
  for (std::size_t at = 0; at < text.size();) {
    std::size_t end = text.find('\n', at);
    end = end == std::string::npos ? text.size() : end + 1;
    std::string line = text.substr(at, end - at);
    if (line.rfind("#Digest:", 0) == 0) {
      std::size_t cut = 0;
      for (int blanks = 0; cut < line.size() && blanks < 4; ++cut) blanks += line[cut] == ' ';
      if (cut < line.size()) line = line.substr(0, cut - 1) + (line.back() == '\n' ? "\r\n" : "");
    }
    out += line;
    at = end;
  }
  return out;
}

}  // namespace eit::testing
