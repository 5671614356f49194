#include <chrono>
#include <thread>

#include "platform/files.h"
#include "platform/system_words.h"
#include "platform/native.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace eit {

#ifdef _WIN32

std::unique_ptr<TFileLock> TFileLock::TryTake(const std::string& path) {
  const std::wstring wide = Widen(path);
  // A file being deleted by its last holder refuses openers for a moment ("access denied"), as does a
  // folder we may not write: a few tries tell the two apart.
  for (int tries = 0;; ++tries) {
    HANDLE handle = CreateFileW(wide.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
      std::unique_ptr<TFileLock> lock(new TFileLock(path, reinterpret_cast<std::intptr_t>(handle)));
      lock->slot_ = RegisterForCleanup(path);
      return lock;
    }
    const DWORD error = GetLastError();
    if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION) return nullptr;
    if (error != ERROR_ACCESS_DENIED || tries >= 50)
      throw EFCreateError(
          CannotText(TFileAct::Create, path, ReasonText(std::error_code(static_cast<int>(error), std::system_category()))),
          path);
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

TFileLock::~TFileLock() {
  UnregisterFromCleanup(slot_);
  CloseHandle(reinterpret_cast<HANDLE>(handle_));  // deletes the file
}

#else

std::unique_ptr<TFileLock> TFileLock::TryTake(const std::string& path) {
  for (;;) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0) throw EFCreateError(CannotText(TFileAct::Create, path, errno), path, errno);
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      const int error = errno;
      ::close(fd);
      if (error == EWOULDBLOCK || error == EINTR) return nullptr;
      throw EFCreateError(CannotText(TFileAct::Lock, path, error), path, error);
    }
    // The holder before us removes the file as it lets go: a lock on a removed file guards nothing, and
    // the name may already be another file's.
    struct stat held {}, named {};
    if (::fstat(fd, &held) == 0 && ::stat(path.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
        held.st_ino == named.st_ino) {
      std::unique_ptr<TFileLock> lock(new TFileLock(path, fd));
      lock->slot_ = RegisterForCleanup(path);
      return lock;
    }
    ::close(fd);
  }
}

TFileLock::~TFileLock() {
  UnregisterFromCleanup(slot_);
  ::unlink(path_.c_str());  // before letting go, so that a waiter sees the name gone
  ::close(static_cast<int>(handle_));
}

#endif

}  // namespace eit
