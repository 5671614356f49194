#include "platform/limits.h"
#include "platform/streams.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>
#include <vector>

namespace eit {

namespace {
constexpr std::int32_t kCopyPiece = 61440;
}

void TStream::SetSize(std::int64_t) {}

std::int64_t TStream::Size() {
  const std::int64_t saved = Seek(0, soFromCurrent);
  const std::int64_t size = Seek(0, soFromEnd);
  Seek(saved, soFromBeginning);
  return size;
}

void TStream::ReadBuffer(void* buffer, std::int32_t count) {
  if (count != 0 && Read(buffer, count) != count) throw EShortRead(Says(SReadError));
}

void TStream::WriteBuffer(const void* buffer, std::int32_t count) {
  if (count != 0 && Write(buffer, count) != count) throw EWriteError(Says(SWriteError));
}

std::int64_t TStream::CopyFrom(TStream& source, std::int64_t count) {
  if (count == 0) {
    source.SetPosition(0);
    count = source.Size();
  }
  const std::int64_t total = count;
  std::vector<std::uint8_t> piece(static_cast<std::size_t>(std::min<std::int64_t>(count, kCopyPiece)));
  while (count > 0) {
    const auto n = static_cast<std::int32_t>(std::min<std::int64_t>(count, kCopyPiece));
    source.ReadBuffer(piece.data(), n);
    WriteBuffer(piece.data(), n);
    count -= n;
  }
  return total;
}

// --- TMemoryStream ---------------------------------------------------------------------------

TMemoryStream::~TMemoryStream() { std::free(data_); }

void TMemoryStream::Reserve(std::int64_t capacity) {
  if (capacity <= capacity_) return;
  if (static_cast<std::uint64_t>(capacity) > std::numeric_limits<std::size_t>::max()) throw std::bad_alloc();
  auto* grown = static_cast<std::uint8_t*>(std::realloc(data_, static_cast<std::size_t>(capacity)));
  if (grown == nullptr) throw std::bad_alloc();
  data_ = grown;
  capacity_ = capacity;
}

void TMemoryStream::SetSize(std::int64_t newSize) {
  if (newSize < 0) throw EStreamError("Invalid stream size");
  Reserve(newSize);
  if (newSize > size_) std::memset(data_ + size_, 0, static_cast<std::size_t>(newSize - size_));
  size_ = newSize;
  if (position_ > size_) position_ = size_;
}

void TMemoryStream::SetSizeForOverwrite(std::int64_t newSize) {
  if (newSize < 0) throw EStreamError("Invalid stream size");
  Reserve(newSize);
  size_ = newSize;
  if (position_ > size_) position_ = size_;
}

std::uint8_t* TMemoryStream::Release() {
  std::uint8_t* data = data_;
  data_ = nullptr;
  size_ = capacity_ = position_ = 0;
  return data;
}

void TMemoryStream::Clear() {
  std::free(data_);
  data_ = nullptr;
  size_ = capacity_ = position_ = 0;
}

std::int32_t TMemoryStream::Read(void* buffer, std::int32_t count) {
  if (count <= 0 || position_ < 0 || position_ >= size_) return 0;
  const auto n = static_cast<std::int32_t>(std::min<std::int64_t>(count, size_ - position_));
  std::memcpy(buffer, data_ + position_, static_cast<std::size_t>(n));
  position_ += n;
  return n;
}

std::int32_t TMemoryStream::Write(const void* buffer, std::int32_t count) {
  if (count <= 0 || position_ < 0) return 0;
  const std::int64_t end = position_ + count;
  if (end > capacity_) {
    // Grow by half again so that appending byte runs stays linear overall.
    Reserve(std::max(end, capacity_ + capacity_ / 2 + 4096));
  }
  if (position_ > size_) std::memset(data_ + size_, 0, static_cast<std::size_t>(position_ - size_));
  std::memcpy(data_ + position_, buffer, static_cast<std::size_t>(count));
  position_ = end;
  size_ = std::max(size_, end);
  return count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, SeekOrigin origin) {
  switch (origin) {
    case soFromBeginning:
      position_ = offset;
      break;
    case soFromCurrent:
      position_ += offset;
      break;
    case soFromEnd:
      position_ = size_ + offset;
      break;
    default:
      break;
  }
  return position_;
}

void TMemoryStream::LoadFromStream(TStream& source) {
  source.SetPosition(0);
  const std::int64_t size = source.Size();
  Clear();
  SetSizeForOverwrite(size);  // every byte is read over at once
  std::int64_t done = 0;
  while (done < size) {
    const auto n = static_cast<std::int32_t>(std::min<std::int64_t>(size - done, kTransferPieceBytes));
    source.ReadBuffer(data_ + done, n);
    done += n;
  }
  position_ = 0;
}

std::int64_t TMemoryStream::ReadFrom(TStream& source, std::int64_t count) {
  constexpr std::int64_t kPiece = std::int64_t{4} << 20;
  if (position_ < 0) return 0;
  if (position_ > size_) SetSize(position_);
  std::int64_t done = 0;
  while (done < count) {
    const auto want = static_cast<std::int32_t>(std::min(count - done, kPiece));
    // Room for one piece more at a time, so a source that lies about its length costs little.
    if (position_ + want > capacity_) Reserve(std::max(position_ + want, capacity_ + capacity_ / 2));
    const std::int32_t got = source.Read(data_ + position_, want);
    if (got <= 0) break;
    position_ += got;
    size_ = std::max(size_, position_);
    done += got;
    if (got < want) break;
  }
  return done;
}

void TMemoryStream::LoadFromFile(const std::string& path) {
  TFileStream file(path, FileMode::OpenRead);
  LoadFromStream(file);
}

void TMemoryStream::SaveToStream(TStream& destination) const {
  std::int64_t done = 0;
  while (done < size_) {
    const auto n = static_cast<std::int32_t>(std::min<std::int64_t>(size_ - done, kTransferPieceBytes));
    destination.WriteBuffer(data_ + done, n);
    done += n;
  }
}

void TMemoryStream::SaveToFile(const std::string& path) const {
  TFileStream file(path, FileMode::Create);
  SaveToStream(file);
  file.Close();
}

}  // namespace eit
