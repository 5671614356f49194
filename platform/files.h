// Outputs written whole or not at all, and text files of lines.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/streams.h"
#include "platform/temporaries.h"

namespace eit {

// A new file that appears under its name only when complete. Writing goes to a temporary file in
// the same directory, created exclusively; Commit() renames it over the final name, replacing an
// older file in one step. Without a Commit() (a failure on the way) the temporary file is removed
// and any older file stays. Raises EFCreateError "Cannot create file %s" with the final path when
// the file cannot be made, and EWriteError "Cannot write file %s: <reason>" when a write fails.
// Temporaries are known to RemoveTemporariesNow() while they exist.
class TAtomicFile {
 public:
  explicit TAtomicFile(const std::string& path);
  ~TAtomicFile();
  TAtomicFile(const TAtomicFile&) = delete;
  TAtomicFile& operator=(const TAtomicFile&) = delete;

  TStream& Stream() { return *stream_; }
  const std::string& Path() const { return path_; }
  const std::string& TemporaryPath() const { return temporary_; }
  // Closes and renames; returns the size written.
  std::int64_t Commit();
  // Closes the temporary, raising any write error; returns its size. Commit() does this itself.
  std::int64_t Finish();
  // Publishes a pair that belongs together (a font's texture and table): both are finished and both
  // final names checked before either is renamed; when the second rename still fails, the first
  // file published is removed again and the error says so. Returns the two sizes.
  static std::pair<std::int64_t, std::int64_t> CommitPair(TAtomicFile& first, TAtomicFile& second);
  // The final name is taken only while no file has it: a file another run wrote there meanwhile stays, and
  // the commit raises EFExistsError naming it.
  void RefuseToReplace() { noReplace_ = true; }

 private:
  void CreateTemporary();
  void Publish();
  void PublishNoReplace();
  static void CheckFinalName(const std::string& path);

  std::string path_;
  std::string temporary_;
  std::unique_ptr<TFileStream> stream_;
  std::unique_ptr<TTemporaryClaim> claim_;  // lets the next run tell a temporary of a killed run from this one
  int slot_ = -1;
  std::int64_t size_ = -1;
  bool committed_ = false;
  bool noReplace_ = false;
  int folder_ = -1;         // POSIX: the folder, held open to remove the temporary should it move
  std::string folderName_;
};

// Finished outputs waiting for their names: one file, or a pair that belongs together. A run of
// several workers holds them until every earlier entry is done, so that outputs appear in list order;
// dropped unpublished, their temporaries go.
struct TFinishedOutput {
  std::unique_ptr<TAtomicFile> First, Second;
  // Renames (both or neither, for a pair); raises EFCreateError naming the final path.
  void Publish();
};

// A file that the interrupt cleanup removes while it is registered (a temporary, a lock file); -1 when
// it could not be registered.
int RegisterForCleanup(const std::string& path);
void UnregisterFromCleanup(int slot);

// An exclusive lock on a name in a folder, between processes: a lock file that is removed when the
// lock is released, and released by the system when the process dies however it ends (a file lock
// on POSIX, a file open unshared and deleted on close on Windows).
class TFileLock {
 public:
  // Takes the lock, or returns null when another holder has it. Raises EFCreateError naming the
  // lock file when it cannot be made (a folder that cannot be written).
  static std::unique_ptr<TFileLock> TryTake(const std::string& path);
  ~TFileLock();
  TFileLock(const TFileLock&) = delete;
  TFileLock& operator=(const TFileLock&) = delete;
  const std::string& Path() const { return path_; }

 private:
  TFileLock(std::string path, std::intptr_t handle) : path_(std::move(path)), handle_(handle) {}
  std::string path_;
  std::intptr_t handle_;
  int slot_ = -1;
};

// Removes every temporary file that exists at this moment. Safe to call from a signal handler.
void RemoveTemporariesNow() noexcept;
// On SIGINT, SIGTERM and SIGHUP (Ctrl+C, Ctrl+Break and console close on Windows): removes the
// temporaries and ends the process with 128 + the signal's number (130, 143, 129). A file size
// limit (SIGXFSZ) then fails the write that meets it instead of ending the process.
void InstallInterruptCleanup();

// Which file a path names, whatever its spelling: equal for two paths to one file.
struct TFileId {
  std::uint64_t Device = 0, Inode = 0;
  auto operator<=>(const TFileId&) const = default;
};
std::optional<TFileId> FileIdOf(const std::string& path);
// A regular file's size and modification time (nanoseconds since 1970), in one look; nothing when there is
// no such file. Beside them what no copy, swap, link or touch can set back, since the system changes it on
// every write, rename and time change: the status change time (0 when the system gives none) and the
// file's identity.
struct TSizeAndTime {
  std::int64_t Size = 0, Time = 0;
  std::int64_t Change = 0;
  TFileId Id{};
};
std::optional<TSizeAndTime> FileSizeAndTime(const std::string& path);

// Text files of lines, written in UTF-8. Reading splits at CR LF, LF or CR, adds no empty line for a
// final line end and skips a leading UTF-8 byte-order mark; LoadLines decodes UTF-16 and UTF-32 and refuses a
// NUL byte naming its line; a file that is not
// valid UTF-8 is read in the ANSI code page on Windows and as bytes elsewhere. Writing ends every
// line with CR LF and replaces the file whole.
bool IsValidUtf8(const char* text, std::size_t size);
// The length of the UTF-8 character that starts text, or 0 when none does.
std::size_t Utf8SequenceAt(const char* text, std::size_t size);
std::vector<std::string> LoadLines(const std::string& path);
std::vector<std::string> SplitLines(const char* text, std::size_t size);
// The lines of a file's bytes already read, as LoadLines reads them (older text in the ANSI code page on
// Windows becomes UTF-8).
std::vector<std::string> TextLines(const char* text, std::size_t size);
void SaveLines(const std::string& path, const std::vector<std::string>& lines);
void WriteLines(TStream& destination, const std::vector<std::string>& lines);

}  // namespace eit
