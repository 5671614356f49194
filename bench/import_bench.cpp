// Importing a 2048 x 2048 32-bit TGA into a packed texture against the least work that needs:
// inflating the source, reading the image bytes, the channel swap, deflate at level 1, writing.
#include <zlib.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "engine/jobs.h"
#include "formats/misc.h"
#include "bench_textures.h"
#include "compression/pack_engine.h"
#include "libdeflate_floor.h"
#include "ratio_reporter.h"
#include "codecs/targa.h"

namespace {

using eit::bench::Bytes;
constexpr std::int32_t kSide = 2048;
constexpr std::size_t kImageBytes = eit::kImageHeaderSize + std::size_t{kSide} * kSide * 4;

struct Setup {
  std::filesystem::path dir = std::filesystem::temp_directory_path() / "eitool-bench-import";
  std::string source = (dir / "big.dds").string(), picture = (dir / "big.tga").string();
  Bytes packed;

  Setup() {
    std::filesystem::create_directories(dir / "out");
    const Bytes image = eit::bench::TextureImage(kSide);
    packed = eit::bench::Deflated(image);
    const Bytes file = eit::bench::PackedContainer(image, packed);
    std::ofstream(source, std::ios::binary).write(reinterpret_cast<const char*>(file.data()),
                                                  static_cast<std::streamsize>(file.size()));
    // The edited picture: the texture itself, as the export wrote it.
    eit::TBitmap bitmap(eit::TPixelFormat::pf32bit, kSide, kSide);
    eit::CopySwapRedBlue32(bitmap.ScanLine(0), image.data() + eit::kImageHeaderSize, kImageBytes - eit::kImageHeaderSize);
    eit::WriteTGA(picture.c_str(), bitmap, 1);
  }
  ~Setup() {
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
  }
};

Setup& S() {
  static Setup setup;
  return setup;
}

void ImportTexture(benchmark::State& state, bool zlibOnly, bool checks = true) {
  eit::bench::NullReporter reporter;
  const std::string output = (S().dir / "out" / "big.dds").string();
  for (auto _ : state) {
    state.PauseTiming();
    std::filesystem::remove(output);
    state.ResumeTiming();
    eit::TFileStream source(S().source, eit::FileMode::OpenRead);
    eit::TImportRecord record;
    record.SourcePath = S().source;
    record.Source = &source;
    record.OutputPath = output;
    record.ImagePath = S().picture;
    eit::TJobContext context;
    context.Engine = zlibOnly ? eit::TPackEngine::Zlib : eit::TPackEngine::Fastest;
    context.TargetDir = (S().dir / "out").string();
    context.Reporter = &reporter;
    context.CheckEdits = checks;
    eit::ImportTexture(context, record);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kImageBytes));
}

// With the default engine (libdeflate) and with zlib asked for.
void BM_ImportTexture(benchmark::State& state) { ImportTexture(state, false); }
void BM_ImportTextureZlib(benchmark::State& state) { ImportTexture(state, true); }
// The edit warnings' cost: the picture is the texture itself, the worst case (every row compared).
void BM_ImportTextureNoChecks(benchmark::State& state) { ImportTexture(state, false, false); }

// Reads the edited picture's pixels into the image and swaps them, as the import does.
void ReadPicture(Bytes& image) {
  std::FILE* in = std::fopen(S().picture.c_str(), "rb");
  std::fseek(in, 18, SEEK_SET);
  const std::size_t got = std::fread(image.data() + eit::kImageHeaderSize, 1, kImageBytes - eit::kImageHeaderSize, in);
  std::fclose(in);
  eit::SwapRedBlue32(image.data() + eit::kImageHeaderSize, got);
}

void BM_ImportFloorLibdeflate(benchmark::State& state) {
  const std::string output = (S().dir / "floor.dds").string();
  for (auto _ : state) {
    state.PauseTiming();
    std::filesystem::remove(output);
    state.ResumeTiming();
    Bytes image(kImageBytes);
    eit::bench::LibdeflateInflate(S().packed, image.data(), image.size());
    ReadPicture(image);
    const Bytes packed = eit::bench::LibdeflateDeflate(image.data(), image.size());
    std::FILE* out = std::fopen(output.c_str(), "wb");
    std::fwrite("ELTE\0\0\0\0\0\0\0\0", 1, 12, out);
    std::fwrite(packed.data(), 1, packed.size(), out);
    std::fclose(out);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kImageBytes));
}

void BM_ImportFloor(benchmark::State& state) {
  const std::string output = (S().dir / "floor.dds").string();
  for (auto _ : state) {
    state.PauseTiming();
    std::filesystem::remove(output);
    state.ResumeTiming();
    Bytes image(kImageBytes);
    z_stream z{};
    inflateInit(&z);
    z.next_in = S().packed.data();
    z.avail_in = static_cast<uInt>(S().packed.size());
    z.next_out = image.data();
    z.avail_out = static_cast<uInt>(image.size());
    inflate(&z, Z_FINISH);
    inflateEnd(&z);
    std::FILE* in = std::fopen(S().picture.c_str(), "rb");
    std::fseek(in, 18, SEEK_SET);
    const std::size_t got = std::fread(image.data() + eit::kImageHeaderSize, 1, kImageBytes - eit::kImageHeaderSize, in);
    std::fclose(in);
    eit::SwapRedBlue32(image.data() + eit::kImageHeaderSize, got);
    Bytes packed(compressBound(kImageBytes));
    uLongf length = packed.size();
    compress2(packed.data(), &length, image.data(), kImageBytes, 1);
    std::FILE* out = std::fopen(output.c_str(), "wb");
    std::fwrite("ELTE\0\0\0\0\0\0\0\0", 1, 12, out);
    std::fwrite(packed.data(), 1, length, out);
    std::fclose(out);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kImageBytes));
}

BENCHMARK(BM_ImportTexture)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_ImportFloorLibdeflate)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_ImportTextureZlib)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_ImportTextureNoChecks)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_ImportFloor)->Unit(benchmark::kMillisecond)->Repetitions(5);
EIT_BENCH_RATIO(BM_ImportTexture, BM_ImportFloorLibdeflate, 1.10);
EIT_BENCH_RATIO(BM_ImportTextureZlib, BM_ImportFloor, 1.15);
EIT_BENCH_RATIO(BM_ImportTexture, BM_ImportTextureNoChecks, 1.05);

}  // namespace
