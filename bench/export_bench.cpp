// Exporting a packed 2048 x 2048 32-bit texture to TGA against the least work that needs: inflate,
// the channel swap, and writing as many bytes; and to PNG against the TGA export, for a smooth texture and a
// photo-like one, whole and the coders alone.
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "codecs/pictures.h"
#include "engine/jobs.h"
#include "platform/files.h"
#include "formats/misc.h"
#include "bench_textures.h"
#include "compression/pack_engine.h"
#include "libdeflate_floor.h"
#include "ratio_reporter.h"

namespace {

using eit::bench::Bytes;
constexpr std::uint32_t kSide = 2048;
constexpr std::size_t kImageBytes = eit::kImageHeaderSize + std::size_t{kSide} * kSide * 4;

// A smooth texture (gradients, noise in one channel) and a photo-like one, packed as the game packs them.
struct Picture {
  std::string source;
  Bytes packed;  // the zlib stream alone
  std::size_t pngZlib1 = 0;  // the PNG's rows (Sub filter, RGBA) through zlib level 1: what a PNG writer on zlib makes
  std::int64_t tgaBytes = 0;
};

// The rows as the PNG writer files them: a filter byte (Sub) and each byte less the one a pixel before, RGBA.
std::size_t SubFilteredZlib1(const Bytes& image) {
  const std::size_t stride = std::size_t{kSide} * 4;
  Bytes rows((stride + 1) * kSide);
  for (std::size_t y = 0; y < kSide; ++y) {
    const std::uint8_t* in = image.data() + eit::kImageHeaderSize + y * stride;
    std::uint8_t* out = rows.data() + y * (stride + 1);
    out[0] = 1;
    for (std::size_t i = 0; i < stride; ++i) {
      static constexpr std::size_t kFrom[4] = {2, 1, 0, 3};  // the texture's BGRA as RGBA
      const std::size_t channel = i - i % 4 + kFrom[i % 4];
      const std::uint8_t value = in[channel];
      out[1 + i] = static_cast<std::uint8_t>(value - (i >= 4 ? in[channel - 4] : 0));
    }
  }
  return eit::bench::Deflated(rows).size();
}

struct Setup {
  std::filesystem::path dir = std::filesystem::temp_directory_path() / "eitool-bench-export";
  Picture smooth, photo, patterned;
  std::string source = (dir / "big.dds").string();

  Setup() {
    std::filesystem::create_directories(dir / "out");
    smooth = Make("big.dds", eit::bench::TextureImage(kSide));
    photo = Make("photo.dds", eit::bench::PhotoImage(kSide));
    patterned = Make("patterned.dds", eit::bench::PatternedImage(kSide));
  }
  Picture Make(const std::string& name, const Bytes& image) {
    Picture picture{(dir / name).string(), eit::bench::Deflated(image), SubFilteredZlib1(image)};
    eit::bench::WritePackedTexture(picture.source, image);
    return picture;
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

#ifdef __linux__
// The peak memory of one export as a multiple of the unpacked image, measured in a fresh process
// (this one's peak is set by the benchmarks before it).
double PeakMemoryPerImage() {
  const std::string command = "\"" EIT_EXPORT_MEMORY "\" \"" + S().source + "\" \"" + (S().dir / "out").string() + "\"";
  std::FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return 0;
  double ratio = 0;
  if (std::fscanf(pipe, "%lf", &ratio) != 1) ratio = 0;
  pclose(pipe);
  return ratio;
}
#endif

enum class TKind { Smooth, Photo, Patterned };

void ExportTexture(benchmark::State& state, bool zlibOnly, bool png = false, TKind kind = TKind::Smooth) {
  Picture& picture = kind == TKind::Photo ? S().photo : kind == TKind::Patterned ? S().patterned : S().smooth;
  const bool photo = kind != TKind::Smooth;
  const std::string stem = std::filesystem::path(picture.source).stem().string(), name = stem + (png ? ".png" : ".tga");
  eit::bench::NullReporter reporter;
  const auto exportOnce = [&](eit::TImageFiles files) {
    eit::TJobContext context;
    context.Images = files;
    context.Engine = zlibOnly ? eit::TPackEngine::Zlib : eit::TPackEngine::Fastest;
    context.TargetDir = (S().dir / "out").string();
    context.Reporter = &reporter;
    // The threads a run of this one texture gives the encoder when -j is not given.
    context.PictureThreads = std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, 4);
    eit::ExportTexture(context, picture.source);
  };
  if (png && picture.tgaBytes == 0) {  // the TGA's size, for the PNG's against it, whichever runs first
    std::filesystem::remove(S().dir / "out" / (stem + ".tga"));
    exportOnce(eit::TImageFiles::BmpTga);
    picture.tgaBytes = static_cast<std::int64_t>(std::filesystem::file_size(S().dir / "out" / (stem + ".tga")));
  }
  for (auto _ : state) {
    // Both sides write a new file each time, as an export into a fresh directory does.
    state.PauseTiming();
    std::filesystem::remove(S().dir / "out" / name);
    state.ResumeTiming();
    exportOnce(png ? eit::TImageFiles::Png : eit::TImageFiles::BmpTga);
  }
  const auto bytes = static_cast<std::int64_t>(std::filesystem::file_size(S().dir / "out" / name));
  state.counters["file_bytes"] = static_cast<double>(bytes);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kImageBytes));
  if (png) {
    // The README's size figures: against the TGA, and against zlib level 1 of the same pixels.
    state.counters["size_of_tga"] = picture.tgaBytes > 0 ? static_cast<double>(bytes) / static_cast<double>(picture.tgaBytes) : 0;
    state.counters["size_of_zlib1"] = static_cast<double>(bytes) / static_cast<double>(picture.pngZlib1);
    return;
  }
  picture.tgaBytes = bytes;
#ifdef __linux__
  if (!zlibOnly && !photo) state.counters["peak_memory_per_image"] = PeakMemoryPerImage();  // target: at most 2.2
#endif
}

// With the default engine (libdeflate) and with zlib asked for.
void BM_ExportTexture(benchmark::State& state) { ExportTexture(state, false); }
void BM_ExportTextureZlib(benchmark::State& state) { ExportTexture(state, true); }
// The same texture written as PNG (extract --format png).
void BM_ExportTexturePng(benchmark::State& state) { ExportTexture(state, false, true); }
// A photo-like texture, to TGA and to PNG.
void BM_ExportPhoto(benchmark::State& state) { ExportTexture(state, false, false, TKind::Photo); }
void BM_ExportPhotoPng(benchmark::State& state) { ExportTexture(state, false, true, TKind::Photo); }
// Rows repeating farther apart than deflate reaches (a game's bricks and fences): the PNG coder's hardest
// common case, against its TGA export (target: at most 2x).
void BM_ExportPatterned(benchmark::State& state) { ExportTexture(state, false, false, TKind::Patterned); }
void BM_ExportPatternedPng(benchmark::State& state) { ExportTexture(state, false, true, TKind::Patterned); }

// The PNG coder alone, on the pictures in memory, into a file: what the PNG export adds to the TGA export's
// reading and unpacking, so at most one TGA export's time for the whole to stay within two.
void WritePng(benchmark::State& state, bool photo) {
  const Bytes image = photo ? eit::bench::PhotoImage(kSide) : eit::bench::TextureImage(kSide);
  eit::TBitmap bitmap(eit::TPixelFormat::pf32bit, static_cast<std::int32_t>(kSide), static_cast<std::int32_t>(kSide));
  for (std::uint32_t y = 0; y < kSide; ++y)
    std::memcpy(bitmap.ScanLine(static_cast<std::int32_t>(y)), image.data() + eit::kImageHeaderSize + std::size_t{y} * kSide * 4,
                std::size_t{kSide} * 4);
  const std::string out = (S().dir / "coder.bin").string();
  for (auto _ : state) {
    state.PauseTiming();
    std::filesystem::remove(out);
    state.ResumeTiming();
    eit::TFileStream file(out, eit::FileMode::Create);
    eit::WritePicture(file, bitmap, eit::TPictureFormat::Png, std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, 4));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kImageBytes));
}
void BM_WritePng(benchmark::State& state) { WritePng(state, false); }
void BM_WritePngPhoto(benchmark::State& state) { WritePng(state, true); }

// Swap and write as the export does, after an inflate of either kind.
void SwapAndWrite(Bytes& image, const std::string& out) {
  eit::SwapRedBlue32(image.data() + eit::kImageHeaderSize, kImageBytes - eit::kImageHeaderSize);
  std::FILE* f = std::fopen(out.c_str(), "wb");
  const std::size_t n = S().smooth.tgaBytes > 0 ? static_cast<std::size_t>(S().smooth.tgaBytes) : image.size();
  std::fwrite(image.data(), 1, std::min(n, image.size()), f);
  if (n > image.size()) std::fwrite(image.data(), 1, n - image.size(), f);
  std::fclose(f);
}

void BM_ExportFloorLibdeflate(benchmark::State& state) {
  const std::string out = (S().dir / "floor.bin").string();
  for (auto _ : state) {
    state.PauseTiming();
    std::filesystem::remove(out);
    state.ResumeTiming();
    Bytes image(kImageBytes);
    eit::bench::LibdeflateInflate(S().smooth.packed, image.data(), image.size());
    SwapAndWrite(image, out);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kImageBytes));
}

void BM_ExportFloor(benchmark::State& state) {
  const std::string out = (S().dir / "floor.bin").string();
  for (auto _ : state) {
    state.PauseTiming();
    std::filesystem::remove(out);
    state.ResumeTiming();
    Bytes image(kImageBytes);
    z_stream z{};
    inflateInit(&z);
    z.next_in = S().smooth.packed.data();
    z.avail_in = static_cast<uInt>(S().smooth.packed.size());
    z.next_out = image.data();
    z.avail_out = static_cast<uInt>(image.size());
    inflate(&z, Z_FINISH);
    inflateEnd(&z);
    eit::SwapRedBlue32(image.data() + eit::kImageHeaderSize, kImageBytes - eit::kImageHeaderSize);
    std::FILE* f = std::fopen(out.c_str(), "wb");
    const std::size_t n = S().smooth.tgaBytes > 0 ? static_cast<std::size_t>(S().smooth.tgaBytes) : image.size();
    std::fwrite(image.data(), 1, std::min(n, image.size()), f);
    if (n > image.size()) std::fwrite(image.data(), 1, n - image.size(), f);
    std::fclose(f);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kImageBytes));
}

BENCHMARK(BM_ExportTexture)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_ExportFloorLibdeflate)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_ExportTexturePng)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_ExportTextureZlib)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_ExportPhoto)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_ExportPhotoPng)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_ExportPatterned)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_ExportPatternedPng)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_WritePng)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_WritePngPhoto)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_ExportFloor)->Unit(benchmark::kMillisecond)->Repetitions(5);
EIT_BENCH_RATIO(BM_ExportTexture, BM_ExportFloorLibdeflate, 1.10);
EIT_BENCH_RATIO(BM_ExportTextureZlib, BM_ExportFloor, 1.15);
EIT_BENCH_RATIO(BM_ExportTexturePng, BM_ExportTexture, 2.0);
EIT_BENCH_RATIO(BM_ExportPhotoPng, BM_ExportPhoto, 2.0);
EIT_BENCH_RATIO(BM_ExportPatternedPng, BM_ExportPatterned, 2.0);
EIT_BENCH_RATIO(BM_WritePng, BM_ExportTexture, 1.0);
EIT_BENCH_RATIO(BM_WritePngPhoto, BM_ExportPhoto, 1.0);

}  // namespace
