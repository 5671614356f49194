// What the engine reports as facts, worded by the window: in English as eitool-cli words it, in every other
// language in its own words, keeping the names and numbers; a run's files the same in every language.
#include <gtest/gtest.h>

#include <QTextEdit>
#include <fstream>
#include <sstream>

#include "support/cli_run.h"
#include "platform/streams.h"
#include "support/test_data.h"
#include "window/dialogs.h"
#include "window/failure_words.h"
#include "window/languages.h"
#include "window/main_form.h"
#include "window/result_words.h"
#include "window/view_words.h"

namespace eit {
namespace {

using K = TResultLine::TKind;

TWrittenFile Written(TWrittenFile::TWhat what, std::optional<std::int64_t> glyphs = {}, bool renamed = false) {
  TWrittenFile file{what, true, 256, 128, true, glyphs, 4};
  if (renamed) file.Wanted = "big.dds", file.RenamedSource = "/game/b/big.dds";
  return file;
}

TResultLine Line(K kind, std::int64_t count = 0, const TWrittenFile& file = {}) {
  TResultLine line{kind, "stone.dds", "/mod/stone.bmp", "the table widths differ", count, file};
  return line;
}

// One of each line the engine reports, and each of their variants.
std::vector<TResultLine> EveryLine() {
  using W = TWrittenFile::TWhat;
  std::vector<TResultLine> lines = {
      Line(K::Written, 5050, Written(W::Image)),         Line(K::Written, 7, Written(W::GlyphSheet)),
      Line(K::Written, 9, Written(W::Texture)),          Line(K::Written, 9, Written(W::FontTexture, 1)),
      Line(K::Written, 9, Written(W::FontTexture, 3)),   Line(K::Written, 9, Written(W::FontTexture, {}, true)),
      Line(K::Written, 9, Written(W::FontTable, {}, true)), Line(K::Skipped), Line(K::Warning),
      Line(K::Unedited, 1),                              Line(K::Unedited, 5050),
      Line(K::UneditedAgain),                            Line(K::MoreWarnings, 1),
      Line(K::MoreWarnings, 12),                         Line(K::LeftRemoved),
      Line(K::Total, 123456)};
  lines[7].Sheet = true;
  lines.push_back(Line(K::Skipped));
  for (const TEditFinding edit : {TEditFinding::Unedited, TEditFinding::UpsideDown, TEditFinding::AlphaLostOpaque,
                                  TEditFinding::AlphaLostTransparent}) {
    lines.push_back(Line(K::Warning));
    lines.back().Edit = edit;
    lines.back().Text = "/mod/stone.bmp: " + EditFindingText(edit).English;
    lines.push_back(Line(K::MoreWarnings, 2));
    lines.back().Edit = edit;
    lines.back().Text = EditFindingText(edit).English;
  }
  lines.push_back(Line(K::Total, 99));
  lines.back().Extracted = true;
  return lines;
}

std::vector<TViewCaption> EveryCaption() {
  using C = TViewCaption::TKind;
  const TTextureFacts packed{"stone.dds", 64, 32, 24, true}, raw{"font.dds", 256, 256, 32, false};
  std::vector<TViewCaption> captions(6);
  captions[0] = {C::Texture, "", 0, 0, packed};
  captions[1] = {C::Texture, "", 0, 0, raw};
  captions[2] = {C::GlyphSheet, "font.tdt", 256, 3584, raw, 224};
  captions[3] = {C::EditedImage, "stone.png", 64, 32};
  captions[4] = {C::EditedImage, "font.tga", 256, 3584, {}, 0, 0xC0};
  captions[5] = {C::Missing, "stone.png"};
  return captions;
}

std::vector<TViewFinding> EveryFinding() {
  using F = TViewFinding::TKind;
  std::vector<TViewFinding> findings = {{F::Missing}, {F::Unreadable}, {F::SizeDiffers, {}, 32, 16, 64, 32}};
  for (const TEditFinding edit : {TEditFinding::Unedited, TEditFinding::UpsideDown, TEditFinding::AlphaLostOpaque,
                                  TEditFinding::AlphaLostTransparent})
    findings.push_back({F::Edit, edit});
  return findings;
}

// Every fact in the window's words, beside eitool-cli's.
std::vector<std::pair<std::string, QString>> Worded() {
  std::vector<std::pair<std::string, QString>> worded;
  for (const TResultLine& line : EveryLine()) worded.emplace_back(EnglishLine(line), TResultWords::Line(line));
  for (const TViewCaption& caption : EveryCaption()) worded.emplace_back(EnglishCaption(caption), TViewWords::Caption(caption));
  for (const TViewFinding& finding : EveryFinding()) worded.emplace_back(EnglishFinding(finding), TViewWords::Finding(finding));
  return worded;
}

TEST(EngineWords, TheWindowSaysInEnglishWhatEitoolCliSaysAndEachLanguageInItsOwnWords) {
  for (const auto& [cli, window] : Worded()) EXPECT_EQ(window.toStdString(), cli);
  const auto english = Worded();
  for (const TLanguage& language : Languages()) {
    if (language.Code == QStringLiteral("en")) continue;
    SCOPED_TRACE(language.Code.toStdString());
    ASSERT_TRUE(InstallLanguage(language.Code));
    const auto shown = Worded();
    for (std::size_t k = 0; k < shown.size(); ++k) {
      const QString& text = shown[k].second;
      EXPECT_NE(text.toStdString(), english[k].first);
      // The names and sizes it speaks of stay as they are.
      for (const char* kept : {"stone.dds", "/mod/stone.bmp", "5050", "123456", "256", "0xC0", "big.dds"}) {
        if (english[k].first.find(kept) == std::string::npos) continue;
        EXPECT_TRUE(text.contains(QString::fromLatin1(kept))) << kept << " left out of " << text.toStdString();
      }
    }
  }
  InstallLanguage(QStringLiteral("en"));
}

// A file that cannot be opened: said by the window in its language, with the system's reason; in English as
// eitool-cli says it. A message of a file's own stays as it is.
TEST(EngineWords, TheFileSystemsFailuresInTheWindowsLanguage) {
  testing::TempDir dir;
  const std::string missing = dir.File("gone.dds");
  std::string english;  // as eitool-cli says it
  const auto said = [&]() -> QString {
    try {
      TFileStream file(missing, FileMode::OpenRead);
    } catch (const std::exception& e) {
      english = e.what();
      return TFailureWords::Text(e);
    }
    ADD_FAILURE() << "opened " << missing;
    return {};
  };
  ASSERT_TRUE(InstallLanguage(QStringLiteral("en")));
  EXPECT_EQ(said().toStdString(), english);
  EXPECT_EQ(english.rfind("Cannot open file " + missing + ": ", 0), 0u) << english;
  ASSERT_TRUE(InstallLanguage(QStringLiteral("ru")));
  EXPECT_EQ(said(), QString::fromStdString("Не удаётся открыть файл " + missing + ": Нет такого файла или каталога"));
  // A message of its own stays as it is.
  EXPECT_EQ(TFailureWords::Text(Exception("gone.dds is not a texture")), QStringLiteral("gone.dds is not a texture"));
  InstallLanguage(QStringLiteral("en"));
}

struct TQuietDialogs : TDialogs {
  TQuietDialogs(std::vector<std::string> textures, std::string target)
      : textures_(std::move(textures)), target_(std::move(target)) {}
  std::optional<std::vector<std::string>> SelectLog(int& filter) override {
    filter = 1;  // textures
    return textures_;
  }
  std::optional<std::string> SaveLST() override { return std::nullopt; }
  std::optional<std::string> SaveRes() override { return std::nullopt; }
  bool SelectDirectory(std::string& directory) override {
    directory = target_;
    return true;
  }
  void Information(const std::string&, const std::string&) override {}
  void Error(const std::string& text) override { ADD_FAILURE() << text; }
  TReplaceAnswer AskReplaceImages(const std::string&, bool) override { return TReplaceAnswer::Replace; }
  bool Confirm(const std::string&, bool) override { return true; }

 private:
  std::vector<std::string> textures_;
  std::string target_;
};

std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// An extract of the same textures from the window in English and in Russian: the same result.log, byte for
// byte; the results pane in the window's language.
TEST(EngineWords, ARunsFilesAreTheSameInEveryLanguageItsResultsInTheWindows) {
  testing::TempDir dir;
  ASSERT_EQ(testing::Cli("samples " + testing::Quoted(dir.File("S")), dir).status, 0);
  const std::string saved = GetCurrentDir();
  std::map<std::string, std::pair<std::string, QString>> runs;  // language -> result.log, results pane
  for (const char* language : {"en", "ru"}) {
    ASSERT_TRUE(InstallLanguage(QString::fromLatin1(language)));
    SetCurrentDir(saved);
    const std::string target = dir.File(std::string("out-") + language);
    TMainForm form(std::make_unique<TQuietDialogs>(std::vector<std::string>{dir.File("S/stone.dds")}, target));
    form.BAddLogClick();
    form.BProcessClick();
    std::string log = FileText(target + "/result.log");
    // The log names its own folder, and its image's place on the disk (a file of its own); the rest is the same.
    for (std::size_t at; (at = log.find(target)) != std::string::npos;) log.replace(at, target.size(), "OUT");
    const std::size_t digest = log.find("#Digest:");
    if (digest != std::string::npos) {
      std::size_t place = digest;
      for (int field = 0; field < 4; ++field) place = log.find(' ', place + 1);
      log.erase(place, log.find('\r', digest) - place);
    }
    runs[language] = {log, form.findChild<QTextEdit*>(QStringLiteral("Results"))->toPlainText()};
  }
  SetCurrentDir(saved);
  InstallLanguage(QStringLiteral("en"));
  EXPECT_FALSE(runs["en"].first.empty());
  EXPECT_EQ(runs["ru"].first, runs["en"].first);
  EXPECT_TRUE(runs["en"].second.contains(QStringLiteral("stone.dds: wrote "))) << runs["en"].second.toStdString();
  EXPECT_TRUE(runs["ru"].second.contains(QStringLiteral("stone.dds: записан "))) << runs["ru"].second.toStdString();
  EXPECT_TRUE(runs["ru"].second.contains(QStringLiteral("Всего извлечено байт"))) << runs["ru"].second.toStdString();
}

}  // namespace
}  // namespace eit
