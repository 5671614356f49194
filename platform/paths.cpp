#include "platform/paths.h"
#include "platform/system_words.h"

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/errors.h"
#include "platform/native.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace eit {

namespace fs = std::filesystem;

namespace {

std::size_t NameStart(const std::string& path) {
#ifdef _WIN32
  const std::size_t cut = path.find_last_of("\\/:");
#else
  const std::size_t cut = path.find_last_of('/');
#endif
  return cut == std::string::npos ? 0 : cut + 1;
}

}  // namespace

std::string ExtractFileName(const std::string& path) { return path.substr(NameStart(path)); }

std::string ExtractFileDir(const std::string& path) {
  const std::size_t start = NameStart(path);
  if (start == 0) return "";
  return path.substr(0, start > 1 ? start - 1 : start);
}

std::string ChangeFileExt(const std::string& path, const std::string& extension) {
  const std::size_t start = NameStart(path);
  const std::size_t dot = path.rfind('.');
  if (dot == std::string::npos || dot < start) return path + extension;
  return path.substr(0, dot) + extension;
}

std::string ExtractFileExt(const std::string& path) { return path.substr(ChangeFileExt(path, "").size()); }

std::string ExtractFileExtLower(const std::string& path) {
  std::string ext = ExtractFileExt(path);
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext;
}

std::string FoldCase(const std::string& text) {
#ifdef _WIN32
  // Windows compares names by its own upper-case table, which covers every script.
  std::wstring wide = Widen(text);
  if (!wide.empty()) CharUpperBuffW(wide.data(), static_cast<DWORD>(wide.size()));
  return Narrow(wide);
#else
  std::string folded = text;
  for (char& c : folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return folded;
#endif
}

std::string JoinPath(const std::string& directory, const std::string& name) { return directory + PathDelim + name; }

bool FileExists(const std::string& path) {
  std::error_code ec;
  return fs::is_regular_file(FsPath(path), ec);
}

std::string ExistingSpelling(const std::string& path) {
  if (FileExists(path)) return path;
  const std::string dir = ExtractFileDir(path), name = FoldCase(ExtractFileName(path));
  std::error_code ec;
  for (fs::directory_iterator it(FsPath(dir.empty() ? "." : dir), ec), end; !ec && it != end; it.increment(ec)) {
    const std::string found = Utf8(it->path().filename());
    if (FoldCase(found) == name && it->is_regular_file(ec)) return dir.empty() ? found : JoinPath(dir, found);
  }
  return path;
}

bool DirectoryExists(const std::string& path) {
  std::error_code ec;
  return fs::is_directory(FsPath(path), ec);
}

std::string GetCurrentDir() {
  std::error_code ec;
  return Utf8(fs::current_path(ec));
}

std::string AbsolutePath(const std::string& path) {
  std::error_code ec;
  const fs::path absolute = fs::absolute(FsPath(path), ec);
  return ec ? path : Utf8(absolute.lexically_normal());
}

bool SetCurrentDir(const std::string& path) {
  std::error_code ec;
  fs::current_path(FsPath(path), ec);
  return !ec;
}

namespace {

void RemoveCreated(const std::vector<fs::path>& created) {
  std::error_code ignored;
  for (auto it = created.rbegin(); it != created.rend(); ++it) fs::remove(*it, ignored);
}

// Creates the directory and its missing parents; returns what it created, topmost first.
std::vector<fs::path> CreateMissing(const std::string& path) {
  if (path.empty()) throw Exception(Says(EIT_SAYS("Unable to create directory \"\": the name is empty")));
  std::error_code ec;
  std::vector<fs::path> missing;  // deepest first
  for (fs::path p = FsPath(path); !p.empty() && !fs::exists(fs::symlink_status(p, ec)); p = p.parent_path()) {
    missing.push_back(p);
    if (p == p.parent_path()) break;
  }
  std::vector<fs::path> created;
  for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
    if (fs::create_directory(*it, ec)) created.push_back(*it);
    if (ec) {
      RemoveCreated(created);
      throw Exception(Says(EIT_SAYS("Unable to create directory %1: %2"), {path, ReasonText(ec)}), path);
    }
  }
  if (!DirectoryExists(path)) {
    RemoveCreated(created);
    throw Exception(FileExists(path) ? Says(EIT_SAYS("Unable to create directory %1: a file has that name"), {path})
                                     : Says(EIT_SAYS("Unable to create directory %1: something other than a directory has "
                                                     "that name"), {path}),
                    path);
  }
  return created;
}

}  // namespace

void MakeDirectory(const std::string& path) { CreateMissing(path); }

void EnterTargetDirectory(const std::string& path) {
  const std::vector<fs::path> created = CreateMissing(path);
  std::error_code ec;
  fs::current_path(FsPath(path), ec);
  if (ec) {
    RemoveCreated(created);
    throw Exception(Says(EIT_SAYS("Cannot change into directory %1: %2"), {path, ReasonText(ec)}), path);
  }
}

void TMadeDirectories::Make(const std::string& path) {
  for (const fs::path& p : CreateMissing(path)) made_.push_back(Utf8(p));
}

void TMadeDirectories::Enter(const std::string& path) {
  const std::string previous = GetCurrentDir();
  Make(path);
  EnterTargetDirectory(path);
  previousDir_ = previous;
}

void TMadeDirectories::Keep() {
  made_.clear();
  previousDir_.clear();
}

TMadeDirectories::~TMadeDirectories() {
  if (made_.empty()) return;
  // Windows removes no directory that is a process's working directory.
  if (!previousDir_.empty()) SetCurrentDir(previousDir_);
  std::error_code ignored;
  for (auto it = made_.rbegin(); it != made_.rend(); ++it) fs::remove(FsPath(*it), ignored);
}

std::vector<std::string> SystemFontFolders() {
  std::vector<std::string> candidates;
  const auto env = [](const char* name) {
    const char* value = std::getenv(name);
    return std::string(value != nullptr ? value : "");
  };
#ifdef _WIN32
  if (!env("WINDIR").empty()) candidates.push_back(env("WINDIR") + "\\Fonts");
  if (!env("LOCALAPPDATA").empty()) candidates.push_back(env("LOCALAPPDATA") + "\\Microsoft\\Windows\\Fonts");
#else
  candidates = {"/usr/share/fonts", "/usr/local/share/fonts"};
  if (!env("HOME").empty()) {
    candidates.push_back(env("HOME") + "/.local/share/fonts");
    candidates.push_back(env("HOME") + "/.fonts");
  }
#endif
  std::vector<std::string> folders;
  for (const std::string& c : candidates)
    if (DirectoryExists(c)) folders.push_back(c);
  return folders;
}

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code ec;
  return fs::equivalent(FsPath(a), FsPath(b), ec) && !ec;
}

}  // namespace eit
