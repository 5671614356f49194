// Paths stay text and are joined as directory + separator + name, with the platform's separator.
// Taking a file name or changing an extension goes through here, so Windows rules (backslashes,
// drive colons) and POSIX rules live in one place.
#pragma once

#include <string>
#include <vector>

namespace eit {

#ifdef _WIN32
inline constexpr char PathDelim = '\\';
#else
inline constexpr char PathDelim = '/';
#endif

// The last component: the text after the last separator (on Windows also after a drive colon).
std::string ExtractFileName(const std::string& path);
// The directory part, without its final separator; empty for a bare name.
std::string ExtractFileDir(const std::string& path);
// Replaces everything from the file name's last "." on by extension (which includes its dot); a
// name without "." gets the extension appended.
std::string ChangeFileExt(const std::string& path, const std::string& extension);
// The file name's extension from its last "." on, or empty.
std::string ExtractFileExt(const std::string& path);
// The extension in lower case, for comparing file types: users write ".DDS" as often as ".dds".
std::string ExtractFileExtLower(const std::string& path);
// The text with letters in one case, for comparing names where the file system ignores case.
std::string FoldCase(const std::string& text);
// directory + separator + name, as plain text: a directory ending in a separator gives a doubled one.
std::string JoinPath(const std::string& directory, const std::string& name);

bool FileExists(const std::string& path);
// The path itself when its file exists, else the file in its folder whose name differs only in case
// (BIG.DDS for BIG.dds, as games from Windows name them), else the path.
std::string ExistingSpelling(const std::string& path);
bool DirectoryExists(const std::string& path);
std::string GetCurrentDir();
// The path made absolute against the working directory now, with "." and ".." resolved.
std::string AbsolutePath(const std::string& path);
bool SetCurrentDir(const std::string& path);
// The directory made ready for a run: created with its missing parents and made the working
// directory. Raises "Unable to create directory <dir>: <reason>" or "Cannot change into directory
// <dir>: <reason>"; what it created is removed again when it cannot enter it.
void EnterTargetDirectory(const std::string& path);
// The same without entering it: for outputs named by their full paths.
void MakeDirectory(const std::string& path);
// The directories a command makes for its outputs, removed again (deepest first, and only while empty)
// when the command ends without keeping them: a failed command leaves no folder it made.
class TMadeDirectories {
 public:
  TMadeDirectories() = default;
  ~TMadeDirectories();
  TMadeDirectories(const TMadeDirectories&) = delete;
  TMadeDirectories& operator=(const TMadeDirectories&) = delete;
  // MakeDirectory and EnterTargetDirectory, noting what they made (Enter also the directory to go back
  // to before removing).
  void Make(const std::string& path);
  void Enter(const std::string& path);
  void Keep();

 private:
  std::vector<std::string> made_;  // topmost first
  std::string previousDir_;
};

// The folders the system keeps its fonts in (and the user's own), those that exist.
std::vector<std::string> SystemFontFolders();

// Whether two paths name the same existing file, however they are spelled.
bool SameFile(const std::string& a, const std::string& b);

}  // namespace eit
