#include <cerrno>
#include <system_error>

#include "platform/native.h"
#include "platform/streams.h"
#include "platform/system_words.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <share.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>
#endif

namespace eit {

#ifdef _WIN32
std::wstring Widen(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
  return wide;
}

std::string Narrow(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), n, nullptr, nullptr);
  return utf8;
}
#endif


namespace {

TText NotAFile(const std::string& path) { return Says(EIT_SAYS("%1 is not a file"), {path}); }
TText Closed(const std::string& path) { return Says(EIT_SAYS("Cannot write file %1: it is closed"), {path}); }

enum class OpenResult { Ok, Failed, NotAFile };

// Opens through a descriptor so that non-files are refused before anything is read: a FIFO would
// block a plain open for good, and a directory reads as an endless or failing file.
#ifdef _WIN32
OpenResult OpenFile(const std::string& path, FileMode mode, std::FILE*& file, int& error) {
  const char* how = mode == FileMode::OpenRead ? "rb" : mode == FileMode::OpenReadWrite ? "r+b" : "w+b";
  int flags = _O_BINARY | _O_NOINHERIT;
  flags |= mode == FileMode::OpenRead ? _O_RDONLY : _O_RDWR;
  if (mode == FileMode::Create) flags |= _O_CREAT | _O_TRUNC;
  if (mode == FileMode::CreateNew) flags |= _O_CREAT | _O_EXCL;
  // Nobody else may write a file we have open; a file we write is not shared at all.
  const int share = mode == FileMode::OpenRead ? _SH_DENYWR : _SH_DENYRW;
  int fd = -1;
  const std::wstring wide = Widen(path);
  if (_wsopen_s(&fd, wide.c_str(), flags, share, _S_IREAD | _S_IWRITE) != 0) {
    error = errno;
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (mode != FileMode::CreateNew && attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
      return OpenResult::NotAFile;
    return OpenResult::Failed;
  }
  struct _stat64 info;
  if (_fstat64(fd, &info) != 0 || (info.st_mode & _S_IFMT) != _S_IFREG) {
    _close(fd);
    return OpenResult::NotAFile;
  }
  file = _fdopen(fd, how);
  if (file == nullptr) {
    error = errno;
    _close(fd);
    return OpenResult::Failed;
  }
  return OpenResult::Ok;
}
#else
OpenResult OpenFile(const std::string& path, FileMode mode, std::FILE*& file, int& error) {
  const char* how = mode == FileMode::OpenRead ? "rb" : mode == FileMode::OpenReadWrite ? "r+b" : "w+b";
  const bool reading = mode == FileMode::OpenRead || mode == FileMode::OpenReadWrite;
  int flags = O_CLOEXEC | (mode == FileMode::OpenRead ? O_RDONLY : O_RDWR);
  if (reading) flags |= O_NONBLOCK;
  if (mode == FileMode::Create) flags |= O_CREAT | O_TRUNC;
  if (mode == FileMode::CreateNew) flags |= O_CREAT | O_EXCL;
  const int fd = ::open(path.c_str(), flags, 0666);
  if (fd < 0) {
    error = errno;
    return error == EISDIR ? OpenResult::NotAFile : OpenResult::Failed;
  }
  struct stat info;
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return OpenResult::NotAFile;
  }
  if (reading) ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  file = ::fdopen(fd, how);
  if (file == nullptr) {
    error = errno;
    ::close(fd);
    return OpenResult::Failed;
  }
  return OpenResult::Ok;
}
#endif

int SeekFile(std::FILE* file, std::int64_t offset, int whence) {
#ifdef _WIN32
  return _fseeki64(file, offset, whence);
#else
  return fseeko(file, static_cast<off_t>(offset), whence);
#endif
}

std::int64_t TellFile(std::FILE* file) {
#ifdef _WIN32
  return _ftelli64(file);
#else
  return static_cast<std::int64_t>(ftello(file));
#endif
}


}  // namespace

TFileStream::TFileStream(const std::string& path, FileMode mode) : path_(path), shownName_(path) {
  int error = 0;
  const OpenResult opened = OpenFile(path, mode, file_, error);
  if (opened == OpenResult::NotAFile) throw EFOpenError(NotAFile(path), path);
  if (opened == OpenResult::Failed) {
    // The system's reason tells a missing file from one the user may not read, a full disk, ...
    if (mode == FileMode::Create || mode == FileMode::CreateNew) {
      if (error == EEXIST) throw EFExistsError(CannotText(TFileAct::Create, path, error), path, error);
      throw EFCreateError(CannotText(TFileAct::Create, path, error), path, error);
    }
    throw EFOpenError(CannotText(TFileAct::Open, path, error), path);
  }
  // Pictures are written a row at a time: a larger buffer turns that into few large writes.
  constexpr std::size_t kBuffer = 256 * 1024;
  buffer_ = std::make_unique<char[]>(kBuffer);
  std::setvbuf(file_, buffer_.get(), _IOFBF, kBuffer);
}

TFileStream::~TFileStream() {
  if (file_ != nullptr) std::fclose(file_);  // before the buffer goes
}

void TFileStream::WriteFailed(int error) {
  throw EWriteError(CannotText(TFileAct::Write, shownName_, error), shownName_);
}

void TFileStream::Close() {
  if (file_ == nullptr) return;
  // Data still in the buffer meet the disk here: a full disk often shows only now.
  errno = 0;
  const bool flushed = std::fflush(file_) == 0 && std::ferror(file_) == 0;
  const int flushError = errno;
  errno = 0;
  const bool closed = std::fclose(file_) == 0;
  const int closeError = errno;
  file_ = nullptr;
  if (!flushed) WriteFailed(flushError != 0 ? flushError : EIO);
  if (!closed) WriteFailed(closeError != 0 ? closeError : EIO);
}

std::int32_t TFileStream::Read(void* buffer, std::int32_t count) {
  if (file_ == nullptr || count <= 0) return 0;
  if (last_ == LastOp::Write) SeekFile(file_, 0, SEEK_CUR);
  last_ = LastOp::Read;
  errno = 0;
  const auto got = static_cast<std::int32_t>(std::fread(buffer, 1, static_cast<std::size_t>(count), file_));
  if (got < count && std::ferror(file_) != 0) {
    const int error = errno != 0 ? errno : EIO;
    std::clearerr(file_);
    throw EReadError(CannotText(TFileAct::Read, shownName_, error), shownName_);
  }
  return got;
}

std::int32_t TFileStream::Write(const void* buffer, std::int32_t count) {
  if (file_ == nullptr || count <= 0) return 0;
  if (last_ == LastOp::Read) SeekFile(file_, 0, SEEK_CUR);
  last_ = LastOp::Write;
  errno = 0;
  const auto put = static_cast<std::int32_t>(std::fwrite(buffer, 1, static_cast<std::size_t>(count), file_));
  if (put < count) {
    const int error = errno != 0 ? errno : EIO;
    std::clearerr(file_);  // the error is raised now; the close must not raise it a second time
    WriteFailed(error);
  }
  return put;
}

std::int64_t TFileStream::Seek(std::int64_t offset, SeekOrigin origin) {
  if (file_ == nullptr) return -1;
  const int whence = origin == soFromBeginning ? SEEK_SET : origin == soFromCurrent ? SEEK_CUR : SEEK_END;
  if (!(origin == soFromCurrent && offset == 0)) {
    errno = 0;
    if (SeekFile(file_, offset, whence) != 0) {
      // A seek writes out the buffer first; its failure is a write failure, not a bad position.
      if (last_ == LastOp::Write) {
        const int error = errno != 0 ? errno : EIO;
        std::clearerr(file_);
        WriteFailed(error);
      }
      return -1;
    }
    last_ = LastOp::None;
  }
  return TellFile(file_);
}

void TFileStream::SetSize(std::int64_t newSize) {
  if (file_ == nullptr) throw EWriteError(Closed(shownName_), shownName_);
  // The logical position first: after reads, stdio holds read-ahead that a flush would not give back
  // the same way everywhere. Seeking to it drops the read-ahead and writes out pending output.
  const std::int64_t position = TellFile(file_);
  errno = 0;
  if (SeekFile(file_, position, SEEK_SET) != 0) WriteFailed(errno != 0 ? errno : EIO);
#ifdef _WIN32
  const int result = _chsize_s(_fileno(file_), newSize);
  const bool ok = result == 0;
  const int error = result;
#else
  const bool ok = ftruncate(fileno(file_), static_cast<off_t>(newSize)) == 0;
  const int error = errno;
#endif
  if (!ok) WriteFailed(error);
  SeekFile(file_, position < newSize ? position : newSize, SEEK_SET);
  last_ = LastOp::None;
}

}  // namespace eit
