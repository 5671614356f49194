// One-shot compression and decompression of whole memory buffers.
#include <cstdlib>
#include <limits>
#include <memory>
#include <new>

#include "compression/dynazlib.h"
#include "compression/zlib_library.h"

namespace eit {

namespace {

constexpr std::int64_t kMaxLength = std::numeric_limits<std::int32_t>::max();

struct FreeBlock {
  void operator()(void* block) const noexcept { std::free(block); }
};
using Block = std::unique_ptr<std::uint8_t, FreeBlock>;

Block Allocate(std::int64_t length) {
  // One byte at least: zlib refuses a null output address even when no room is offered.
  Block block(static_cast<std::uint8_t*>(std::malloc(static_cast<std::size_t>(length > 0 ? length : 1))));
  if (!block) throw std::bad_alloc();
  return block;
}

// Resizes the block, keeping the record's output address at the same distance from its start.
void Grow(Block& block, z_stream& record, std::int64_t newLength, uInt room) {
  const std::ptrdiff_t used = record.next_out - block.get();
  auto* grown = static_cast<std::uint8_t*>(std::realloc(block.get(), static_cast<std::size_t>(newLength)));
  if (grown == nullptr) throw std::bad_alloc();
  (void)block.release();
  block.reset(grown);
  record.next_out = grown + used;
  record.avail_out = room;
}

// Hands the block to the caller trimmed to the record's total output; no output gives null.
void Deliver(Block& block, const z_stream& record, void*& Output, std::int32_t& OutputLength) {
  OutputLength = static_cast<std::int32_t>(record.total_out);
  if (OutputLength == 0) {
    block.reset();
    Output = nullptr;
    return;
  }
  auto* trimmed = static_cast<std::uint8_t*>(std::realloc(block.get(), static_cast<std::size_t>(OutputLength)));
  if (trimmed != nullptr) {
    (void)block.release();
    block.reset(trimmed);
  }
  Output = block.release();
}

}  // namespace

void CompressBuf(const void* Input, std::int32_t InputLength, void*& Output, std::int32_t& OutputLength) {
  LoadZlibLibrary();
  const detail::TZlibEntries& zlib = detail::Zlib();
  z_stream record{};
  record.zalloc = ZlibAlloc;
  record.zfree = ZlibFree;
  // The input plus a tenth plus 12, rounded up to 256: more than deflate ever needs.
  const std::int64_t length = (std::int64_t{InputLength} + InputLength / 10 + 12 + 255) & ~std::int64_t{255};
  if (InputLength < 0 || length > kMaxLength)
    throw ECompressionError("Cannot compress " + std::to_string(InputLength) +
                            " bytes in one buffer: the length is out of range");
  Block block = Allocate(length);
  record.next_in = static_cast<Bytef*>(const_cast<void*>(Input));
  record.avail_in = static_cast<uInt>(InputLength);
  record.next_out = block.get();
  record.avail_out = static_cast<uInt>(length);
  std::int64_t outputLength = length;
  CompressCheck(zlib.deflateInit_(&record, 9, zlib_Version, sizeof(record)));
  try {
    while (CompressCheck(zlib.deflate(&record, Z_FINISH)) != Z_STREAM_END) {
      outputLength += 256;
      if (outputLength > kMaxLength) throw ECompressionError("Compressed data exceed 2 GiB");
      Grow(block, record, outputLength, 256);
    }
  } catch (...) {
    // The first failure is the one worth reporting; the end call's own complaint would hide it.
    zlib.deflateEnd(&record);
    throw;
  }
  CompressCheck(zlib.deflateEnd(&record));
  Deliver(block, record, Output, OutputLength);
}

void DecompressBuf(const void* Input, std::int32_t InputLength, std::int32_t ExpectedLength, void*& Output,
                   std::int32_t& OutputLength) {
  LoadZlibLibrary();
  const detail::TZlibEntries& zlib = detail::Zlib();
  z_stream record{};
  record.zalloc = ZlibAlloc;
  record.zfree = ZlibFree;
  if (InputLength < 0 || ExpectedLength < 0)
    throw EDecompressionError("Cannot decompress " + std::to_string(InputLength) + " bytes into " +
                              std::to_string(ExpectedLength) + ": the length is out of range");
  const std::int64_t growStep = (std::int64_t{InputLength} + 255) & ~std::int64_t{255};
  std::int64_t outputLength = ExpectedLength != 0 ? ExpectedLength : growStep;
  Block block = Allocate(outputLength);
  record.next_in = static_cast<Bytef*>(const_cast<void*>(Input));
  record.avail_in = static_cast<uInt>(InputLength);
  record.next_out = block.get();
  record.avail_out = static_cast<uInt>(outputLength);
  DecompressCheck(zlib.inflateInit_(&record, zlib_Version, sizeof(record)));
  try {
    for (;;) {
      const int result = zlib.inflate(&record, Z_FINISH);
      if (result == Z_STREAM_END) break;
      // zlib calls a finish that ran out of room a buffer error; that only asks for more room.
      const bool outOfRoom = record.avail_out == 0 && (result == Z_OK || result == Z_BUF_ERROR);
      if (!outOfRoom) {
        if (result == Z_OK) continue;
        // Room is not what is missing: the data are truncated, corrupt, or need a dictionary.
        throw EDecompressionError(ZlibErrorText(result), result);
      }
      const std::int64_t step = growStep > 0 ? growStep : 256;
      outputLength += step;
      if (outputLength > kMaxLength) throw EDecompressionError("Decompressed data exceed 2 GiB");
      Grow(block, record, outputLength, static_cast<uInt>(step));
    }
  } catch (...) {
    zlib.inflateEnd(&record);
    throw;
  }
  DecompressCheck(zlib.inflateEnd(&record));
  Deliver(block, record, Output, OutputLength);
}

}  // namespace eit
