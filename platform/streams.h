// Byte streams: the abstract stream, a growable memory stream and a file stream.
//
// Positions and sizes are 64-bit; a single Read or Write moves at most 2 GiB - 1 bytes, as the
// 32-bit counts of the file formats never need more.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "platform/errors.h"

namespace eit {

using SeekOrigin = std::uint16_t;
inline constexpr SeekOrigin soFromBeginning = 0;
inline constexpr SeekOrigin soFromCurrent = 1;
inline constexpr SeekOrigin soFromEnd = 2;

class TStream {
 public:
  TStream() = default;
  TStream(const TStream&) = delete;
  TStream& operator=(const TStream&) = delete;
  virtual ~TStream() = default;

  // The four overridable operations. The base SetSize does nothing.
  virtual void SetSize(std::int64_t newSize);
  virtual std::int32_t Read(void* buffer, std::int32_t count) = 0;
  virtual std::int32_t Write(const void* buffer, std::int32_t count) = 0;
  virtual std::int64_t Seek(std::int64_t offset, SeekOrigin origin) = 0;

  // Position and size are derived through Seek, so a stream that cannot seek cannot report them.
  std::int64_t Position() { return Seek(0, soFromCurrent); }
  void SetPosition(std::int64_t position) { Seek(position, soFromBeginning); }
  std::int64_t Size();

  // Move exactly count bytes or raise EReadError "Stream read error" / EWriteError "Stream write error".
  void ReadBuffer(void* buffer, std::int32_t count);
  void WriteBuffer(const void* buffer, std::int32_t count);

  // Copies count bytes from source in pieces of 61,440 bytes. A count of 0 copies the whole source,
  // from its position 0. Returns the number of bytes copied.
  std::int64_t CopyFrom(TStream& source, std::int64_t count);
};

// A growable in-memory stream. Growth is geometric, so a series of appends costs linear time.
// Bytes that come into existence by growing (SetSize, a write past the end) are zero.
class TMemoryStream : public TStream {
 public:
  TMemoryStream() = default;
  ~TMemoryStream() override;

  void SetSize(std::int64_t newSize) override;
  std::int32_t Read(void* buffer, std::int32_t count) override;
  std::int32_t Write(const void* buffer, std::int32_t count) override;
  std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override;

  std::uint8_t* Memory() { return data_; }
  const std::uint8_t* Memory() const { return data_; }
  std::int64_t Size() const { return size_; }
  std::int64_t Capacity() const { return capacity_; }
  // Makes room for at least capacity bytes without changing the size.
  void Reserve(std::int64_t capacity);
  // Sets the size without zeroing what grows: for a caller that overwrites every byte at once.
  void SetSizeForOverwrite(std::int64_t newSize);
  void Clear();
  // Hands the bytes over to the caller, who frees them with std::free; the stream is empty after.
  std::uint8_t* Release();

  // Replaces the content by the whole file; position 0 afterwards.
  void LoadFromFile(const std::string& path);
  void LoadFromStream(TStream& source);
  // Reads up to count bytes from source straight into this stream at its position, growing it as
  // they come; stops early when source runs out. Returns the bytes read. Unlike CopyFrom there is
  // no intermediate buffer, and the size grows only by what was actually read.
  std::int64_t ReadFrom(TStream& source, std::int64_t count);
  // Writes the whole content to a file created anew.
  void SaveToFile(const std::string& path) const;
  void SaveToStream(TStream& destination) const;

 private:
  std::uint8_t* data_ = nullptr;
  std::int64_t size_ = 0;
  std::int64_t capacity_ = 0;
  std::int64_t position_ = 0;
};

enum class FileMode {
  OpenRead,       // existing file, reading only
  OpenReadWrite,  // existing file, reading and writing
  Create,         // new file, replacing an existing one, reading and writing
  CreateNew,      // new file that must not exist yet (EFExistsError when it does), reading and writing
};

// A stream over a regular file. Opening raises EFOpenError "Cannot open file %s" ("%s is not a file"
// for directories, FIFOs and devices, which are refused before anything is read) or EFCreateError
// "Cannot create file %s" with the path. Every failed write, flush and close raises EWriteError
// "Cannot write file %s: <the system's reason>"; a failed read raises EReadError.
class TFileStream : public TStream {
 public:
  TFileStream(const std::string& path, FileMode mode);
  ~TFileStream() override;

  void SetSize(std::int64_t newSize) override;
  std::int32_t Read(void* buffer, std::int32_t count) override;
  std::int32_t Write(const void* buffer, std::int32_t count) override;
  std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override;

  // Flushes and closes, raising "Stream write error" if buffered data cannot be written.
  // The destructor closes too but cannot report a failure.
  void Close();
  const std::string& FileName() const { return path_; }
  // The name errors give, when the file is a stand-in for another (a temporary for its final name).
  void SetShownName(const std::string& name) { shownName_ = name; }

 private:
  [[noreturn]] void WriteFailed(int error);
  std::string path_;
  std::string shownName_;
  std::FILE* file_ = nullptr;
  std::unique_ptr<char[]> buffer_;
  // stdio needs a positioning call between a write and a read that follows it, and vice versa.
  enum class LastOp { None, Read, Write } last_ = LastOp::None;
};

}  // namespace eit
