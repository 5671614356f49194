// Data and streams for tests.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "platform/streams.h"

namespace eit::testing {

using Bytes = std::vector<std::uint8_t>;

inline Bytes RandomBytes(std::size_t n, std::uint32_t seed = 1) {
  std::mt19937 gen(seed);
  Bytes out(n);
  for (auto& b : out) b = static_cast<std::uint8_t>(gen());
  return out;
}

// Something like a texture: smooth gradients with noise in one channel; deflate at level 1 halves it.
inline Bytes TextureLike(std::size_t n, std::uint32_t seed = 7) {
  std::mt19937 gen(seed);
  Bytes out(n);
  for (std::size_t i = 0; i < n; ++i)
    out[i] = static_cast<std::uint8_t>((i / 4 % 256) + (i / 4096 % 64) + (i % 4 == 0 ? gen() % 16 : 0));
  return out;
}

// Plain zlib, as a reference we did not write.
inline Bytes ZlibCompress(const Bytes& in, int level) {
  uLongf length = compressBound(static_cast<uLong>(in.size()));
  Bytes out(length);
  if (compress2(out.data(), &length, in.data(), static_cast<uLong>(in.size()), level) != Z_OK) return {};
  out.resize(length);
  return out;
}

// A zlib stream that can only be decoded with a preset dictionary.
inline Bytes ZlibCompressWithDictionary(const Bytes& in) {
  z_stream z{};
  deflateInit(&z, 6);
  static const Bytef dictionary[] = "dictionary";
  deflateSetDictionary(&z, dictionary, sizeof dictionary);
  Bytes out(deflateBound(&z, static_cast<uLong>(in.size())));
  z.next_in = const_cast<Bytef*>(in.data());
  z.avail_in = static_cast<uInt>(in.size());
  z.next_out = out.data();
  z.avail_out = static_cast<uInt>(out.size());
  deflate(&z, Z_FINISH);
  out.resize(z.total_out);
  deflateEnd(&z);
  return out;
}

inline Bytes ZlibUncompress(const std::uint8_t* data, std::size_t size, std::size_t expected) {
  Bytes out(expected + 1);
  uLongf length = static_cast<uLongf>(out.size());
  if (uncompress(out.data(), &length, data, static_cast<uLong>(size)) != Z_OK) return {0xEE};
  out.resize(length);
  return out;
}

inline Bytes ContentOf(const TMemoryStream& stream) {
  return Bytes(stream.Memory(), stream.Memory() + stream.Size());
}

inline void Fill(TMemoryStream& stream, const Bytes& bytes) {
  stream.Clear();
  if (!bytes.empty()) stream.WriteBuffer(bytes.data(), static_cast<std::int32_t>(bytes.size()));
  stream.SetPosition(0);
}

// A fresh directory under the system's temporary directory, removed with the object.
class TempDir {
 public:
  TempDir() {
    static int counter = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("eitool-test-" + std::to_string(std::random_device{}()) + "-" + std::to_string(++counter));
    std::filesystem::create_directories(path_);
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  // With the system's own separators, as the program writes paths.
  std::string File(const std::string& name) const { return (path_ / name).make_preferred().string(); }
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace eit::testing
