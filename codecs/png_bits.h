// The PNG coder's output: bytes that grow unzeroed, and the bits written into them. Only png_deflate.cpp
// includes this.
#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <new>

namespace eit::png {

// Bytes that grow without being zeroed first: every byte is written before it is read.
class TOutBytes {
 public:
  std::uint8_t* Data() { return block_.get(); }
  std::size_t Size() const { return size_; }
  void SetSize(std::size_t size) { size_ = size; }
  void Reserve(std::size_t capacity) {
    if (capacity <= capacity_) return;
    capacity = std::max(capacity, capacity_ + capacity_ / 2);
    void* grown = std::realloc(block_.get(), capacity);
    if (grown == nullptr) throw std::bad_alloc();
    block_.release();
    block_.reset(static_cast<std::uint8_t*>(grown));
    capacity_ = capacity;
  }

 private:
  struct TFree {
    void operator()(std::uint8_t* p) const { std::free(p); }
  };
  std::unique_ptr<std::uint8_t, TFree> block_;
  std::size_t size_ = 0, capacity_ = 0;
};

class TBitWriter {
 public:
  explicit TBitWriter(TOutBytes& out) : out_(out), used_(out.Size()) {}
  ~TBitWriter() { out_.SetSize(used_); }
  // Room for at least bytes more before the next Reserve.
  void Reserve(std::size_t bytes) {
    out_.Reserve(used_ + bytes + 8);
    cursor_ = out_.Data() + used_;
  }
  void Put(std::uint32_t bits, int count) {
    buffer_ |= std::uint64_t{bits} << filled_;
    filled_ += count;
    if (filled_ >= 32) {
      const auto word = static_cast<std::uint32_t>(buffer_);
      cursor_[0] = static_cast<std::uint8_t>(word), cursor_[1] = static_cast<std::uint8_t>(word >> 8);
      cursor_[2] = static_cast<std::uint8_t>(word >> 16), cursor_[3] = static_cast<std::uint8_t>(word >> 24);
      cursor_ += 4;
      used_ += 4;
      buffer_ >>= 32;
      filled_ -= 32;
    }
  }
  // Each token's bits from the tables, PerStore tokens (of at most 57 bits together) between stores of whole
  // bytes; the state is kept in locals meanwhile, which the compiler keeps in registers.
  template <int PerStore>
  void PutAll(const std::uint16_t* tokens, std::size_t count, const std::uint32_t* sent, const std::uint8_t* sentBits) {
    std::uint64_t buffer = buffer_;
    int filled = filled_;
    std::uint8_t* cursor = cursor_;
    const auto store = [&] {
      if constexpr (std::endian::native == std::endian::little)
        std::memcpy(cursor, &buffer, 8);
      else
        for (int k = 0; k < 8; ++k) cursor[k] = static_cast<std::uint8_t>(buffer >> (8 * k));
      const int whole = filled >> 3;
      cursor += whole;
      buffer = whole == 8 ? 0 : buffer >> (8 * whole);
      filled &= 7;
    };
    const auto put = [&](std::uint16_t token) {
      buffer |= std::uint64_t{sent[token]} << filled;
      filled += sentBits[token];
    };
    store();
    std::size_t k = 0;
    for (; k + PerStore <= count; k += PerStore) {
      for (int p = 0; p < PerStore; ++p) put(tokens[k + static_cast<std::size_t>(p)]);
      store();
    }
    for (; k < count; ++k) {
      put(tokens[k]);
      store();
    }
    used_ += static_cast<std::size_t>(cursor - cursor_);
    cursor_ = cursor, buffer_ = buffer, filled_ = filled;
  }
  // To the next byte boundary, with zero bits.
  void Align() {
    Reserve(8);
    while (filled_ > 0) {
      *cursor_++ = static_cast<std::uint8_t>(buffer_);
      ++used_;
      buffer_ >>= 8;
      filled_ = std::max(0, filled_ - 8);
    }
    buffer_ = 0;
  }
  void Bytes(std::initializer_list<std::uint8_t> bytes) {
    Reserve(bytes.size());
    for (const std::uint8_t b : bytes) *cursor_++ = b, ++used_;
  }

 private:
  TOutBytes& out_;
  std::size_t used_;
  std::uint8_t* cursor_ = nullptr;
  std::uint64_t buffer_ = 0;
  int filled_ = 0;
};

}  // namespace eit::png
