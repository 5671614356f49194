#include "platform/streams.h"

#ifdef _WIN32
#include <io.h>
#include <share.h>
#else
#include <sys/types.h>
#include <unistd.h>
#endif

namespace eit {

namespace {

std::FILE* OpenFile(const std::string& path, FileMode mode) {
  const char* how = mode == FileMode::OpenRead ? "rb" : mode == FileMode::OpenReadWrite ? "r+b" : "w+b";
#ifdef _WIN32
  // Nobody else may write a file we have open; a file we write is not shared at all.
  return _fsopen(path.c_str(), how, mode == FileMode::OpenRead ? _SH_DENYWR : _SH_DENYRW);
#else
  return std::fopen(path.c_str(), how);
#endif
}

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

TFileStream::TFileStream(const std::string& path, FileMode mode) : path_(path) {
  file_ = OpenFile(path, mode);
  if (file_ == nullptr) {
    if (mode == FileMode::Create) throw EFCreateError("Cannot create file " + path);
    throw EFOpenError("Cannot open file " + path);
  }
  // Pictures are written a row at a time: a larger buffer turns that into few large writes.
  constexpr std::size_t kBuffer = 256 * 1024;
  buffer_ = std::make_unique<char[]>(kBuffer);
  std::setvbuf(file_, buffer_.get(), _IOFBF, kBuffer);
}

TFileStream::~TFileStream() {
  if (file_ != nullptr) std::fclose(file_);  // before the buffer goes
}

void TFileStream::Close() {
  if (file_ == nullptr) return;
  // Writes that failed have raised already; what is left is the flush of buffered data.
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  if (!closed) throw EWriteError(SWriteError);
}

std::int32_t TFileStream::Read(void* buffer, std::int32_t count) {
  if (file_ == nullptr || count <= 0) return 0;
  if (last_ == LastOp::Write) SeekFile(file_, 0, SEEK_CUR);
  last_ = LastOp::Read;
  return static_cast<std::int32_t>(std::fread(buffer, 1, static_cast<std::size_t>(count), file_));
}

std::int32_t TFileStream::Write(const void* buffer, std::int32_t count) {
  if (file_ == nullptr || count <= 0) return 0;
  if (last_ == LastOp::Read) SeekFile(file_, 0, SEEK_CUR);
  last_ = LastOp::Write;
  return static_cast<std::int32_t>(std::fwrite(buffer, 1, static_cast<std::size_t>(count), file_));
}

std::int64_t TFileStream::Seek(std::int64_t offset, SeekOrigin origin) {
  if (file_ == nullptr) return -1;
  const int whence = origin == soFromBeginning ? SEEK_SET : origin == soFromCurrent ? SEEK_CUR : SEEK_END;
  if (!(origin == soFromCurrent && offset == 0)) {
    if (SeekFile(file_, offset, whence) != 0) return -1;
    last_ = LastOp::None;
  }
  return TellFile(file_);
}

void TFileStream::SetSize(std::int64_t newSize) {
  if (file_ == nullptr || std::fflush(file_) != 0) throw EWriteError(SWriteError);
  const std::int64_t position = TellFile(file_);
#ifdef _WIN32
  const bool ok = _chsize_s(_fileno(file_), newSize) == 0;
#else
  const bool ok = ftruncate(fileno(file_), static_cast<off_t>(newSize)) == 0;
#endif
  if (!ok) throw EWriteError(SWriteError);
  SeekFile(file_, position < newSize ? position : newSize, SEEK_SET);
  last_ = LastOp::None;
}

}  // namespace eit
