#include "platform/temporaries.h"

#include <filesystem>
#include <system_error>

#include "platform/native.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace eit {

namespace {

#ifdef _WIN32
// A byte far past any end of file: locks on Windows bar reads and writes of what they cover.
constexpr DWORD kClaimOffsetHigh = 0x7FFFFFFF;

HANDLE OpenShared(const std::string& path) {
  return CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                     nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool LockClaim(HANDLE file) {
  OVERLAPPED at{};
  at.OffsetHigh = kClaimOffsetHigh;
  return LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at) != 0;
}
#endif

#ifdef _WIN32
// Removes the temporary when no one claims it.
bool RemoveIfUnclaimed(const std::string& path) {
  const HANDLE file = OpenShared(path);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool unclaimed = LockClaim(file);
  CloseHandle(file);  // lets go of the lock
  return unclaimed && DeleteFileW(Widen(path).c_str()) != 0;
}
#endif

}  // namespace

TTemporaryClaim::TTemporaryClaim([[maybe_unused]] const std::string& temporary) {
#ifdef _WIN32
  const HANDLE file = OpenShared(temporary);
  if (file == INVALID_HANDLE_VALUE) return;
  if (!LockClaim(file)) {
    CloseHandle(file);
    return;
  }
  handle_ = reinterpret_cast<std::intptr_t>(file);
#else
  handle_ = 0;  // the folder's shared lock claims every temporary in it (one descriptor, not one a file)
#endif
}

TTemporaryClaim::~TTemporaryClaim() {
#ifdef _WIN32
  if (handle_ >= 0) CloseHandle(reinterpret_cast<HANDLE>(handle_));
#endif
}

bool IsTemporaryName(const std::string& name) {
  constexpr std::size_t kSuffix = 1 + 12 + 4;  // ".<12 hex digits>.tmp"
  if (name.size() <= kSuffix || name.compare(name.size() - 4, 4, ".tmp") != 0 || name[name.size() - kSuffix] != '.')
    return false;
  for (std::size_t i = name.size() - kSuffix + 1; i < name.size() - 4; ++i)
    if (!((name[i] >= '0' && name[i] <= '9') || (name[i] >= 'a' && name[i] <= 'f'))) return false;
  return true;
}

std::vector<std::string> RemoveDeadTemporaries(const std::string& folder) {
  std::vector<std::string> removed;
#ifndef _WIN32
  // Every living run that writes here holds the folder shared: taken alone, the temporaries are orphans.
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return removed;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    ::close(fd);
    return removed;
  }
#endif
  std::error_code ec;
  for (std::filesystem::directory_iterator it(FsPath(folder), ec), end; !ec && it != end; it.increment(ec)) {
    const std::string path = Utf8(it->path());
    if (!IsTemporaryName(Utf8(it->path().filename())) || !it->is_regular_file(ec)) continue;
#ifdef _WIN32
    if (RemoveIfUnclaimed(path)) removed.push_back(path);
#else
    if (::unlink(path.c_str()) == 0) removed.push_back(path);
#endif
  }
#ifndef _WIN32
  ::close(fd);
#endif
  return removed;
}

}  // namespace eit
