// The compressing and decompressing stream adapters.
#include <algorithm>
#include <exception>

#include "compression/dynazlib.h"
#include "compression/zlib_library.h"

namespace eit {

namespace {

constexpr int kZlibLevels[4] = {Z_NO_COMPRESSION, Z_BEST_SPEED, Z_DEFAULT_COMPRESSION, Z_BEST_COMPRESSION};
constexpr std::int32_t kSkipPiece = 4096;

}  // namespace

// --- TCustomZlibStream -----------------------------------------------------------------------

TCustomZlibStream::TCustomZlibStream(TStream& stream) {
  LoadZlibLibrary();
  BaseStream = &stream;
  BasePosition = stream.Position();
  ZRecord.zalloc = ZlibAlloc;
  ZRecord.zfree = ZlibFree;
}

void TCustomZlibStream::Progress(TStream& sender) {
  if (OnProgress) OnProgress(sender);
}

void TCustomZlibStream::RestoreBasePosition() {
  if (BaseStream->Position() != BasePosition) BaseStream->SetPosition(BasePosition);
}

// --- TCompressionStream ----------------------------------------------------------------------

TCompressionStream::TCompressionStream(TCompressionLevel compressionLevel, TStream& dest)
    : TCustomZlibStream(dest), uncaughtAtStart_(std::uncaught_exceptions()) {
  ZRecord.next_out = IoBuffer;
  ZRecord.avail_out = kIoBufferSize;
  CompressCheck(detail::Zlib().deflateInit_(&ZRecord, kZlibLevels[compressionLevel & 3], zlib_Version,
                                            sizeof(ZRecord)));
}

TCompressionStream::~TCompressionStream() {
  // While an exception unwinds, the output is being abandoned: write nothing more to it.
  if (!finished_ && std::uncaught_exceptions() <= uncaughtAtStart_) {
    try {
      Finish();
    } catch (...) {
      // A destructor cannot raise; callers that need to know call Finish() themselves.
    }
  }
  End();
}

void TCompressionStream::End() noexcept {
  if (!ended_) detail::Zlib().deflateEnd(&ZRecord);
  ended_ = true;
}

std::int32_t TCompressionStream::Read(void*, std::int32_t) {
  throw ECompressionError(Says(SInvalidStreamOp));
}

std::int32_t TCompressionStream::Write(const void* buffer, std::int32_t count) {
  if (finished_) throw ECompressionError(Says(SInvalidStreamOp));
  ZRecord.next_in = static_cast<Bytef*>(const_cast<void*>(buffer));
  ZRecord.avail_in = count > 0 ? static_cast<uInt>(count) : 0;
  RestoreBasePosition();
  while (ZRecord.avail_in > 0) {
    CompressCheck(detail::Zlib().deflate(&ZRecord, Z_NO_FLUSH));
    if (ZRecord.avail_out == 0) {
      BaseStream->WriteBuffer(IoBuffer, kIoBufferSize);
      ZRecord.next_out = IoBuffer;
      ZRecord.avail_out = kIoBufferSize;
      BasePosition = BaseStream->Position();
      Progress(*this);
    }
  }
  return count > 0 ? count : 0;
}

void TCompressionStream::Finish() {
  if (finished_) return;
  finished_ = true;
  ZRecord.next_in = nullptr;
  ZRecord.avail_in = 0;
  try {
    RestoreBasePosition();
    while (CompressCheck(detail::Zlib().deflate(&ZRecord, Z_FINISH)) != Z_STREAM_END &&
           ZRecord.avail_out == 0) {
      BaseStream->WriteBuffer(IoBuffer, kIoBufferSize);
      ZRecord.next_out = IoBuffer;
      ZRecord.avail_out = kIoBufferSize;
    }
    if (ZRecord.avail_out < static_cast<uInt>(kIoBufferSize))
      BaseStream->WriteBuffer(IoBuffer, kIoBufferSize - static_cast<std::int32_t>(ZRecord.avail_out));
  } catch (...) {
    End();
    throw;
  }
  End();
}

std::int64_t TCompressionStream::Seek(std::int64_t offset, SeekOrigin origin) {
  if (offset == 0 && origin == soFromCurrent) return static_cast<std::int64_t>(ZRecord.total_in);
  throw ECompressionError(Says(SInvalidStreamOp));
}

float TCompressionStream::GetCompressionRate() const {
  if (ZRecord.total_in == 0) return 0.0f;
  return (1.0f - static_cast<float>(ZRecord.total_out) / static_cast<float>(ZRecord.total_in)) * 100.0f;
}

// --- TDecompressionStream --------------------------------------------------------------------

TDecompressionStream::TDecompressionStream(TStream& source) : TCustomZlibStream(source) {
  ZRecord.next_in = IoBuffer;
  ZRecord.avail_in = 0;
  DecompressCheck(detail::Zlib().inflateInit_(&ZRecord, zlib_Version, sizeof(ZRecord)));
}

TDecompressionStream::~TDecompressionStream() { detail::Zlib().inflateEnd(&ZRecord); }

std::int32_t TDecompressionStream::Read(void* buffer, std::int32_t count) {
  if (count < 0) count = 0;
  ZRecord.next_out = static_cast<Bytef*>(buffer);
  ZRecord.avail_out = static_cast<uInt>(count);
  RestoreBasePosition();
  while (ZRecord.avail_out > 0) {
    // After the end of the zlib stream nothing more can come, whatever bytes follow it.
    if (streamEnded_) return count - static_cast<std::int32_t>(ZRecord.avail_out);
    if (ZRecord.avail_in == 0) {
      const std::int32_t got = ReadBaseBlock();
      if (got <= 0) {
        // zlib may hold output of input it has already taken (a full output buffer stopped it): that
        // comes out before the stream counts as ended. No progress at all is inflate's -5, not an error.
        const uInt before = ZRecord.avail_out;
        const int result = detail::Zlib().inflate(&ZRecord, Z_NO_FLUSH);
        if (result != Z_BUF_ERROR) DecompressCheck(result);
        if (result == Z_STREAM_END) streamEnded_ = true;
        if (result == Z_NEED_DICT) throw EDecompressionError(ZlibErrorText(result), result);
        if (ZRecord.avail_out == before || result == Z_BUF_ERROR) return count - static_cast<std::int32_t>(ZRecord.avail_out);
        continue;
      }
      ZRecord.avail_in = static_cast<uInt>(got);
      BasePosition = BaseStream->Position();
      Progress(*this);
    }
    const int result = DecompressCheck(detail::Zlib().inflate(&ZRecord, Z_NO_FLUSH));
    if (result == Z_STREAM_END) streamEnded_ = true;
    // Without the dictionary it asks for, inflate would make no progress, ever.
    if (result == Z_NEED_DICT) throw EDecompressionError(ZlibErrorText(result), result);
  }
  return count;
}

std::int32_t TDecompressionStream::ReadBaseBlock() {
  // A memory stream's block is inflated where it lies instead of being copied first; the base
  // stream moves by the same 65,536-byte steps either way.
  if (auto* memory = dynamic_cast<TMemoryStream*>(BaseStream)) {
    const std::int64_t at = memory->Position();
    const std::int64_t got = std::min<std::int64_t>(kIoBufferSize, std::max<std::int64_t>(memory->Size() - at, 0));
    if (got <= 0) return 0;
    ZRecord.next_in = memory->Memory() + at;
    memory->Seek(got, soFromCurrent);
    return static_cast<std::int32_t>(got);
  }
  ZRecord.next_in = IoBuffer;
  return BaseStream->Read(IoBuffer, kIoBufferSize);
}

std::int32_t TDecompressionStream::Write(const void*, std::int32_t) {
  throw EDecompressionError(Says(SInvalidStreamOp));
}

std::int64_t TDecompressionStream::Seek(std::int64_t offset, SeekOrigin origin) {
  const auto totalOut = static_cast<std::int64_t>(ZRecord.total_out);
  if (offset == 0 && origin == soFromBeginning) {
    DecompressCheck(detail::Zlib().inflateReset(&ZRecord));
    ZRecord.next_in = IoBuffer;
    ZRecord.avail_in = 0;
    streamEnded_ = false;
    BaseStream->SetPosition(0);
    BasePosition = 0;
  } else if ((offset >= 0 && origin == soFromCurrent) || (offset - totalOut >= 0 && origin == soFromBeginning)) {
    std::int64_t distance = origin == soFromCurrent ? offset : offset - totalOut;
    std::uint8_t scratch[kSkipPiece];
    for (; distance >= kSkipPiece; distance -= kSkipPiece) ReadBuffer(scratch, kSkipPiece);
    ReadBuffer(scratch, static_cast<std::int32_t>(distance));
  } else {
    throw EDecompressionError(Says(SInvalidStreamOp));
  }
  return static_cast<std::int64_t>(ZRecord.total_out);
}

}  // namespace eit
