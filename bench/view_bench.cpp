// The viewer on a 4096 x 4096 32-bit packed texture: the file read and unpacked, the picture composed over
// its checkerboard and (where the window is built) made into the image the viewer draws. Target: 0.5 s.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "bench_textures.h"
#include "engine/image_view.h"
#ifdef EIT_BENCH_WINDOW
#include "window/image_viewer_dialog.h"
#endif

namespace {

struct Setup {
  std::filesystem::path dir = std::filesystem::temp_directory_path() / "eitool-bench-view";
  std::string source = (dir / "huge.dds").string();
  Setup() {
    std::filesystem::create_directories(dir);
    const eit::bench::Bytes image = eit::bench::TextureImage(4096);
    eit::bench::WritePackedTexture(source, image);
  }
  ~Setup() {
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
  }
};

void BM_ViewLargeTexture(benchmark::State& state) {
  static Setup setup;
  for (auto _ : state) {
    const eit::TEntryView view = eit::ViewEntry({eit::TJobKind::Texture, setup.source});
    if (!view.Error.empty() || view.Records.size() != 1) state.SkipWithError("the texture did not read");
#ifdef EIT_BENCH_WINDOW
    benchmark::DoNotOptimize(eit::DrawViewPicture(view.Records[0].Source, eit::TAlphaShow::Checkerboard));
#else
    benchmark::DoNotOptimize(eit::ComposeForView(view.Records[0].Source.Picture, eit::TAlphaShow::Checkerboard));
#endif
  }
}

BENCHMARK(BM_ViewLargeTexture)->Unit(benchmark::kMillisecond);

}  // namespace
