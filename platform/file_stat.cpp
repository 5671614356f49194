// A file's size, times and identity, in one look at the file system.
#include "platform/files.h"

#include "platform/native.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace eit {

#ifdef _WIN32
namespace {

// FILETIME and LARGE_INTEGER times count 100 ns from 1601.
std::int64_t NanosecondsSince1970(std::uint64_t ticks) { return (static_cast<std::int64_t>(ticks) - 116444736000000000LL) * 100; }

}  // namespace
#endif

std::optional<TSizeAndTime> FileSizeAndTime(const std::string& path) {
#ifdef _WIN32
  // Opened for no access at all: neither blocks nor is blocked by the file's other users.
  const HANDLE file = CreateFileW(Widen(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                  nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  BY_HANDLE_FILE_INFORMATION info;
  FILE_BASIC_INFO basic{};
  const bool ok = GetFileInformationByHandle(file, &info) != 0;
  const bool changeKnown = GetFileInformationByHandleEx(file, FileBasicInfo, &basic, sizeof basic) != 0;
  CloseHandle(file);
  if (!ok || (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return std::nullopt;
  TSizeAndTime result;
  result.Size = static_cast<std::int64_t>((std::uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow);
  result.Time = NanosecondsSince1970((std::uint64_t{info.ftLastWriteTime.dwHighDateTime} << 32) |
                                     info.ftLastWriteTime.dwLowDateTime);
  if (changeKnown && basic.ChangeTime.QuadPart > 0)
    result.Change = NanosecondsSince1970(static_cast<std::uint64_t>(basic.ChangeTime.QuadPart));
  result.Id = {info.dwVolumeSerialNumber, (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
  return result;
#else
  struct stat info;
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  TSizeAndTime result;
  result.Size = static_cast<std::int64_t>(info.st_size);
  result.Time = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000LL + info.st_mtim.tv_nsec;
  result.Change = static_cast<std::int64_t>(info.st_ctim.tv_sec) * 1000000000LL + info.st_ctim.tv_nsec;
  result.Id = {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
  return result;
#endif
}

}  // namespace eit
