#include "platform/limits.h"
#include "compression/pack_engine.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

#include "compression/dynazlib.h"
#include "compression/dynazlib_testing.h"
#include "compression/pack_engine_testing.h"
#include "platform/dynlib.h"

// libdeflate's C interface, as far as it is used: declared here, so that the program builds where no
// libdeflate header is installed (the Windows cross build) and uses the library wherever it is found.
extern "C" {
struct libdeflate_compressor;
struct libdeflate_decompressor;
}

namespace eit {

namespace {

constexpr int kLibdeflateSuccess = 0;

#ifdef _WIN32
constexpr const char* kLibdeflateFileName = "libdeflate.dll";
#elif defined(__APPLE__)
constexpr const char* kLibdeflateFileName = "libdeflate.0.dylib";
#else
constexpr const char* kLibdeflateFileName = "libdeflate.so.0";
#endif

struct TLibdeflateEntries {
  libdeflate_compressor* (*allocCompressor)(int);
  std::size_t (*zlibCompress)(libdeflate_compressor*, const void*, std::size_t, void*, std::size_t);
  std::size_t (*zlibCompressBound)(libdeflate_compressor*, std::size_t);
  void (*freeCompressor)(libdeflate_compressor*);
  libdeflate_decompressor* (*allocDecompressor)();
  int (*zlibDecompressEx)(libdeflate_decompressor*, const void*, std::size_t, void*, std::size_t, std::size_t*,
                          std::size_t*);
  void (*freeDecompressor)(libdeflate_decompressor*);
};

struct TBinding {
  std::mutex lock;
  std::string libraryName = kLibdeflateFileName;
  bool tried = false;
  // Libraries loaded stay loaded for the process: a reload in tests must not pull code from under a
  // call in flight.
  std::vector<TDynamicLibrary> libraries;
  const TLibdeflateEntries* entries = nullptr;
  std::vector<std::unique_ptr<TLibdeflateEntries>> tables;
};

TBinding& Binding() {
  static TBinding binding;
  return binding;
}

const TLibdeflateEntries* Entries() {
  TBinding& binding = Binding();
  std::lock_guard<std::mutex> guard(binding.lock);
  if (binding.tried) return binding.entries;
  binding.tried = true;
  TDynamicLibrary library = TDynamicLibrary::Load(binding.libraryName);
  auto table = std::make_unique<TLibdeflateEntries>();
  // Every entry point or none: a library missing one is treated as absent.
  const bool complete = library.IsLoaded() && library.Bind("libdeflate_alloc_compressor", table->allocCompressor) &&
                        library.Bind("libdeflate_zlib_compress", table->zlibCompress) &&
                        library.Bind("libdeflate_zlib_compress_bound", table->zlibCompressBound) &&
                        library.Bind("libdeflate_free_compressor", table->freeCompressor) &&
                        library.Bind("libdeflate_alloc_decompressor", table->allocDecompressor) &&
                        library.Bind("libdeflate_zlib_decompress_ex", table->zlibDecompressEx) &&
                        library.Bind("libdeflate_free_decompressor", table->freeDecompressor);
  if (!complete) return nullptr;
  binding.entries = table.get();
  binding.tables.push_back(std::move(table));
  binding.libraries.push_back(std::move(library));
  return binding.entries;
}

}  // namespace

bool LibdeflateAvailable() { return Entries() != nullptr; }
bool UsingLibdeflate(TPackEngine engine) { return engine == TPackEngine::Fastest && LibdeflateAvailable(); }

std::string PackEngineDescription(TPackEngine engine) {
  std::string zlib;
  try {
    zlib = ZlibLibraryDescription();
  } catch (const EZlibError&) {
    zlib = "not found";
  }
  const bool deflate = LibdeflateAvailable();
  std::string text = "zlib: " + zlib +
                     "; libdeflate: " + (deflate ? Binding().libraryName : std::string("not found"));
  text += "; textures are packed and unpacked with ";
  text += UsingLibdeflate(engine) ? "libdeflate (level " + std::to_string(kLibdeflateLevel) + ")" : "zlib (level 1)";
  return text;
}

bool UnpackWhole(TPackEngine engine, const std::uint8_t* in, std::size_t inSize, std::uint8_t* out,
                 std::size_t outSize) {
  if (engine == TPackEngine::Zlib) return false;
  const TLibdeflateEntries* lib = Entries();
  if (lib == nullptr) return false;
  libdeflate_decompressor* d = lib->allocDecompressor();
  if (d == nullptr) return false;
  std::size_t usedIn = 0, madeOut = 0;
  const int result = lib->zlibDecompressEx(d, in, inSize, out, outSize, &usedIn, &madeOut);
  lib->freeDecompressor(d);
  return result == kLibdeflateSuccess && madeOut == outSize;
}

bool PackWhole(TPackEngine engine, const std::uint8_t* data, std::size_t size, TStream& destination) {
  if (engine == TPackEngine::Zlib) return false;
  const TLibdeflateEntries* lib = Entries();
  if (lib == nullptr) return false;
  std::unique_ptr<libdeflate_compressor, void (*)(libdeflate_compressor*)> c(lib->allocCompressor(kLibdeflateLevel),
                                                                             lib->freeCompressor);
  if (!c) throw ECompressionError(ZlibErrorText(-4), -4);
  // Not zeroed first: libdeflate writes what it returns.
  const std::size_t bound = lib->zlibCompressBound(c.get(), size);
  const std::unique_ptr<std::uint8_t[]> packed(new std::uint8_t[bound]);
  const std::size_t n = lib->zlibCompress(c.get(), data, size, packed.get(), bound);
  if (n == 0) throw ECompressionError(ZlibErrorText(-5), -5);
  for (std::size_t done = 0; done < n;) {
    const auto piece = static_cast<std::int32_t>(std::min<std::size_t>(n - done, kTransferPieceBytes));
    destination.WriteBuffer(packed.get() + done, piece);
    done += static_cast<std::size_t>(piece);
  }
  return true;
}

namespace libdeflate_testing {

void ReloadFrom(const std::string& libraryName) {
  TBinding& binding = Binding();
  std::lock_guard<std::mutex> guard(binding.lock);
  binding.libraryName = libraryName;
  binding.tried = false;
  binding.entries = nullptr;
}

std::string DefaultLibraryName() { return kLibdeflateFileName; }

}  // namespace libdeflate_testing

}  // namespace eit
