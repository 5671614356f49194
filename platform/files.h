// Outputs written whole or not at all, and text files of lines.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/streams.h"

namespace eit {

// A new file that appears under its name only when complete. Writing goes to a temporary file in
// the same directory; Commit() renames it over the final name, replacing an older file in one step.
// Without a Commit() (a failure on the way) the temporary file is removed and any older file stays.
// Raises EFCreateError "Cannot create file %s" with the final path when the file cannot be made.
class TAtomicFile {
 public:
  explicit TAtomicFile(const std::string& path);
  ~TAtomicFile();
  TAtomicFile(const TAtomicFile&) = delete;
  TAtomicFile& operator=(const TAtomicFile&) = delete;

  TStream& Stream() { return *stream_; }
  const std::string& Path() const { return path_; }
  // Closes and renames; returns the size written.
  std::int64_t Commit();

 private:
  std::string path_;
  std::string temporary_;
  std::unique_ptr<TFileStream> stream_;
  bool committed_ = false;
};

// Text files of single-byte lines. Reading splits at CR LF, LF or CR, adds no empty line for a final
// line end and stops at a NUL byte; writing ends every line with CR LF and replaces the file whole.
std::vector<std::string> LoadLines(const std::string& path);
std::vector<std::string> SplitLines(const char* text, std::size_t size);
void SaveLines(const std::string& path, const std::vector<std::string>& lines);

}  // namespace eit
