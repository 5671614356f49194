// Deflate compression through the zlib library, loaded at run time on first use.
//
// Offers the library load and its result checks, two one-shot buffer calls and two stream adapters:
// TCompressionStream deflates what is written to it into a base stream; TDecompressionStream inflates
// what it reads from a base stream. Neither adapter owns its base stream.
//
// Failures: EZlibError "zlib32.dll not found" when the library cannot be used;
// ECompressionError / EDecompressionError "ZLIB Internal error %d" for a negative zlib result, and
// "Invalid stream operation" for an operation a stream does not support.
#pragma once

#include <zlib.h>  // z_stream only: the functions are called through the loaded library

#include <cstdint>
#include <functional>
#include <string>

#include "platform/errors.h"
#include "platform/streams.h"

namespace eit {

// The binding's messages (forms, which the window words in its language).
inline constexpr const char* SLibraryAbsent = EIT_SAYS("zlib32.dll not found");
inline constexpr const char* SInvalidStreamOp = EIT_SAYS("Invalid stream operation");
inline constexpr const char* SZlibError = EIT_SAYS("ZLIB Internal error %1");

// The text of SZlibError with the zlib result code in place of %1.
TText ZlibErrorText(int code);

// The interface version both init calls ask for.
inline constexpr const char* zlib_Version = "1.1.3";

// Code: zlib's result code when the failure is one of zlib's (Z_MEM_ERROR: out of memory), else 0.
class EZlibError : public Exception {
 public:
  explicit EZlibError(const TText& message, int code = 0) : Exception(message), code_(code) {}
  int Code() const { return code_; }
  TFailureKind Kind() const override { return code_ == -4 ? TFailureKind::OutOfMemory : TFailureKind::Refused; }  // Z_MEM_ERROR

 private:
  int code_;
};
class ECompressionError : public EZlibError {
  using EZlibError::EZlibError;
};
class EDecompressionError : public EZlibError {
  using EZlibError::EZlibError;
};

// Loads the library and its seven entry points unless that has happened. Raises EZlibError when the
// library is missing or lacks an entry point; nothing is kept then, so the next call tries again.
void LoadZlibLibrary();
// The zlib library in use: the file loaded and the version it reports ("/usr/lib/.../libz.so.1, version
// 1.2.13"). Loads it; raises EZlibError when it cannot.
std::string ZlibLibraryDescription();

// Return a non-negative zlib result unchanged; raise ECompressionError / EDecompressionError with
// "ZLIB Internal error %d" for a negative one.
int CompressCheck(int code);
int DecompressCheck(int code);

// Allocation callbacks handed to zlib. A request of 0 bytes, or one the heap cannot meet, returns
// null, which zlib reports as its memory error (-4).
voidpf ZlibAlloc(voidpf opaque, uInt items, uInt size);
void ZlibFree(voidpf opaque, voidpf address);

// Deflates Input at level 9 into a new block of exactly OutputLength bytes, taken from the C heap;
// the caller releases it with std::free. Raises ECompressionError; Output is invalid after a failure.
void CompressBuf(const void* Input, std::int32_t InputLength, void*& Output, std::int32_t& OutputLength);
// Inflates Input into a new block, starting from ExpectedLength bytes (0: no estimate) and growing
// as needed. Output is null when the data decode to nothing. Raises EDecompressionError.
void DecompressBuf(const void* Input, std::int32_t InputLength, std::int32_t ExpectedLength, void*& Output,
                   std::int32_t& OutputLength);

enum TCompressionLevel : std::uint8_t { cmlNo = 0, cmlFast = 1, cmlDef = 2, cmlBest = 3 };

class TCustomZlibStream : public TStream {
 public:
  using TProgressEvent = std::function<void(TStream& sender)>;

  // Called after each block moved to or from the base stream.
  TProgressEvent OnProgress;
  virtual void Progress(TStream& sender);

 protected:
  explicit TCustomZlibStream(TStream& stream);

  static constexpr std::int32_t kIoBufferSize = 65536;

  // The base stream is put back here before each use, in case someone else moved it meanwhile.
  void RestoreBasePosition();

  TStream* BaseStream;
  std::int64_t BasePosition;
  z_stream ZRecord{};
  std::uint8_t IoBuffer[kIoBufferSize];
};

// Write-only. Compressed bytes reach the base stream in whole 65,536-byte blocks while writing;
// the tail is written by Finish(), or by the destructor when Finish() was not called.
class TCompressionStream : public TCustomZlibStream {
 public:
  TCompressionStream(TCompressionLevel compressionLevel, TStream& dest);
  ~TCompressionStream() override;

  std::int32_t Read(void* buffer, std::int32_t count) override;    // raises
  std::int32_t Write(const void* buffer, std::int32_t count) override;
  std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override;  // position query only

  // Completes the zlib stream in the base stream. Raises on failure, which a destructor cannot do:
  // call it whenever the result matters. Writing afterwards raises "Invalid stream operation".
  void Finish();
  // Percentage saved so far, counting compressed bytes still waiting in the buffer.
  float GetCompressionRate() const;

 private:
  void End() noexcept;
  bool finished_ = false;
  bool ended_ = false;
  int uncaughtAtStart_;
};

// Read-only. Reads the base stream in 65,536-byte requests. A read ends early, returning the bytes
// produced, at the end of the base stream or of the zlib stream. Seeking: 0 from the beginning
// restarts at position 0 of the base stream; forward seeks read and discard; others raise.
class TDecompressionStream : public TCustomZlibStream {
 public:
  explicit TDecompressionStream(TStream& source);
  ~TDecompressionStream() override;

  std::int32_t Read(void* buffer, std::int32_t count) override;
  std::int32_t Write(const void* buffer, std::int32_t count) override;  // raises
  std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override;

 private:
  // Reads the next block of compressed bytes and points the zlib input at it; returns its length.
  std::int32_t ReadBaseBlock();
  bool streamEnded_ = false;
};

}  // namespace eit
