// Loading zlib, its allocation callbacks and the result checks.
#include <cstdlib>
#include <limits>
#include <mutex>

#include "compression/dynazlib.h"
#include "compression/dynazlib_testing.h"
#include "compression/zlib_library.h"
#include "platform/dynlib.h"

namespace eit {

namespace {

#ifdef _WIN32
constexpr const char* kZlibFileName = "zlib1.dll";
#elif defined(__APPLE__)
constexpr const char* kZlibFileName = "libz.1.dylib";
#else
constexpr const char* kZlibFileName = "libz.so.1";
#endif

// One binding for the whole program. The library stays loaded until static destruction at exit.
struct TZlibBinding {
  std::string libraryName = kZlibFileName;
  std::string loaded, version;  // the file loaded and the version it reports
  TDynamicLibrary library;
  detail::TZlibEntries entries{};
};

TZlibBinding& Binding() {
  static TZlibBinding binding;
  return binding;
}

}  // namespace

std::string ZlibLibraryDescription() {
  LoadZlibLibrary();
  const TZlibBinding& binding = Binding();
  return (binding.loaded.empty() ? binding.libraryName : binding.loaded) +
         (binding.version.empty() ? "" : ", version " + binding.version);
}

TText ZlibErrorText(int code) { return Says(SZlibError, {std::to_string(code)}); }

void LoadZlibLibrary() {
  TZlibBinding& binding = Binding();
  // Parallel runs load from several threads at once; only one of them may do it.
  static std::mutex lock;
  std::lock_guard<std::mutex> guard(lock);
  if (binding.library.IsLoaded()) return;
  TDynamicLibrary library = TDynamicLibrary::Load(binding.libraryName);
  detail::TZlibEntries entries{};
  // A library without all seven entries is as good as none: calling a missing one would crash.
  const bool complete = library.IsLoaded() && library.Bind("deflateInit_", entries.deflateInit_) &&
                        library.Bind("deflate", entries.deflate) &&
                        library.Bind("deflateEnd", entries.deflateEnd) &&
                        library.Bind("inflateInit_", entries.inflateInit_) &&
                        library.Bind("inflate", entries.inflate) &&
                        library.Bind("inflateEnd", entries.inflateEnd) &&
                        library.Bind("inflateReset", entries.inflateReset);
  if (!complete) throw EZlibError(Says(SLibraryAbsent));
  // Which zlib runs, for --version: a system may hold several (wine its own beside the program's).
  const char* (*version)() = nullptr;
  binding.loaded = library.FilePath();
  if (library.Bind("zlibVersion", version) && version() != nullptr) binding.version = version();
  binding.entries = entries;
  binding.library = std::move(library);
}

const detail::TZlibEntries& detail::Zlib() { return Binding().entries; }

int CompressCheck(int code) {
  if (code < 0) throw ECompressionError(ZlibErrorText(code), code);
  return code;
}

int DecompressCheck(int code) {
  if (code < 0) throw EDecompressionError(ZlibErrorText(code), code);
  return code;
}

voidpf ZlibAlloc(voidpf, uInt items, uInt size) {
  // An exception must not unwind through zlib's C frames, so a failure returns null and zlib
  // reports Z_MEM_ERROR, which the checks raise.
  const std::uint64_t bytes = static_cast<std::uint64_t>(items) * size;
  if (bytes == 0 || bytes > static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max())) return nullptr;
  return std::malloc(static_cast<std::size_t>(bytes));
}

void ZlibFree(voidpf, voidpf address) { std::free(address); }

namespace zlib_testing {

void ReloadFrom(const std::string& libraryName) {
  TZlibBinding& binding = Binding();
  binding.library.Release();
  binding.entries = {};
  binding.libraryName = libraryName;
}

std::string DefaultLibraryName() { return kZlibFileName; }

bool IsLoaded() { return Binding().library.IsLoaded(); }

}  // namespace zlib_testing

}  // namespace eit
