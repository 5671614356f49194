// A glyph sheet of 64 glyphs drawn from a font file, and the preview of a 60-character line: a
// translator waits for the one and types into the other. Both should take well under a second.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "cli/samples.h"
#include "formats/font_tools.h"
#include "engine/font_tool_files.h"
#include "engine/text_fit_files.h"
#include "platform/paths.h"

namespace {

const std::string kFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

struct Setup {
  std::filesystem::path dir = std::filesystem::temp_directory_path() / "eitool-bench-fonts";
  eit::TMemoryStream table;
  std::string fontBytes;
  eit::TBitmap texture;

  Setup() {
    std::filesystem::create_directories(dir);
    eit::WriteSamples(dir.string(), eit::TPackEngine::Fastest);
    table.LoadFromFile((dir / "latin.tdt").string());
    texture = eit::LoadFontTexture((dir / "latin.tdt").string());
    if (std::filesystem::exists(kFont)) {
      eit::TMemoryStream font;
      font.LoadFromFile(kFont);
      fontBytes.assign(reinterpret_cast<const char*>(font.Memory()), static_cast<std::size_t>(font.Size()));
    }
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

void BM_GlyphSheetFromFont(benchmark::State& state) {
  if (S().fontBytes.empty() || !eit::CanRenderFonts()) {
    state.SkipWithError("no DejaVu Sans or no FreeType here");
    return;
  }
  eit::TSheetOptions options;
  options.FontFile = kFont;
  for (auto _ : state) benchmark::DoNotOptimize(eit::RenderGlyphSheet(S().table, S().texture, "latin.tdt", S().fontBytes, options));
}

void BM_PreviewLine(benchmark::State& state) {
  // 60 characters, Cyrillic and Latin, at the dialog's zoom.
  const std::string text = "Съешь же ещё этих мягких французских булок, да выпей чаю! ABC";
  for (auto _ : state)
    benchmark::DoNotOptimize(eit::RenderPreview(S().table, S().texture, text, {1251, 2}, "latin.tdt"));
}

// What "Draw new letters" does on each change of choice: the 127 characters of code page 1251 drawn and
// sized, laid into a copy of the font, and a sentence set with it. Target: well under 100 ms.
void BM_DraftLetters(benchmark::State& state) {
  if (S().fontBytes.empty() || !eit::CanRenderFonts()) {
    state.SkipWithError("no DejaVu Sans or no FreeType here");
    return;
  }
  eit::TSheetOptions options;
  options.FontFile = kFont;
  for (auto _ : state) {
    const eit::TLetterDraft draft = eit::DraftLetters(S().table, S().texture, "latin.tdt", S().fontBytes, options,
                                                      "Съешь же ещё этих мягких французских булок", 2);
    if (!draft.Error.English.empty()) state.SkipWithError(draft.Error.English.c_str());
    benchmark::DoNotOptimize(draft);
  }
}

// A translation of 100,000 lines measured in the game's font (fit): target under a second.
void BM_FitLines(benchmark::State& state) {
  const std::string lines = (S().dir / "lines.txt").string();
  {
    std::ofstream out(lines, std::ios::binary);
    for (int k = 0; k < 100000; ++k) out << "Line " << k << ": the quick brown fox jumps over the lazy dog, again\n";
  }
  eit::TFitOptions options;
  options.CodePage = 1252;
  options.Width = 300;
  for (auto _ : state) benchmark::DoNotOptimize(eit::FitLines((S().dir / "latin.tdt").string(), lines, options));
}

BENCHMARK(BM_GlyphSheetFromFont)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DraftLetters)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PreviewLine)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FitLines)->Unit(benchmark::kMillisecond);

}  // namespace
