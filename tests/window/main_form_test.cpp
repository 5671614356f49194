#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QUrl>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTextEdit>
#include <QStandardPaths>
#include <QTimer>
#include <QSettings>
#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QToolButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTableWidget>
#include <QFileSystemModel>
#include <QTreeView>
#include <algorithm>
#include <cstdlib>
#include <deque>
#include <set>
#include <filesystem>
#include <fstream>

#include "window/icons.h"
#include "window/main_form.h"
#include "window/preview_dialog.h"
#include "window/about_dialog.h"
#include "window/draw_letters_dialog.h"
#include "window/glyph_table_dialog.h"
#include "window/image_viewer_dialog.h"
#include "window/settings_place.h"
#include "window/viewer_placement.h"
#include "window/view_worker.h"
#include "codecs/pictures.h"
#include "codecs/targa.h"
#include "formats/font_tools.h"
#include "window/qt_dialogs.h"
#include "compression/pack_engine.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/native.h"
#include "platform/system_words.h"
#include "support/cli_run.h"
#include "support/edits.h"
#include "support/test_data.h"
#include "support/textures.h"
#include "codecs/bmp.h"

namespace eit {
namespace {

// A part of the window by its object name, which is the name the program knows it by.
template <typename T>
T* Part(const TMainForm& form, const char* name) {
  T* part = form.findChild<T*>(QString::fromLatin1(name));
  if (part == nullptr) ADD_FAILURE() << "the window has no " << name;
  return part;
}

// Dialogs that answer from a script and remember what they were asked.
struct TScriptedDialogs : TDialogs {
  struct Open {
    int filter;
    std::optional<std::vector<std::string>> files;
  };
  std::deque<Open> opens;
  std::deque<std::optional<std::string>> saves;
  std::deque<std::optional<std::string>> directories;  // empty optional: cancel
  std::vector<std::string> informations, errors;
  std::vector<std::string> chooserStarts;

  std::optional<std::vector<std::string>> SelectLog(int& filterIndex) override {
    Open o = opens.front();
    opens.pop_front();
    if (o.files) filterIndex = o.filter;
    return o.files;
  }
  std::optional<std::string> SaveLST() override { return Next(); }
  std::optional<std::string> SaveRes() override { return Next(); }
  bool SelectDirectory(std::string& directory) override {
    chooserStarts.push_back(directory);
    auto d = directories.front();
    directories.pop_front();
    if (d) directory = *d;
    return d.has_value();
  }
  void Information(const std::string& text, const std::string& title) override {
    informations.push_back(title + "|" + text);
  }
  void Error(const std::string& text) override { errors.push_back(text); }
  void OpenPath(const std::string& path) override { opened.push_back(path); }
  TReplaceAnswer AskReplaceImages(const std::string& text, bool canUpdate) override {
    questions.push_back(text);
    updateOffered.push_back(canUpdate);
    const TReplaceAnswer a = replaceAnswers.empty() ? TReplaceAnswer::Cancel : replaceAnswers.front();
    if (!replaceAnswers.empty()) replaceAnswers.pop_front();
    return a;
  }
  bool Confirm(const std::string& text, bool defaultYes = false) override {
    questions.push_back(text);
    confirmDefaults.push_back(defaultYes);
    return confirmAnswer;
  }
  std::vector<bool> confirmDefaults;  // each question's default answer
  std::vector<std::string> opened;
  std::deque<TReplaceAnswer> replaceAnswers;  // none left: Cancel
  std::vector<bool> updateOffered;
  bool confirmAnswer = false;
  std::vector<std::string> questions;

 private:
  std::optional<std::string> Next() {
    auto s = saves.front();
    saves.pop_front();
    return s;
  }
};

// The viewer shows what the selection holds, read on its worker; true once it has.
bool WaitForViewer(const TImageViewerDialog* viewer) {
  for (int i = 0; i < 1000 && viewer->Loading(); ++i) QTest::qWait(10);
  return !viewer->Loading();
}

class MainForm : public ::testing::Test {
 protected:
  MainForm() {
    auto dialogs = std::make_unique<TScriptedDialogs>();
    script = dialogs.get();
    form = std::make_unique<TMainForm>(std::move(dialogs));
    // One entry at a time, so that where a run stops is known; the workers have their own test.
    form->SetWorkers(1);
  }
  std::string ListButtons() const {
    std::string s;
    for (QToolButton* b : {Part<QToolButton>(*form, "BSaveList"), Part<QToolButton>(*form, "BRemLog"), Part<QToolButton>(*form, "BClearAll"), Part<QToolButton>(*form, "BProcess")})
      s += b->isEnabled() ? '1' : '0';
    return s;
  }
  void Add(int filter, std::vector<std::string> files) {
    script->opens.push_back({filter, files});
    form->BAddLogClick();
  }
  // A few real textures to run on.
  std::vector<std::string> MakeTextures(int count, std::uint32_t side = 4) {
    std::vector<std::string> paths;
    for (int i = 0; i < count; ++i) {
      paths.push_back(dir.File("tex" + std::to_string(i) + ".dds"));
      const testing::Bytes image = testing::MakeTextureImage(side, side - 1, i % 2 ? 32 : 24);
      std::ofstream(paths.back(), std::ios::binary).write(reinterpret_cast<const char*>(image.data()),
                                                           static_cast<std::streamsize>(image.size()));
    }
    return paths;
  }

  testing::TempDir dir;
  TScriptedDialogs* script;
  std::unique_ptr<TMainForm> form;
};

TEST_F(MainForm, StartsWithItsLayoutAndOnlyAddAndExitEnabled) {
  EXPECT_EQ(form->windowTitle().toStdString(), "Extract\\Insert Tool");
  EXPECT_EQ(form->size(), QSize(688, 464));
  EXPECT_EQ(ListButtons(), "0000");
  EXPECT_TRUE(Part<QToolButton>(*form, "BAddLog")->isEnabled());
  EXPECT_TRUE(Part<QToolButton>(*form, "BExit")->isEnabled());
  EXPECT_FALSE(Part<QPushButton>(*form, "Stop")->isEnabled());
  EXPECT_FALSE(Part<QPushButton>(*form, "SaveLog")->isEnabled());
  EXPECT_EQ(Part<QLabel>(*form, "Extracted")->text().toStdString(), "Extracted: 0");
  EXPECT_EQ(Part<QGroupBox>(*form, "GroupBox1")->title().toStdString(), " Process ");
  for (const TWidgetPlace& place : kFormLayout) {
    const QWidget* widget = Part<QWidget>(*form, place.Name);
    ASSERT_NE(widget, nullptr);
    const QRect at = widget->geometry();
    EXPECT_EQ(at.topLeft(), QPoint(place.Left, place.Top)) << place.Name;
    EXPECT_EQ(at.height(), place.Height) << place.Name;
    // A label grows when the system's font needs more room; nothing else moves.
    if (std::string_view(place.Name) == "Extracted")
      EXPECT_GE(at.width(), place.Width);
    else
      EXPECT_EQ(at.width(), place.Width) << place.Name;
  }
  EXPECT_EQ(form->JobKind, TJobKind::None);
}

TEST_F(MainForm, ExtractsMixInOneListInsertsReplaceIt) {
  Add(1, {"a.dds", "b.dds"});
  Add(1, {"a.dds"});
  EXPECT_EQ(form->Entries(), (std::vector<std::string>{"a.dds", "b.dds", "a.dds"}));
  EXPECT_EQ(form->JobKind, TJobKind::Texture);
  EXPECT_EQ(ListButtons(), "1111");
  // A font table joins the textures; each entry is run by its own kind.
  Add(2, {"f.tdt"});
  EXPECT_EQ(form->Entries(), (std::vector<std::string>{"a.dds", "b.dds", "a.dds", "f.tdt"}));
  const TRunRequest request = form->RequestFor("d");
  EXPECT_EQ(request.Entries.front().Kind, TJobKind::Texture);
  EXPECT_EQ(request.Entries.back().Kind, TJobKind::FontSheet);
  // A log is an insert: it takes the list alone.
  Add(4, {"x.log"});
  EXPECT_EQ(form->Entries(), (std::vector<std::string>{"x.log"}));
  EXPECT_EQ(form->JobKind, TJobKind::ReplayLog);
  // Cancelling leaves the list and its buttons as they were.
  script->opens.push_back({3, std::nullopt});
  form->BAddLogClick();
  EXPECT_EQ(form->Entries().size(), 1u);
  EXPECT_EQ(ListButtons(), "1111");
  EXPECT_EQ(form->JobKind, TJobKind::ReplayLog);
  // A file whose name says another kind than the filter's is named when it is chosen, and the list stays.
  const struct {
    int filter;
    std::string file, says;
  } mismatches[] = {
      {1, "typed.log", "typed.log is a result log (.log), not a texture (.dds): choose its kind in the dialog's filter"},
      {4, "a.dds", "a.dds is a texture (.dds), not a result log (.log)"},
      {3, "x.log", "x.log is a result log (.log), not a project list (.lst)"},
  };
  for (const auto& m : mismatches) {
    script->errors.clear();
    Add(m.filter, {m.file});
    ASSERT_EQ(script->errors.size(), 1u) << m.file;
    EXPECT_NE(script->errors[0].find(m.says), std::string::npos) << script->errors[0];
    EXPECT_EQ(form->Entries(), (std::vector<std::string>{"x.log"}));
  }
}

TEST_F(MainForm, ProjectListRoundTripAndOnlyTheFirstListIsRead) {
  Add(4, {"C:\\logs\\one.log", "two words.log", "three.log"});
  const std::string saved = dir.File("p.lst");
  script->saves.push_back(saved);
  form->BSaveListClick();
  std::ifstream in(saved, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "C:\\logs\\one.log\r\ntwo words.log\r\nthree.log\r\n");
  const std::string other = dir.File("other.lst");
  std::ofstream(other) << "x.log\n";
  Add(3, {saved, other});
  EXPECT_EQ(form->Entries(), (std::vector<std::string>{"C:\\logs\\one.log", "two words.log", "three.log"}));
  EXPECT_EQ(form->JobKind, TJobKind::ProjectList);
  Add(3, {other});  // same kind: still replaced
  EXPECT_EQ(form->Entries(), (std::vector<std::string>{"x.log"}));
  const std::string empty = dir.File("empty.lst");
  std::ofstream(empty).flush();
  Add(3, {empty});
  EXPECT_TRUE(form->Entries().empty());
  EXPECT_EQ(ListButtons(), "0010");  // Clear keeps its state; the other three are off
}

TEST_F(MainForm, UnreadableProjectListShowsTheErrorWithAFullStop) {
  const std::string missing = dir.File("gone.lst");
  Add(3, {missing});
  ASSERT_EQ(script->errors.size(), 1u);
  EXPECT_EQ(script->errors[0], "Cannot open file " + missing + ": " + SystemReason(ENOENT) + ".");
  EXPECT_EQ(form->JobKind, TJobKind::ProjectList);
  EXPECT_EQ(ListButtons(), "0000");
}

TEST_F(MainForm, RemovingSelectedEntriesAndClearing) {
  Add(1, {"a.dds", "b.dds", "c.dds"});
  Part<QListWidget>(*form, "LogList")->item(0)->setSelected(true);
  Part<QListWidget>(*form, "LogList")->item(1)->setSelected(true);
  form->BRemLogClick();
  EXPECT_EQ(form->Entries(), (std::vector<std::string>{"c.dds"}));
  EXPECT_EQ(Part<QListWidget>(*form, "LogList")->currentRow(), 0);
  Part<QListWidget>(*form, "LogList")->item(0)->setSelected(true);
  form->BRemLogClick();
  EXPECT_EQ(ListButtons(), "0000");
  Add(1, {"a.dds"});
  form->BClearAllClick();
  EXPECT_TRUE(form->Entries().empty());
  EXPECT_EQ(ListButtons(), "0000");
  EXPECT_EQ(form->JobKind, TJobKind::Texture);
}

TEST_F(MainForm, CancelledChooserWritesNothingAndStillCompletes) {
  Add(1, MakeTextures(1));
  Part<QTextEdit>(*form, "Results")->setPlainText("old text");
  script->directories.push_back(std::nullopt);
  form->BProcessClick();
  EXPECT_EQ(script->informations, (std::vector<std::string>{"Process status:|Operation complete!"}));
  EXPECT_TRUE(Part<QTextEdit>(*form, "Results")->toPlainText().isEmpty());
  EXPECT_EQ(form->TargetDir(), GetCurrentDir());
}

TEST_F(MainForm, EmptyDirectoryNameRaisesUnableToCreateDirectory) {
  Add(1, MakeTextures(1));
  script->directories.push_back(std::string());
  form->BProcessClick();
  EXPECT_EQ(script->errors, (std::vector<std::string>{"Unable to create directory."}));
  EXPECT_TRUE(script->informations.empty());
}

TEST_F(MainForm, DirectoryThatCannotBeMadeIsRefusedWithTheReasonBeforeTheRun) {
  Add(1, MakeTextures(1));
  std::ofstream(dir.File("file")) << "x";
  script->directories.push_back(dir.File("file/out"));
  form->BProcessClick();
  ASSERT_EQ(script->errors.size(), 1u);
  EXPECT_EQ(script->errors[0].rfind("Unable to create directory " + dir.File("file/out") + ": ", 0), 0u)
      << script->errors[0];
  EXPECT_TRUE(script->informations.empty());
}

TEST_F(MainForm, ASecondRunAsksBeforeReplacingImagesAndKeepsTheFolderMap) {
  const std::string saved = GetCurrentDir();
  const auto textures = MakeTextures(2);  // tex0.dds (24-bit), tex1.dds (32-bit)
  const std::string target = dir.File("out");
  const struct {
    std::optional<TReplaceAnswer> answer;  // none: Cancel
    bool painted;                          // the painted tex0.bmp survives
    std::vector<std::string> logImages;
  } rows[] = {
      {TReplaceAnswer::Replace, false, {"tex0.bmp", "tex1.tga"}},  // the record stays where it was
      {TReplaceAnswer::KeepBoth, true, {"tex0.bmp", "tex1.tga", "tex0 (2).bmp"}},
      {TReplaceAnswer::Update, true, {"tex0.bmp", "tex1.tga"}},  // the game did not change: nothing written
      {std::nullopt, true, {"tex0.bmp", "tex1.tga"}},
  };
  for (const auto& row : rows) {
    SetCurrentDir(saved);  // a run leaves the working directory in its target
    std::filesystem::remove_all(target);
    Add(1, textures);
    script->directories.push_back(target);
    form->BProcessClick();
    TBitmap painted;
    ReadBMP(target + "/tex0.bmp", painted);
    painted.FillRect({0, 0, 1, 1}, TRgb(250, 1, 2), 255);
    WriteBMP(target + "/tex0.bmp", painted);
    script->questions.clear();
    script->informations.clear();
    Part<QToolButton>(*form, "BClearAll")->click();
    Add(1, {textures[0]});
    script->directories.push_back(target);
    if (row.answer) script->replaceAnswers.push_back(*row.answer);
    form->BProcessClick();
    ASSERT_EQ(script->questions.size(), 1u);
    EXPECT_EQ(script->questions[0], "1 image in " + target + " already exists and would be replaced: tex0.bmp");
    EXPECT_EQ(script->updateOffered.back(), true);  // the folder holds an extract's result.log
    if (row.answer == TReplaceAnswer::Update) {
      EXPECT_NE(Part<QTextEdit>(*form, "Results")->toPlainText().toStdString().find(
                    "update: 0 new, 0 changed (0 of them edited: kept), 1 unchanged, 0 removed"),
                std::string::npos);
    }
    EXPECT_EQ(script->informations.empty(), !row.answer);  // Cancel runs nothing and says nothing
    TBitmap now;
    ReadBMP(target + "/tex0.bmp", now);
    EXPECT_EQ(now.Pixel(0, 0) == TRgb(250, 1, 2), row.painted);
    std::vector<std::string> images;
    for (const std::string& line : LoadLines(target + "/result.log"))
      if (line.rfind("#Target", 0) == 0) images.push_back(ExtractFileName(line.substr(line.find(':') + 2)));
    EXPECT_EQ(images, row.logImages);
    Part<QToolButton>(*form, "BClearAll")->click();
  }
  SetCurrentDir(saved);
}

TEST_F(MainForm, RunCreatesTheDirectoryWritesTheLogAndRestoresTheWindow) {
  const std::string saved = GetCurrentDir();
  const auto textures = MakeTextures(2);
  Add(1, textures);
  const std::string target = dir.File("out/deeper");
  script->directories.push_back(target);
  form->BProcessClick();
  EXPECT_EQ(script->informations, (std::vector<std::string>{"Process status:|Operation complete!"}));
  auto log = LoadLines(JoinPath(target, "result.log"));
  std::erase_if(log, [](const std::string& line) {
    return line.rfind("#Digest: ", 0) == 0 || line.rfind("#Origin: ", 0) == 0;
  });
  EXPECT_EQ(log, (std::vector<std::string>{"#Format: DDS", "#Source: " + textures[0],
                                           "#Target BMP: " + JoinPath(target, "tex0.bmp"), "#Format: DDS",
                                           "#Source: " + textures[1], "#Target TGA: " + JoinPath(target, "tex1.tga")}));
  EXPECT_EQ(ListButtons(), "1111");
  EXPECT_TRUE(Part<QToolButton>(*form, "BAddLog")->isEnabled());
  EXPECT_FALSE(Part<QPushButton>(*form, "Stop")->isEnabled());
  EXPECT_TRUE(Part<QPushButton>(*form, "SaveLog")->isEnabled());  // the pane has a line per file written
  EXPECT_EQ(Part<QLabel>(*form, "Extracted")->text().toStdString(), "Extracted: 2");  // the run's count stays
  EXPECT_EQ(Part<QProgressBar>(*form, "Total")->value(), 0);
  EXPECT_NE(Part<QTextEdit>(*form, "Results")->toPlainText().toStdString().find("tex1.dds: wrote"), std::string::npos);
  // The next run's chooser opens where this one wrote.
  script->directories.push_back(std::nullopt);
  form->BProcessClick();
  EXPECT_EQ(script->chooserStarts.back(), GetCurrentDir());
  EXPECT_TRUE(std::filesystem::equivalent(GetCurrentDir(), target));
  SetCurrentDir(saved);
}

TEST_F(MainForm, FailingEntryEndsTheRunWithoutLogAndLeavesTheWindowConsistent) {
  const std::string saved = GetCurrentDir();
  auto textures = MakeTextures(3);
  const std::string missing = dir.File("missing.dds");
  textures[1] = missing;
  Add(1, textures);
  script->directories.push_back(dir.File("out"));
  form->BProcessClick();
  EXPECT_EQ(script->errors, (std::vector<std::string>{"Cannot open file " + missing + ": " + SystemReason(ENOENT) + "."}));
  EXPECT_TRUE(script->informations.empty());
  // Said in the results too, which are saved, above the line that names the target directory.
  const QStringList results = Part<QTextEdit>(*form, "Results")->toPlainText().split(QLatin1Char('\n'));
  ASSERT_GE(results.size(), 2);
  EXPECT_EQ(results[results.size() - 2].toStdString(), "Failed: Cannot open file " + missing + ": " + SystemReason(ENOENT));
  EXPECT_FALSE(std::filesystem::exists(dir.File("out/result.log")));
  EXPECT_FALSE(std::filesystem::exists(dir.File("out/tex2.bmp")));
  EXPECT_FALSE(Part<QPushButton>(*form, "Stop")->isEnabled());
  EXPECT_EQ(ListButtons(), "1111");
  EXPECT_EQ(Part<QProgressBar>(*form, "Total")->value(), 0);
  SetCurrentDir(saved);
}

TEST_F(MainForm, StopEndsTheRunAfterTheCurrentEntryAndKeepsItsRecords) {
  const std::string saved = GetCurrentDir();
  constexpr int kTextures = 60;  // more than a worker may finish ahead of the window
  Add(1, MakeTextures(kTextures));
  script->directories.push_back(dir.File("out"));
  // The real button, pressed at the window's first chance to process its events: a disabled button would
  // ignore the click.
  QTimer::singleShot(0, form.get(), [this] { Part<QPushButton>(*form, "Stop")->click(); });
  form->BProcessClick();
  EXPECT_EQ(script->informations, (std::vector<std::string>{"Process status:|Operation stopped!"}));
  // No entry starts after the stop; each one finished is there whole, with its record.
  const std::size_t written = testing::FilesUnder(dir.File("out")).size();
  EXPECT_GT(written, 0u);
  EXPECT_LT(written, static_cast<std::size_t>(kTextures));
  EXPECT_EQ(LoadLines(dir.File("out/result.log")).size(), 5 * written);  // format, origin, digest, source, target
  SetCurrentDir(saved);
}

TEST_F(MainForm, TypedRelativeDirectoryIsTakenFromWhereTheUserWas) {
  const std::string saved = GetCurrentDir();
  Add(1, MakeTextures(1));
  SetCurrentDir(dir.Path().string());
  script->directories.push_back("relout");
  form->BProcessClick();
  EXPECT_TRUE(script->errors.empty()) << script->errors.front();
  EXPECT_TRUE(std::filesystem::exists(dir.File("relout/result.log")));
  SetCurrentDir(saved);
}

TEST_F(MainForm, StopDuringARunWithWorkersLeavesWholeFilesOnly) {
  const std::string saved = GetCurrentDir();
  form->SetWorkers(2);
  Add(1, MakeTextures(60, 256));
  script->directories.push_back(dir.File("out"));
  QTimer::singleShot(0, form.get(), [this] { Part<QPushButton>(*form, "Stop")->click(); });
  form->BProcessClick();
  EXPECT_EQ(script->informations, (std::vector<std::string>{"Process status:|Operation stopped!"}));
  // The entries under way finished; the files written are the first ones of the list, as with one
  // worker, each whole, in the log and in the results pane; no temporary is left.
  const auto log = LoadLines(dir.File("out/result.log"));
  EXPECT_LT(log.size(), 60u * 5);
  std::size_t files = 0;
  for (const auto& e : std::filesystem::directory_iterator(dir.File("out"))) {
    const std::string name = e.path().filename().string();
    EXPECT_EQ(name.find(".tmp"), std::string::npos) << name;
    if (name != "result.log") ++files;
  }
  EXPECT_EQ(files * 5, log.size());
  const std::string results = Part<QTextEdit>(*form, "Results")->toPlainText().toStdString();
  for (std::size_t i = 0; i < files; ++i) {
    const std::string name = "tex" + std::to_string(i) + (i % 2 ? ".tga" : ".bmp");
    EXPECT_TRUE(std::filesystem::exists(dir.File("out/" + name))) << name;
    EXPECT_NE(results.find("wrote " + dir.File("out/" + name)), std::string::npos) << name;
  }
  EXPECT_TRUE(Part<QPushButton>(*form, "SaveLog")->isEnabled());
  EXPECT_FALSE(Part<QPushButton>(*form, "Stop")->isEnabled());
  SetCurrentDir(saved);
}

TEST_F(MainForm, ZlibSettingIsKeptAcrossStarts) {
  Part<QAction>(*form, "PackWithZlib")->setChecked(true);
  EXPECT_EQ(form->RequestFor("d").Engine, TPackEngine::Zlib);
  form = std::make_unique<TMainForm>(std::make_unique<TScriptedDialogs>());
  EXPECT_TRUE(Part<QAction>(*form, "PackWithZlib")->isChecked());
  Part<QAction>(*form, "PackWithZlib")->setChecked(false);
  EXPECT_EQ(form->RequestFor("d").Engine, TPackEngine::Fastest);
}

TEST_F(MainForm, WriteOnlyEditedFilesIsKeptAndAModHoldsTheEditOnly) {
  Part<QAction>(*form, "ChangedOnly")->setChecked(true);
  form = std::make_unique<TMainForm>(std::make_unique<TScriptedDialogs>());
  EXPECT_TRUE(Part<QAction>(*form, "ChangedOnly")->isChecked());
  EXPECT_TRUE(form->RequestFor("d").ChangedOnly);
  auto dialogs = std::make_unique<TScriptedDialogs>();
  script = dialogs.get();
  form = std::make_unique<TMainForm>(std::move(dialogs));
  const std::string s = dir.File("S"), out = dir.File("OUT"), mod = dir.File("MOD");
  ASSERT_EQ(testing::Cli("samples \"" + s + "\"", dir).status, 0);
  ASSERT_EQ(testing::Cli("extract -o \"" + out + "\" \"" + s + "/game\"", dir).status, 0);
  TBitmap painted;
  ReadBMP(out + "/levels/b/stone.bmp", painted);
  painted.FillRect({1, 1, 2, 2}, TRgb(250, 1, 2));
  WriteBMP(out + "/levels/b/stone.bmp", painted);
  const std::string saved = GetCurrentDir();
  Add(4, {out + "/result.log"});
  script->directories.push_back(mod);
  form->BProcessClick();
  SetCurrentDir(saved);
  std::vector<std::string> written;
  for (const auto& e : std::filesystem::recursive_directory_iterator(mod))
    if (e.is_regular_file()) written.push_back(e.path().lexically_relative(mod).generic_string());
  EXPECT_EQ(written, std::vector<std::string>{"levels/b/stone.dds"}) << (script->errors.empty() ? "" : script->errors[0]);
  const std::string results = Part<QTextEdit>(*form, "Results")->toPlainText().toStdString();
  EXPECT_NE(results.find("3 images unedited: not written"), std::string::npos) << results;
  Part<QAction>(*form, "ChangedOnly")->setChecked(false);
}

// A dialog remembers where the user ended, also when a path was typed or pasted into it.
TEST(Dialogs, RememberTheFolderOfWhatWasChosenHoweverItWasReached) {
  testing::TempDir dir;
  std::filesystem::create_directories(dir.File("typed/deeper"));
  const QString shown = QString::fromStdString(dir.File(""));
  const QString typed = QString::fromStdString(dir.File("typed/deeper/stone.dds"));
  EXPECT_EQ(QDir(FolderOfChoice({typed}, shown)), QDir(QString::fromStdString(dir.File("typed/deeper"))));
  EXPECT_EQ(QDir(FolderOfChoice({QString::fromStdString(dir.File("typed"))}, shown)),
            QDir(QString::fromStdString(dir.File("typed"))));  // a folder chosen: itself
  EXPECT_EQ(FolderOfChoice({}, shown), shown);
}

// Settings kept under the program's earlier name are taken over once, when there are none yet.
TEST(Settings, ThoseOfAnEarlierNameAreTakenOverOnce) {
  const QString name = QCoreApplication::applicationName();
  QCoreApplication::setApplicationName(QStringLiteral("eitool_gui_tests_now"));
  QSettings().clear();
  QSettings earlier(QCoreApplication::organizationName(), QStringLiteral("eitool_gui_tests (earlier)"));
  earlier.setValue(QStringLiteral("extractPng"), true);
  earlier.sync();
  TakeEarlierSettings(QStringLiteral("eitool_gui_tests (earlier)"));
  EXPECT_TRUE(QSettings().value(QStringLiteral("extractPng")).toBool());
  QSettings().setValue(QStringLiteral("extractPng"), false);
  TakeEarlierSettings(QStringLiteral("eitool_gui_tests (earlier)"));  // not again: the user's own settings stand
  EXPECT_FALSE(QSettings().value(QStringLiteral("extractPng")).toBool());
  EXPECT_EQ(QString::fromStdString(SettingsPlace()).indexOf(QLatin1Char('\\') + QStringLiteral("HKEY")), -1);
  QSettings().clear();
  earlier.clear();
  QCoreApplication::setApplicationName(name);
}

// A game's log of 5,000 records: found by part of a path in a few keystrokes; a record's mark follows its
// image as it is fixed; a game's folder lists its files by their place in the tree.
TEST_F(MainForm, ViewerRecordsAtAGamesScale) {
  const std::string s = dir.File("S"), out = dir.File("OUT");
  ASSERT_EQ(testing::Cli("samples " + testing::Quoted(s), dir).status, 0);
  ASSERT_EQ(testing::Cli("extract -o " + testing::Quoted(out) + " " + testing::Quoted(s + "/stone.dds"), dir).status, 0);
  TBitmap flipped;
  ReadPictureFile(out + "/stone.bmp", flipped);
  TBitmap upsideDown(flipped.PixelFormat(), flipped.Width(), flipped.Height());
  for (int y = 0; y < flipped.Height(); ++y) upsideDown.CopyRect({0, y, flipped.Width(), y + 1}, flipped, {0, flipped.Height() - 1 - y, flipped.Width(), flipped.Height() - y});
  WriteBMP(out + "/stone.bmp", upsideDown);
  std::vector<std::string> lines;
  for (int k = 0; k < 5000; ++k)
    lines.insert(lines.end(), {"#Format: DDS", "#Tree: lvl" + std::to_string(k), "#Source: " + s + "/stone.dds",
                               "#Target BMP: " + out + "/stone.bmp"});
  SaveLines(out + "/game.log", lines);
  auto viewer = std::make_unique<TImageViewerDialog>(TPackEngine::Fastest);
  viewer->ShowEntry({TJobKind::ReplayLog, out + "/game.log"});
  ASSERT_TRUE(WaitForViewer(viewer.get()));
  EXPECT_EQ(viewer->Record->count(), 5000);
  EXPECT_EQ(viewer->Count->text(), QStringLiteral("5,000 records"));
  // The count keeps one width whatever it says, so that the row beside it stays put.
  const int countWidth = viewer->Count->minimumWidth();
  EXPECT_GE(countWidth, viewer->Count->fontMetrics().horizontalAdvance(QStringLiteral("5,000 of 5,000 records")));
  QTest::keyClicks(viewer->Filter, QStringLiteral("LVL4321") + QDir::separator());
  ASSERT_TRUE(WaitForViewer(viewer.get()));
  ASSERT_EQ(viewer->Record->count(), 1);
  EXPECT_EQ(viewer->Count->text(), QStringLiteral("1 of 5,000 records"));
  EXPECT_EQ(viewer->Count->minimumWidth(), countWidth);
  EXPECT_TRUE(viewer->Record->currentText().contains(QStringLiteral("lvl4321") + QDir::separator() + QStringLiteral("stone.dds")));
  EXPECT_TRUE(viewer->Record->currentText().startsWith(QChar(0x26A0))) << viewer->Record->currentText().toStdString();
  // The mark stays as the list is narrowed further, and when it is widened again.
  QTest::keyClicks(viewer->Filter, QStringLiteral("stone"));
  ASSERT_TRUE(WaitForViewer(viewer.get()));
  EXPECT_TRUE(viewer->Record->currentText().startsWith(QChar(0x26A0))) << viewer->Record->currentText().toStdString();
  viewer->Filter->clear();
  ASSERT_TRUE(WaitForViewer(viewer.get()));
  EXPECT_TRUE(viewer->Record->itemText(4321).startsWith(QChar(0x26A0))) << viewer->Record->itemText(4321).toStdString();
  QTest::keyClicks(viewer->Filter, QStringLiteral("LVL4321") + QDir::separator());
  ASSERT_TRUE(WaitForViewer(viewer.get()));
  // Fixed and saved: the mark goes (the file's change is seen, or the window's return to the front).
  upsideDown.CopyRect({0, 0, flipped.Width(), flipped.Height()}, flipped, {0, 0, flipped.Width(), flipped.Height()});
  upsideDown.FillRect({1, 1, 2, 2}, TRgb(250, 1, 2));
  WriteBMP(out + "/stone.bmp", upsideDown);
  const auto unmarked = [&] { return !viewer->Record->currentText().startsWith(QChar(0x26A0)) && !viewer->Loading(); };
  if (!QTest::qWaitFor(unmarked, 2000)) viewer->Recheck();
  EXPECT_TRUE(QTest::qWaitFor(unmarked, 5000)) << viewer->Record->currentText().toStdString();
  // A game's folder: its textures and font tables by their place in the tree, each read when chosen.
  viewer->Filter->clear();
  viewer->ShowEntry({TJobKind::Texture, s + "/game"});
  ASSERT_TRUE(WaitForViewer(viewer.get()));
  QStringList names;
  for (int i = 0; i < viewer->Record->count(); ++i) names << viewer->Record->itemText(i);
  const QString sep = QDir::separator();
  EXPECT_EQ(names, (QStringList{"levels" + sep + "a" + sep + "stone.dds", "levels" + sep + "b" + sep + "stone.dds",
                                "ui" + sep + "fonts" + sep + "font.tdt", "ui" + sep + "sky.dds"}));
  viewer->Record->setCurrentIndex(2);
  ASSERT_TRUE(WaitForViewer(viewer.get()));
  EXPECT_NE(viewer->SourceCaption->text().indexOf(QStringLiteral("glyph sheet of 224 cells")), -1);
  // Only the records the insert would find wrong: of a game's extract, the one turned upside down (the
  // others, still as extracted, are known so by their digests without being read).
  const std::string tree = dir.File("TREE");
  ASSERT_EQ(testing::Cli("extract -o " + testing::Quoted(tree) + " " + testing::Quoted(s + "/game"), dir).status, 0);
  TBitmap sky;
  ReadPictureFile(tree + "/ui/sky.tga", sky);
  TBitmap turned(sky.PixelFormat(), sky.Width(), sky.Height());
  for (int y = 0; y < sky.Height(); ++y) turned.CopyRect({0, y, sky.Width(), y + 1}, sky, {0, sky.Height() - 1 - y, sky.Width(), sky.Height() - y});
  {
    TFileStream file(tree + "/ui/sky.tga", FileMode::Create);
    WriteTgaToStream(file, turned);
  }
  viewer->ShowEntry({TJobKind::ReplayLog, tree + "/result.log"});
  ASSERT_TRUE(WaitForViewer(viewer.get()));
  viewer->OnlyProblems->setChecked(true);
  EXPECT_TRUE(QTest::qWaitFor([&] { return viewer->Count->text() == QStringLiteral("1 of 4 records"); }, 10000))
      << viewer->Count->text().toStdString();
  EXPECT_TRUE(viewer->Record->currentText().contains(QStringLiteral("sky.dds")));
  viewer->OnlyProblems->setChecked(false);
  EXPECT_EQ(viewer->Record->count(), 4);
}

// The viewer on screens of every size: beside the window where there is room, else over it, never off the
// screen; back where the user left it while that lies on a screen.
TEST(ViewerPlacement, BesideTheWindowOrOverItAlwaysOnTheScreen) {
  const QSize viewer(720, 560);
  const struct {
    const char* what;
    QRect window, available, expected;
  } rows[] = {
      {"1920 x 1080: on the right", {100, 100, 516, 430}, {0, 0, 1920, 1040}, {624, 100, 720, 560}},
      {"1280 x 1024: no room either side, over the window", {100, 80, 516, 430}, {0, 0, 1280, 984}, {100, 80, 720, 560}},
      {"1280 x 1024: over the window, kept inside", {700, 80, 516, 430}, {0, 0, 1280, 984}, {560, 80, 720, 560}},
      {"1024 x 768", {0, 0, 516, 430}, {0, 0, 1024, 728}, {0, 0, 720, 560}},
      {"1024 x 768, the window low", {400, 500, 516, 430}, {0, 0, 1024, 728}, {304, 168, 720, 560}},
      {"a screen smaller than the viewer", {0, 0, 516, 430}, {0, 0, 640, 440}, {0, 0, 640, 440}},
      {"two screens: room on the left of the window, on its own screen", {1300, 100, 516, 430}, {0, 0, 1920, 1040},
       {572, 100, 720, 560}},
      {"two screens: the right one", {2000, 100, 516, 430}, {1920, 0, 1920, 1040}, {2524, 100, 720, 560}},
  };
  for (const auto& row : rows) EXPECT_EQ(PlaceBeside(row.window, viewer, row.available), row.expected) << row.what;
  const QVector<QRect> screens = {{0, 0, 1920, 1040}, {1920, 0, 1920, 1040}};
  EXPECT_EQ(PlaceWhereLeft({3000, 100, 720, 560}, screens), QRect(3000, 100, 720, 560));
  EXPECT_EQ(PlaceWhereLeft({3500, -50, 720, 560}, screens), QRect(3120, 0, 720, 560));  // partly off: moved in
  // A dialog grown past the screen's right edge comes back inside it, at 1280 x 1024 and at 1024 x 768.
  EXPECT_EQ(Inside({240, 158, 1173, 720}, {0, 0, 1280, 1024}), QRect(107, 158, 1173, 720));
  EXPECT_EQ(Inside({240, 158, 1173, 720}, {0, 0, 1024, 768}), QRect(0, 48, 1024, 720));
  EXPECT_EQ(Inside({10, 10, 700, 500}, {0, 0, 1024, 768}), QRect(10, 10, 700, 500));
  EXPECT_TRUE(PlaceWhereLeft({5000, 100, 720, 560}, screens).isEmpty());            // a screen gone
  EXPECT_TRUE(PlaceWhereLeft({}, screens).isEmpty());                                // never left anywhere
}

void Drop(QWidget* target, const std::vector<std::string>& files) {
  QMimeData data;
  QList<QUrl> urls;
  for (const std::string& f : files) urls.push_back(QUrl::fromLocalFile(QString::fromStdString(f)));
  data.setUrls(urls);
  const QPoint at(10, 10);
  QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &drop);
}

TEST_F(MainForm, DroppedFilesJoinTheListByTheirExtension) {
  const std::string a = dir.File("a.DDS"), b = dir.File("b.dds"), log = dir.File("r.log");
  Drop(Part<QListWidget>(*form, "LogList")->viewport(), {a, b});
  EXPECT_EQ(form->Entries(), (std::vector<std::string>{a, b}));
  EXPECT_EQ(form->JobKind, TJobKind::Texture);
  EXPECT_EQ(ListButtons(), "1111");
  Drop(Part<QListWidget>(*form, "LogList")->viewport(), {log});  // another kind replaces the list
  EXPECT_EQ(form->Entries(), (std::vector<std::string>{log}));
  SaveLines(dir.File("p.lst"), {"", "x.log", "  ", "y.log"});
  Drop(Part<QListWidget>(*form, "LogList")->viewport(), {dir.File("p.lst")});  // a list brings its lines
  EXPECT_EQ(form->Entries(), (std::vector<std::string>{"x.log", "y.log"}));
  Drop(Part<QListWidget>(*form, "LogList")->viewport(), {dir.File("picture.png"), dir.File("c.log")});
  ASSERT_EQ(script->errors.size(), 1u);
  EXPECT_NE(script->errors[0].find("picture.png"), std::string::npos) << script->errors[0];
  EXPECT_EQ(form->Entries(), (std::vector<std::string>{dir.File("c.log")}));
  Drop(Part<QListWidget>(*form, "LogList")->viewport(), {a, log});
  EXPECT_EQ(script->errors.size(), 2u);  // an extract and an insert at once: nothing added
  EXPECT_EQ(form->Entries(), (std::vector<std::string>{dir.File("c.log")}));
}

// Textures, font tables and game folders dropped together are one extract, and a list saved from it comes
// back as that extract.
TEST_F(MainForm, ExtractsOfEveryKindMixAndTheirListComesBack) {
  const std::string s = dir.File("S");
  ASSERT_EQ(testing::Cli("samples " + testing::Quoted(s), dir).status, 0);
  QWidget* list = Part<QListWidget>(*form, "LogList")->viewport();
  Drop(list, {s + "/stone.dds", s + "/font.tdt"});
  Drop(list, {s + "/game"});
  ASSERT_TRUE(script->errors.empty()) << script->errors.front();
  const std::vector<std::string> mixed = {AbsolutePath(s + "/stone.dds"), AbsolutePath(s + "/font.tdt"),
                                          AbsolutePath(s + "/game")};
  EXPECT_EQ(form->Entries(), mixed);
  script->saves.push_back(dir.File("mixed.lst"));
  form->BSaveListClick();
  form->BClearAllClick();
  Add(3, {dir.File("mixed.lst")});
  EXPECT_EQ(form->Entries(), mixed);
  EXPECT_TRUE(IsExportKind(form->JobKind));
  const TRunRequest request = form->RequestFor(dir.File("out"));
  ASSERT_GE(request.Entries.size(), 3u);
  EXPECT_EQ(request.Entries[0].Kind, TJobKind::Texture);
  EXPECT_EQ(request.Entries[1].Kind, TJobKind::FontSheet);
  EXPECT_EQ(request.Entries.size(), 2u + 4u);  // the game's folder: its textures and its font
}

TEST_F(MainForm, ToolTipsNameTheShortcutsAndTheShortcutsWork) {
  for (QToolButton* b : {Part<QToolButton>(*form, "BAddLog"), Part<QToolButton>(*form, "BSaveList"), Part<QToolButton>(*form, "BRemLog"), Part<QToolButton>(*form, "BClearAll"), Part<QToolButton>(*form, "BProcess"), Part<QToolButton>(*form, "BExit")})
    EXPECT_TRUE(b->toolTip().contains(QLatin1Char('('))) << b->toolTip().toStdString();
  EXPECT_TRUE(Part<QToolButton>(*form, "BAddLog")->toolTip().contains(QStringLiteral("Ctrl+O")));
  EXPECT_TRUE(Part<QToolButton>(*form, "BProcess")->toolTip().contains(QStringLiteral("F5")));
  form->show();
  QApplication::setActiveWindow(form.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  const auto textures = MakeTextures(3);
  script->opens.push_back({1, textures});
  QTest::keyClick(form.get(), Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(form->Entries(), textures);
  Part<QListWidget>(*form, "LogList")->setCurrentRow(0);
  QTest::keyClick(Part<QListWidget>(*form, "LogList"), Qt::Key_Delete);
  EXPECT_EQ(form->Entries().size(), 2u);
  const std::string saved = GetCurrentDir();
  script->directories.push_back(dir.File("out"));
  QTest::keyClick(form.get(), Qt::Key_F5);
  EXPECT_EQ(script->informations, (std::vector<std::string>{"Process status:|Operation complete!"}));
  SetCurrentDir(saved);
  // The results lead to the files: a double click on a written file's line opens it, and the last
  // line offers the target directory.
  const QTextBlock last = Part<QTextEdit>(*form, "Results")->document()->lastBlock();
  EXPECT_EQ(last.text().toStdString(), "Target directory: " + dir.File("out") + " (double-click to open)");
  const QTextBlock first = Part<QTextEdit>(*form, "Results")->document()->firstBlock();
  for (const QTextBlock& block : {first, last}) {
    QTextCursor cursor(block);
    const QPoint at = Part<QTextEdit>(*form, "Results")->cursorRect(cursor).center();
    QTest::mouseDClick(Part<QTextEdit>(*form, "Results")->viewport(), Qt::LeftButton, Qt::NoModifier, at);
  }
  ASSERT_EQ(script->opened.size(), 2u);
  EXPECT_EQ(script->opened[0], dir.File("out/tex1.tga"));
  EXPECT_EQ(script->opened[1], dir.File("out"));
}

TEST_F(MainForm, DisabledButtonsShowAGreyedPictureNotAPlainSquare) {
  const QImage image = Part<QToolButton>(*form, "BSaveList")->icon().pixmap(16, 16, QIcon::Disabled).toImage();
  std::set<QRgb> greys;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qAlpha(image.pixel(x, y)) != 0) greys.insert(image.pixel(x, y));
  EXPECT_GE(greys.size(), 3u);  // the floppy's body, shutter and label stay apart
}

// "Glyph table...": an edit redraws the sentence, a value that cannot be is refused in place, undo takes an edit
// back, and the table is saved into the folder chosen, never over the source.
TEST_F(MainForm, GlyphTableEditsRedrawsUndoesAndSavesNeverOverTheSource) {
  const std::string s = dir.File("samples");
  ASSERT_EQ(testing::Cli("samples \"" + s + "\"", dir).status, 0);
  EXPECT_EQ(form->GlyphTable(), nullptr);  // no font table yet: said
  EXPECT_EQ(script->errors.size(), 1u);
  Add(2, {s + "/latin.tdt"});
  TGlyphTableDialog* dialog = form->GlyphTable();
  ASSERT_NE(dialog, nullptr);
  const std::string source = testing::Slurp(s + "/latin.tdt");
  dialog->Sentence->setText(QStringLiteral("TTT"));
  const int before = dialog->Picture->pixmap().width();
  const int width = static_cast<unsigned char>(source[(0x54 - 0x20) * 14 + 8]);
  // Through the table's own cell, as the user types it: three T's, each three pixels wider, at zoom 2.
  dialog->Records->item(0x54 - 0x20, 3 + 4)->setText(QString::number(width + 3));
  EXPECT_EQ(dialog->Picture->pixmap().width(), before + 3 * 3 * 2);
  EXPECT_TRUE(dialog->Refusal->text().isEmpty());
  // A box past the texture is refused in place: the record and the cell keep their value.
  EXPECT_FALSE(dialog->SetField(0x54, 2, 9999));
  EXPECT_NE(dialog->Refusal->text().toStdString().find("0x54: right 9999 is past the texture's width"), std::string::npos);
  EXPECT_NE(dialog->Records->item(0x54 - 0x20, 3 + 2)->text(), QStringLiteral("9999"));
  dialog->Records->item(0x41 - 0x20, 3)->setText(QStringLiteral("abc"));
  EXPECT_NE(dialog->Refusal->text().toStdString().find("0x41: Left is a number"), std::string::npos);
  // Saved where chosen; the source's folder is refused; the source never changes.
  script->directories.push_back(s);
  EXPECT_FALSE(dialog->SaveTable());
  EXPECT_NE(script->errors.back().find("it is the source"), std::string::npos) << script->errors.back();
  script->directories.push_back(dir.File("saved"));
  ASSERT_TRUE(dialog->SaveTable());
  const std::string saved = testing::Slurp(dir.File("saved/latin.tdt"));
  EXPECT_EQ(static_cast<unsigned char>(saved[(0x54 - 0x20) * 14 + 8]), width + 3);
  EXPECT_EQ(testing::Slurp(dir.File("saved/latin.dds")), testing::Slurp(s + "/latin.dds"));
  script->directories.push_back(dir.File("saved"));
  ASSERT_TRUE(dialog->SaveText());
  EXPECT_TRUE(std::filesystem::exists(dir.File("saved/latin.csv")));
  // Undo takes the edit back, and the sentence with it.
  EXPECT_TRUE(dialog->Undo());
  EXPECT_EQ(dialog->Picture->pixmap().width(), before);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(dialog->Table().Memory()), source.size()), source);
  EXPECT_FALSE(dialog->Undo());
  EXPECT_EQ(testing::Slurp(s + "/latin.tdt"), source);
  dialog->close();
  // The viewer of a font table opens its glyph table too.
  Part<QListWidget>(*form, "LogList")->setCurrentRow(0);
  TImageViewerDialog* viewer = form->ViewImages();
  ASSERT_TRUE(WaitForViewer(viewer));
  ASSERT_TRUE(viewer->GlyphTableButton->isEnabled());
  const auto opened = form->findChildren<TGlyphTableDialog*>().size();
  viewer->GlyphTableButton->click();
  EXPECT_EQ(form->findChildren<TGlyphTableDialog*>().size(), opened + 1);
}

// "Preview font" checks a file of translated lines: the ones too wide and those the font cannot show are listed,
// and one chosen is set as the text.
TEST_F(MainForm, PreviewFontListsTheLinesTooWideAndShowsOneChosen) {
  const std::string s = dir.File("samples");
  ASSERT_EQ(testing::Cli("samples \"" + s + "\"", dir).status, 0);
  Add(2, {s + "/latin.tdt"});
  TPreviewDialog* dialog = form->PreviewFont();
  ASSERT_NE(dialog, nullptr);
  dialog->CodePage->setCurrentText(QStringLiteral("1252"));
  std::ofstream(dir.File("lines.txt"), std::ios::binary) << "Hi\nA line too long for its box\nsnow \xE2\x98\x83\n";
  dialog->LinesFile->setText(QString::fromStdString(dir.File("lines.txt")));
  dialog->BoxWidth->setValue(60);
  dialog->CheckLines();
  ASSERT_EQ(dialog->Findings->count(), 2);
  EXPECT_TRUE(dialog->Findings->item(0)->text().startsWith(QStringLiteral("line 2: ")));
  EXPECT_TRUE(dialog->Findings->item(1)->text().contains(QStringLiteral("cannot show")));
  EXPECT_TRUE(dialog->Problems->text().startsWith(QStringLiteral("3 lines checked: 1 too wide, 1 with")));
  dialog->Findings->setCurrentRow(0);
  EXPECT_EQ(dialog->Text->text(), QStringLiteral("A line too long for its box"));
  // A file that cannot be read says so, and lists nothing.
  dialog->LinesFile->setText(QString::fromStdString(dir.File("none.txt")));
  dialog->CheckLines();
  EXPECT_EQ(dialog->Findings->count(), 0);
  EXPECT_TRUE(dialog->Problems->text().contains(QString::fromStdString(dir.File("none.txt"))));
  dialog->close();
}

TEST_F(MainForm, PreviewFontSetsTheLineAsTheUserTypes) {
  const std::string s = dir.File("samples");
  ASSERT_EQ(testing::Cli("samples \"" + s + "\"", dir).status, 0);
  EXPECT_EQ(form->PreviewFont(), nullptr);  // nothing to preview yet
  EXPECT_EQ(script->errors.size(), 1u);
  Add(2, {s + "/latin.tdt"});
  Part<QListWidget>(*form, "LogList")->setCurrentRow(0);
  TPreviewDialog* dialog = form->PreviewFont();
  ASSERT_NE(dialog, nullptr);
  // The default sentence at its zoom fits the dialog, where the screen has room for it.
  EXPECT_TRUE(dialog->Picture->pixmap().width() + 60 <= dialog->width() ||
              dialog->width() >= dialog->screen()->availableGeometry().width() - 40);
  dialog->Zoom->setValue(1);
  dialog->Text->setText(QStringLiteral("Hi"));
  const int two = dialog->Picture->pixmap().width();
  QTest::keyClicks(dialog->Text, QStringLiteral("!!"));
  EXPECT_EQ(dialog->Picture->pixmap().width(), two + 2 * (7 + 1));  // two more glyphs, 7 wide, one apart
  EXPECT_TRUE(dialog->Problems->text().isEmpty());
  dialog->Text->setText(QString::fromUtf8("H\xD0\x96"));  // a letter the sample font lacks
  EXPECT_TRUE(dialog->Problems->text().contains(QStringLiteral("U+0416"))) << dialog->Problems->text().toStdString();
  if (const char* path = std::getenv("EIT_SCREENSHOT_PREVIEW")) {
    // README's picture of the dialog, after the sample's font got its Cyrillic letters.
    const std::string sheet = dir.File("sheet");
    ASSERT_EQ(std::system(("\"" EIT_CLI "\" sheet \"" + s + "/latin.tdt\" --font "
                           "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf -o \"" + sheet + "\" >/dev/null && \"" EIT_CLI
                           "\" insert -o \"" + dir.File("RU") + "\" \"" + sheet + "/latin_sheet.log\" >/dev/null")
                              .c_str()),
              0);
    auto* shown = new TPreviewDialog({dir.File("RU/latin.tdt")}, form.get());
    shown->show();
    ASSERT_TRUE(shown->grab().save(QString::fromLocal8Bit(path)));
  }
}

// One font everywhere: every widget of the window, and every dialog the program shows, Qt's own included.
TEST_F(MainForm, OneFontInEveryWidgetAndDialog) {
  const QFontInfo wanted(ProgramFont());
  // A font that draws the captions, not boxes: with the system's fonts, or with the one the program ships.
  for (const char16_t ch : {u'E', u'x', u'\u0416'})
    EXPECT_TRUE(QFontMetrics(ProgramFont()).inFont(QChar(ch))) << wanted.family().toStdString() << " lacks " << int(ch);
  QList<QWidget*> widgets = form->findChildren<QWidget*>();
  widgets.push_back(form.get());
  const std::string s = dir.File("samples");
  ASSERT_EQ(testing::Cli("samples \"" + s + "\"", dir).status, 0);
  TPreviewDialog preview({s + "/latin.tdt"});
  TDrawLettersDialog draw({s + "/latin.tdt"}, {}, *script);
  QMessageBox box(QMessageBox::Information, QStringLiteral("Process status:"), QStringLiteral("Operation complete!"));
  QFileDialog files(nullptr, QStringLiteral("Select file..."));
  files.setOption(QFileDialog::DontUseNativeDialog);
  TAboutDialog* about = form->About();
  ASSERT_NE(about, nullptr);
  // The About box says which program, which zlib, where the settings are, and opens the licences when there are any.
  EXPECT_TRUE(about->Text->text().startsWith(QStringLiteral("Extract\\Insert Tool " EIT_VERSION))) << about->Text->text().toStdString();
  EXPECT_TRUE(about->Text->text().contains(QStringLiteral("zlib: "))) << about->Text->text().toStdString();
  EXPECT_TRUE(about->Text->text().contains(QStringLiteral("PNG files are read with libspng "))) << about->Text->text().toStdString();
  EXPECT_TRUE(about->Text->text().contains(QString::fromStdString(SettingsPlace()))) << about->Text->text().toStdString();
  EXPECT_FALSE(about->Text->text().contains(QStringLiteral("\\HKEY")));  // as regedit shows the key
  EXPECT_EQ(about->Licences->isEnabled(), !TAboutDialog::LicencesPath().empty());
  for (QWidget* dialog : std::initializer_list<QWidget*>{&preview, &draw, &box, &files, about}) {
    widgets.push_back(dialog);
    for (QWidget* w : dialog->findChildren<QWidget*>()) widgets.push_back(w);
  }
  std::set<std::string> odd;
  for (QWidget* w : widgets) {
    const QFontInfo info(w->font());
    if (info.family() != wanted.family() || info.pointSize() != wanted.pointSize())
      odd.insert(w->metaObject()->className() + std::string(" ") + w->objectName().toStdString() + ": " +
                 info.family().toStdString() + " " + std::to_string(info.pointSize()));
  }
  EXPECT_TRUE(odd.empty()) << wanted.family().toStdString() << " " << wanted.pointSize() << " wanted, not "
                           << *odd.begin();
}

// A game's folder dropped on the list: one entry with the count found, processed into the same tree.
TEST_F(MainForm, AFolderDroppedIsOneEntryAndComesOutAsItsTree) {
  const std::string saved = GetCurrentDir();
  const std::string s = dir.File("samples"), game = dir.File("game");
  ASSERT_EQ(testing::Cli("samples \"" + s + "\"", dir).status, 0);
  for (const auto& [from, to] : std::vector<std::pair<std::string, std::string>>{
           {"stone.dds", "a/stone.dds"}, {"bricks.dds", "b/stone.dds"}, {"font.tdt", "ui/font.tdt"}, {"font.dds", "ui/font.dds"}}) {
    std::filesystem::create_directories(std::filesystem::path(game + "/" + to).parent_path());
    std::filesystem::copy_file(s + "/" + from, game + "/" + to);
  }
  std::ofstream(game + "/readme.txt") << "x";
  form->DropFiles({game});
  ASSERT_EQ(Part<QListWidget>(*form, "LogList")->count(), 1);
  EXPECT_EQ(Part<QListWidget>(*form, "LogList")->item(0)->text().toStdString(),
            game + "  (3 files; 1 other passed over)");
  EXPECT_EQ(form->Entries(), std::vector<std::string>{game});
  const std::string out = dir.File("out");
  script->directories.push_back(out);
  form->BProcessClick();
  SetCurrentDir(saved);
  EXPECT_TRUE(script->errors.empty()) << script->errors.front();
  for (const char* image : {"a/stone.bmp", "b/stone.bmp", "ui/font.tga"})
    EXPECT_TRUE(std::filesystem::exists(out + "/" + image)) << image;
  EXPECT_FALSE(std::filesystem::exists(out + "/font.tga"));  // the font's texture is not extracted again
  // An empty folder is refused, named.
  std::filesystem::create_directories(dir.File("empty"));
  form->DropFiles({dir.File("empty")});
  ASSERT_FALSE(script->errors.empty());
  EXPECT_NE(script->errors.back().find(dir.File("empty") + " holds no textures"), std::string::npos);
}

// "Draw new letters" through its seam: choices in, the letters, the sentence and what sheet would say
// out; "Write sheet" writes what eitool-cli sheet writes, asks before replacing, and offers the log.
TEST_F(MainForm, DrawNewLettersShowsWhatSheetWouldAndWritesTheSameFiles) {
  const std::string dejavu = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
  const std::string liberation = "/usr/share/fonts/truetype/liberation2/LiberationSerif-Regular.ttf";
  if (!CanRenderFonts() || !std::filesystem::exists(dejavu)) GTEST_SKIP() << "no FreeType or DejaVu Sans";
  const std::string s = dir.File("samples");
  ASSERT_EQ(testing::Cli("samples \"" + s + "\"", dir).status, 0);
  EXPECT_EQ(form->DrawLetters(), nullptr);  // no font table yet
  Add(2, {s + "/latin.tdt"});
  Part<QListWidget>(*form, "LogList")->setCurrentRow(0);
  TDrawLettersDialog* dialog = form->DrawLetters();
  ASSERT_NE(dialog, nullptr);
  // A plain sans-serif that has the page's letters, first; all sixteen columns in view at the first look.
  EXPECT_TRUE(dialog->Font->currentText().startsWith(QStringLiteral("DejaVu Sans"))) << dialog->Font->currentText().toStdString();
  dialog->show();
  QApplication::processEvents();
  EXPECT_LE(dialog->Letters->pixmap().width(), dialog->Letters->parentWidget()->width()) << dialog->width();
  const struct {
    std::string font;
    int codePage, capHeight;
    std::string says;
    bool drawn;
    std::size_t alike;  // pairs of letters that came out alike
  } rows[] = {
      {dejavu, 1251, 0, "drawing 127 characters", true, 2},
      {dejavu, 1251, 0, "cap height 8, as the kept capitals, in 15-pixel glyph boxes", true, 2},
      {dejavu, 1251, 12, "9 characters are drawn smaller than cap height 12", true, 2},
      {dejavu, 1251, 13, "Cap height 13: capitals 13 pixels high would not fit whole", false, 0},
      {dejavu, 1250, 0, "code page 1250 (Central European), 0x8A to 0xFF", true, 12},
      {liberation, 1251, 0, "\u0438 (0xE8) = \u043D (0xED)", true, 1},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.font + " " + std::to_string(row.codePage) + " " + std::to_string(row.capHeight));
    dialog->AddFontFile(row.font);
    dialog->CodePage->setCurrentIndex(dialog->CodePage->findData(row.codePage));
    dialog->CapHeight->setValue(row.capHeight);
    dialog->Settle();
    EXPECT_TRUE(dialog->Notes->text().contains(QString::fromStdString(row.says))) << dialog->Notes->text().toStdString();
    // The window's words, never the command line's.
    for (const char* word : {"--", "eitool-cli"}) EXPECT_FALSE(dialog->Notes->text().contains(QLatin1String(word))) << word;
    // The sentence follows the code page while the user has typed none.
    EXPECT_EQ(dialog->Sentence->text().contains(QChar(row.codePage == 1250 ? u'\u017e' : u'\u0451')), true);
    EXPECT_EQ(!dialog->Letters->pixmap().isNull(), row.drawn);
    EXPECT_EQ(!dialog->Preview->pixmap().isNull(), row.drawn);
    EXPECT_EQ(dialog->WriteSheet->isEnabled(), row.drawn);
    EXPECT_EQ(dialog->Draft().Sheet.Alike.size(), row.alike);
  }
  if (const char* path = std::getenv("EIT_SCREENSHOT_DRAW")) {
    // README's picture of the dialog: Russian letters from Liberation Serif, и = н marked.
    dialog->AddFontFile(liberation);
    dialog->CodePage->setCurrentIndex(dialog->CodePage->findData(1251));
    dialog->CapHeight->setValue(0);
    dialog->Settle();
    dialog->show();
    ASSERT_TRUE(dialog->grab().save(QString::fromLocal8Bit(path)));
  }
  // The same choices as eitool-cli sheet's defaults: the same sheet, byte for byte, and the same log but
  // for where the sheet lies.
  dialog->AddFontFile(dejavu);
  dialog->CodePage->setCurrentIndex(dialog->CodePage->findData(1251));
  dialog->CapHeight->setValue(0);
  dialog->Settle();
  const std::string written = dir.File("written"), cli = dir.File("cli");
  script->directories.push_back(written);
  script->confirmAnswer = true;
  const std::string log = dialog->WriteSheetFiles();
  EXPECT_EQ(log, JoinPath(written, "latin_sheet.log"));
  ASSERT_EQ(testing::Cli("sheet \"" + s + "/latin.tdt\" --font \"" + dejavu + "\" -o \"" + cli + "\"", dir).status, 0);
  EXPECT_EQ(testing::Slurp(written + "/latin_sheet.tga"), testing::Slurp(cli + "/latin_sheet.tga"));
  std::vector<std::string> ours = LoadLines(log), theirs = LoadLines(cli + "/latin_sheet.log");
  ASSERT_EQ(ours.size(), theirs.size());
  ours[2] = theirs[2] = "";  // the target line names each one's own folder
  EXPECT_EQ(ours, theirs);
  EXPECT_EQ(form->Entries(), std::vector<std::string>{log});  // offered, Yes first, and taken into the list
  ASSERT_FALSE(script->confirmDefaults.empty());
  EXPECT_TRUE(script->confirmDefaults.back());
  EXPECT_EQ(form->JobKind, TJobKind::ReplayLog);
  // A second write into the same folder asks first; no is no.
  script->questions.clear();
  script->confirmAnswer = false;
  script->directories.push_back(written);
  EXPECT_EQ(dialog->WriteSheetFiles(), "");
  ASSERT_EQ(script->questions.size(), 1u);
  EXPECT_NE(script->questions[0].find("latin_sheet.tga, latin_sheet.log in " + written + " already exist"),
            std::string::npos) << script->questions[0];
  EXPECT_FALSE(script->confirmDefaults.back());  // a question before touch-ups are lost: No first
  // With its glyph table: the table eitool-cli sheet --table writes, named by the log; a table there already
  // (the user's spacing) is never replaced, and nothing is written then.
  dialog->WithTable->setChecked(true);
  const std::string tabled = dir.File("tabled"), cliTabled = dir.File("cli_tabled");
  script->confirmAnswer = true;
  script->directories.push_back(tabled);
  const std::string tabledLog = dialog->WriteSheetFiles();
  ASSERT_EQ(tabledLog, JoinPath(tabled, "latin_sheet.log"));
  ASSERT_EQ(testing::Cli("sheet \"" + s + "/latin.tdt\" --font \"" + dejavu + "\" --table -o \"" + cliTabled + "\"", dir).status, 0);
  const std::string table = testing::Slurp(tabled + "/latin.csv"), sheet = testing::Slurp(tabled + "/latin_sheet.tga");
  EXPECT_EQ(table, testing::Slurp(cliTabled + "/latin.csv"));
  EXPECT_NE(testing::Slurp(tabledLog).find(JoinPath(tabled, "latin.csv")), std::string::npos);
  script->directories.push_back(tabled);
  EXPECT_THROW(dialog->WriteSheetFiles(), EFExistsError);
  EXPECT_EQ(testing::Slurp(tabled + "/latin.csv"), table);
  EXPECT_EQ(testing::Slurp(tabled + "/latin_sheet.tga"), sheet);
  dialog->WithTable->setChecked(false);
  // A sentence the user typed stays when the code page changes.
  QTest::keyClicks(dialog->Sentence, QStringLiteral("!"));
  dialog->CodePage->setCurrentIndex(dialog->CodePage->findData(1250));
  dialog->Settle();
  EXPECT_TRUE(dialog->Sentence->text().endsWith(QLatin1Char('!')));
}

// Makes README's picture (EIT_SCREENSHOT=docs/window.png): the window after a finished run.
// The Windows program's icon resource is a file, made from the same drawing as the window's icon:
// EIT_WRITE_ICON=1 writes it anew (PNG entries, as Windows Vista and later read them).
QRgb Rgb(const TBitmap& picture, int x, int y) {
  const std::uint8_t* p = picture.ScanLine(y) + x * picture.BytesPerPixel();
  return qRgb(p[2], p[1], p[0]);
}

TEST_F(MainForm, ViewerFollowsTheSelectionThroughTexturesSheetsAndLogRecords) {
  const std::string s = dir.File("samples"), out = dir.File("out");
  ASSERT_EQ(testing::Cli("samples " + testing::Quoted(s), dir).status, 0);
  ASSERT_EQ(testing::Cli("extract -o " + testing::Quoted(out) + " " + testing::Quoted(s + "/stone.dds") + " " +
                             testing::Quoted(s + "/water.dds") + " " + testing::Quoted(s + "/sky.dds"), dir).status, 0);
  TBitmap stone, water;
  ReadPictureFile(out + "/stone.bmp", stone);
  ReadPictureFile(out + "/water.tga", water);

  // Textures: F3 opens the viewer beside the window on the current entry; it follows the selection.
  Add(1, {s + "/stone.dds", s + "/water.dds"});
  form->show();
  QApplication::setActiveWindow(form.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  auto* list = Part<QListWidget>(*form, "LogList");
  list->setCurrentRow(0);
  QTest::keyClick(form.get(), Qt::Key_F3);
  auto* viewer = form->findChild<TImageViewerDialog*>();
  ASSERT_NE(viewer, nullptr);
  ASSERT_TRUE(WaitForViewer(viewer));
  EXPECT_TRUE(viewer->isVisible());
  EXPECT_EQ(form->size(), QSize(kFormWidth, kFormHeight));  // the window keeps its size
  EXPECT_EQ(viewer->SourceCaption->text().toStdString(), "stone.dds: 64 x 64, 24-bit, packed texture");
  QImage shown = viewer->SourceImage();
  ASSERT_EQ(shown.size(), QSize(64, 64));
  EXPECT_EQ(shown.pixel(5, 7) & 0xFFFFFF, Rgb(stone, 5, 7) & 0xFFFFFF);
  // Arrowing through the list faster than files read: what shows is the entry last selected.
  for (int k = 0; k < 9; ++k) list->setCurrentRow(k % 2);
  ASSERT_TRUE(WaitForViewer(viewer));
  EXPECT_NE(viewer->SourceCaption->text().indexOf(QStringLiteral("stone.dds")), -1);
  list->setCurrentRow(1);
  ASSERT_TRUE(WaitForViewer(viewer));
  EXPECT_NE(viewer->SourceCaption->text().indexOf(QStringLiteral("water.dds: 64 x 64, 32-bit")), -1);
  // Alpha: over a checkerboard, off, alone.
  const int x = 9, y = 4;
  const std::uint8_t* p = water.ScanLine(y) + 4 * x;
  viewer->Alpha->setCurrentIndex(2);
  ASSERT_TRUE(WaitForViewer(viewer));  // drawn again off the window's thread
  EXPECT_EQ(qRed(viewer->SourceImage().pixel(x, y)), p[3]);
  viewer->Alpha->setCurrentIndex(1);
  ASSERT_TRUE(WaitForViewer(viewer));  // drawn again off the window's thread
  EXPECT_EQ(viewer->SourceImage().pixel(x, y) & 0xFFFFFF, Rgb(water, x, y) & 0xFFFFFF);
  viewer->Alpha->setCurrentIndex(0);
  ASSERT_TRUE(WaitForViewer(viewer));  // drawn again off the window's thread
  const int ground = ((x / 8 + y / 8) % 2) != 0 ? 204 : 255;
  EXPECT_EQ(qGreen(viewer->SourceImage().pixel(x, y)), (p[1] * p[3] + ground * (255 - p[3]) + 127) / 255);
  viewer->Zoom->setCurrentIndex(viewer->Zoom->findData(4));
  EXPECT_EQ(viewer->SourceView()->size(), QSize(256, 256));
  viewer->Zoom->setCurrentIndex(viewer->Zoom->findData(1));

  // A font table (in the list after the textures): its glyph sheet, each cell outlined with its code.
  Add(2, {s + "/font.tdt"});
  list->setCurrentRow(list->count() - 1);
  ASSERT_TRUE(WaitForViewer(viewer));
  EXPECT_NE(viewer->SourceCaption->text().indexOf(QStringLiteral("glyph sheet of 224 cells")), -1);
  ASSERT_EQ(viewer->View().Records.size(), 1u);
  EXPECT_EQ(viewer->View().Records[0].Source.Cells[1].Code, 0x21);
  EXPECT_EQ(viewer->SourceImage().pixel(50, viewer->View().Records[0].Source.Cells[1].Box.Top) & 0xFFFFFF, 0x00A0FFu);
  // Its white glyphs on a dark background, readable at first sight; the texture after it on the one kept.
  EXPECT_EQ(viewer->Ground->currentData().toInt(), static_cast<int>(TViewGround::DarkCheckers));
  EXPECT_LT(qGray(viewer->SourceImage().pixel(90, 2)), 100);  // clear, right of every glyph
  for (const auto ground : {TViewGround::Black, TViewGround::White}) {
    viewer->Ground->setCurrentIndex(viewer->Ground->findData(static_cast<int>(ground)));
    ASSERT_TRUE(WaitForViewer(viewer));
    EXPECT_EQ(qGray(viewer->SourceImage().pixel(90, 2)), ground == TViewGround::Black ? 0 : 255);
  }

  // A log: each record's texture beside its edit, with what the insert would find. Stone left unedited, sky
  // turned upside down, water missing.
  TBitmap sky;
  ReadPictureFile(out + "/sky.tga", sky);
  TBitmap flipped(sky.PixelFormat(), sky.Width(), sky.Height());
  for (int row = 0; row < sky.Height(); ++row)
    std::memcpy(flipped.ScanLine(row), sky.ScanLine(sky.Height() - 1 - row), sky.RowBytes());
  {
    TFileStream file(out + "/sky.tga", FileMode::Create);
    WritePicture(file, flipped, ExtractFormat(TImageFiles::BmpTga, flipped));
  }
  std::filesystem::remove(out + "/water.tga");
  Add(4, {out + "/result.log"});
  list->setCurrentRow(0);
  ASSERT_TRUE(WaitForViewer(viewer));
  ASSERT_EQ(viewer->View().Records.size(), 3u);
  // Each record is read as it is chosen, and only the one shown is held.
  const auto findings = [&](int k) {
    viewer->Record->setCurrentIndex(k);
    EXPECT_TRUE(WaitForViewer(viewer));
    std::string all;
    for (const TViewFinding& f : viewer->View().Records[static_cast<std::size_t>(k)].Edited.Findings)
      all += EnglishFinding(f) + "\n";
    return all;
  };
  EXPECT_NE(findings(0).find("equals the texture"), std::string::npos) << findings(0);
  EXPECT_NE(findings(1).find("missing"), std::string::npos) << findings(1);
  EXPECT_FALSE(viewer->View().Records[0].Loaded);
  EXPECT_NE(findings(2).find("upside down"), std::string::npos) << findings(2);
  EXPECT_NE(viewer->Findings->text().indexOf(QStringLiteral("upside down")), -1);
  EXPECT_TRUE(viewer->Record->itemText(2).startsWith(QChar(0x26A0)));
  const QImage edited = viewer->EditedImage();
  EXPECT_EQ(edited.pixel(1, edited.height() / 2) & 0xFFFFFF, 0xE60000u);  // the red frame
  EXPECT_EQ(viewer->SourceImage().size(), QSize(sky.Width(), sky.Height()));

  // A font's record: the table's glyph sheet beside the sheet of new glyphs.
  Add(4, {s + "/insert_font.log"});  // joins the list of logs
  list->setCurrentRow(1);
  ASSERT_TRUE(WaitForViewer(viewer));
  ASSERT_EQ(viewer->View().Records.size(), 1u);
  EXPECT_NE(viewer->SourceCaption->text().indexOf(QStringLiteral("font.tdt: glyph sheet of 224 cells")), -1);
  EXPECT_NE(viewer->EditedCaption->text().indexOf(QStringLiteral("font_new_glyphs.tga")), -1);
  EXPECT_NE(viewer->EditedCaption->text().indexOf(QStringLiteral("new glyphs from 0xC0")), -1);
  EXPECT_TRUE(viewer->Findings->text().isEmpty());

  // A double click on an entry opens it too.
  viewer->close();
  list->setCurrentRow(-1);
  emit list->itemDoubleClicked(list->item(1));
  EXPECT_TRUE(viewer->isVisible());
}

TEST_F(MainForm, ExtractAsPngIsKeptAcrossStartsAndWritesPng) {
  Part<QAction>(*form, "ExtractAsPng")->setChecked(true);
  EXPECT_EQ(form->RequestFor("d").Images, TImageFiles::Png);
  form = std::make_unique<TMainForm>(std::make_unique<TScriptedDialogs>());
  EXPECT_TRUE(Part<QAction>(*form, "ExtractAsPng")->isChecked());
  auto dialogs = std::make_unique<TScriptedDialogs>();
  script = dialogs.get();
  form = std::make_unique<TMainForm>(std::move(dialogs));
  const std::string saved = GetCurrentDir();
  const auto textures = MakeTextures(2);
  Add(1, textures);
  script->directories.push_back(dir.File("out"));
  form->BProcessClick();
  SetCurrentDir(saved);
  EXPECT_TRUE(std::filesystem::exists(dir.File("out/tex0.png")));
  EXPECT_TRUE(std::filesystem::exists(dir.File("out/tex1.png")));
  Part<QAction>(*form, "ExtractAsPng")->setChecked(false);
  EXPECT_EQ(form->RequestFor("d").Images, TImageFiles::BmpTga);
}

TEST(WindowIcon, TheIconResourceIsTheWindowsDrawing) {
  const QString path = QStringLiteral(EIT_SOURCE_DIR "/window/eitool.ico");
  const std::vector<int> sizes = {16, 32, 48, 256};
  if (std::getenv("EIT_WRITE_ICON") != nullptr) {
    std::vector<QByteArray> pngs;
    for (int size : sizes) {
      QBuffer buffer;
      buffer.open(QIODevice::WriteOnly);
      WindowIcon().pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG");
      pngs.push_back(buffer.data());
    }
    QByteArray ico;
    auto put16 = [&](int v) { ico.append(char(v & 255)).append(char(v >> 8 & 255)); };
    auto put32 = [&](qsizetype v) { put16(int(v & 0xFFFF)), put16(int(v >> 16 & 0xFFFF)); };
    put16(0), put16(1), put16(int(sizes.size()));
    qsizetype offset = 6 + 16 * qsizetype(sizes.size());
    for (std::size_t k = 0; k < sizes.size(); ++k) {
      ico.append(char(sizes[k] & 255)).append(char(sizes[k] & 255)).append(char(0)).append(char(0));
      put16(1), put16(32), put32(pngs[k].size()), put32(offset);
      offset += pngs[k].size();
    }
    for (const QByteArray& png : pngs) ico.append(png);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(ico);
  }
  QImageReader reader(path, "ico");
  ASSERT_EQ(reader.imageCount(), int(sizes.size())) << reader.errorString().toStdString();
  for (std::size_t k = 0; k < sizes.size(); ++k) {
    const int size = sizes[k];
    ASSERT_TRUE(reader.jumpToImage(int(k)));
    const QImage stored = reader.read().convertToFormat(QImage::Format_ARGB32);
    const QImage drawn = WindowIcon().pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(stored.size(), drawn.size()) << size;
    // Qt's raster engine picks its blending code by CPU, so anti-aliased edges may differ by a few levels
    // between machines; a changed drawing differs by far more, and over many pixels.
    int worst = 0;
    long long total = 0;
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x) {
        const QRgb a = stored.pixel(x, y), b = drawn.pixel(x, y);
        const int d = std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
        worst = std::max(worst, d);
        total += d;
      }
    EXPECT_LE(worst, 12) << size << " px: a pixel differs by more than edge rounding";
    EXPECT_LE(double(total) / (size * size), 0.5) << size << " px: the drawing differs";
  }
}

TEST_F(MainForm, Screenshot) {
  const char* path = std::getenv("EIT_SCREENSHOT");
  if (path == nullptr) GTEST_SKIP() << "set EIT_SCREENSHOT to a PNG path to make the picture";
  const std::string saved = GetCurrentDir();
  const std::string s = dir.File("samples");
  ASSERT_EQ(testing::Cli("samples \"" + s + "\"", dir).status, 0);
  Add(1, {s + "/stone.dds", s + "/sky.dds", s + "/water.dds", s + "/bricks.dds"});
  script->directories.push_back(dir.File("out"));
  form->show();
  form->BProcessClick();
  Part<QProgressBar>(*form, "Progress")->setValue(100);
  Part<QProgressBar>(*form, "Total")->setValue(100);
  Part<QListWidget>(*form, "LogList")->setCurrentRow(1);
  SetCurrentDir(saved);
  ASSERT_TRUE(form->grab().save(QString::fromLocal8Bit(path)));
  // The viewer beside it, on a log whose sky was saved upside down: EIT_VIEWER_SCREENSHOT.
  if (const char* viewerPath = std::getenv("EIT_VIEWER_SCREENSHOT")) {
    TBitmap sky;
    ReadPictureFile(dir.File("out/sky.tga"), sky);
    TBitmap flipped(sky.PixelFormat(), sky.Width(), sky.Height());
    for (int row = 0; row < sky.Height(); ++row)
      std::memcpy(flipped.ScanLine(row), sky.ScanLine(sky.Height() - 1 - row), sky.RowBytes());
    {
      TFileStream file(dir.File("out/sky.tga"), FileMode::Create);
      WritePicture(file, flipped, ExtractFormat(TImageFiles::BmpTga, flipped));
    }
    Add(4, {dir.File("out/result.log")});
    TImageViewerDialog* viewer = form->ViewImages();
    ASSERT_TRUE(WaitForViewer(viewer));
    viewer->Record->setCurrentIndex(1);
    ASSERT_TRUE(WaitForViewer(viewer));
    viewer->Zoom->setCurrentIndex(viewer->Zoom->findData(2));
    viewer->resize(760, 420);
    ASSERT_TRUE(viewer->grab().save(QString::fromLocal8Bit(viewerPath)));
  }
}

TEST_F(MainForm, SavedResultsAreRtfAndTheBoxShowsTheFileName) {
  Part<QTextEdit>(*form, "Results")->setPlainText(QString::fromUtf8("first {line}\nzweite Zeile \xC3\xA4"));
  const std::string path = dir.File("run1.txt");
  script->saves.push_back(path);
  Part<QPushButton>(*form, "SaveLog")->setEnabled(true);
  form->SaveLogClick();
  EXPECT_EQ(script->informations, (std::vector<std::string>{"Operation status|run1.txt"}));
  EXPECT_FALSE(Part<QPushButton>(*form, "SaveLog")->isEnabled());
  std::ifstream in(path, std::ios::binary);
  const std::string rtf(std::istreambuf_iterator<char>(in), {});
  EXPECT_EQ(rtf.rfind("{\\rtf1", 0), 0u);
  EXPECT_NE(rtf.find("first \\{line\\}\\par"), std::string::npos);
  EXPECT_NE(rtf.find("zweite Zeile \\u228?\\par"), std::string::npos);
}

TEST_F(MainForm, ExtractThenInsertFromTheWindowRebuildsTheTextures) {
  const std::string saved = GetCurrentDir();
  const auto textures = MakeTextures(2);
  Add(1, textures);
  script->directories.push_back(dir.File("out"));
  form->BProcessClick();
  Add(4, {dir.File("out/result.log")});
  EXPECT_EQ(form->JobKind, TJobKind::ReplayLog);
  script->directories.push_back(dir.File("new"));
  form->BProcessClick();
  ASSERT_TRUE(script->errors.empty()) << script->errors[0];
  EXPECT_EQ(script->informations.back(), "Process status:|Operation complete!");
  for (int i = 0; i < 2; ++i) {
    std::ifstream a(textures[static_cast<std::size_t>(i)], std::ios::binary), b(dir.File("new/tex" + std::to_string(i) + ".dds"), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(a), {}), std::string(std::istreambuf_iterator<char>(b), {}));
  }
  EXPECT_FALSE(std::filesystem::exists(dir.File("new/result.log")));  // replays write no log
  SetCurrentDir(saved);
}

TEST(DirectoryChooser, AsksBeforeCreatingAndNoReturnsToTheChooser) {
  int asked = 0;
  EXPECT_TRUE(ConfirmDirectoryChoice("/exists", true, [&] { return ++asked, false; }));
  EXPECT_EQ(asked, 0);
  EXPECT_FALSE(ConfirmDirectoryChoice("/new", false, [&] { return ++asked, false; }));
  EXPECT_TRUE(ConfirmDirectoryChoice("/new", false, [&] { return ++asked, true; }));
  EXPECT_EQ(asked, 2);
}

TEST(DirectoryChooser, OpensAtTheRememberedFolderWithItsNameReadyToType) {
  testing::TempDir dir;
  std::filesystem::create_directories(dir.File("a/b/c"));
  const QString remembered = QDir(QString::fromStdString(dir.File("a/b/c"))).absolutePath();
  QSettings().setValue(QStringLiteral("lastTargetDirectory"), remembered);
  QWidget owner;
  TQtDialogs dialogs(&owner);
  QString focusedName, shownFolder;
  bool parentOpen = false;
  QTimer::singleShot(0, [&] {
    QWidget* chooser = QApplication::activeModalWidget();
    ASSERT_NE(chooser, nullptr);
    auto* tree = chooser->findChild<QTreeView*>();
    auto* model = qobject_cast<QFileSystemModel*>(tree->model());
    (void)QTest::qWaitFor([&] { return model->filePath(tree->currentIndex()) == remembered; }, 5000);
    shownFolder = model->filePath(tree->currentIndex());
    parentOpen = tree->isExpanded(tree->currentIndex().parent());
    if (auto* name = qobject_cast<QLineEdit*>(chooser->focusWidget())) focusedName = name->text();
    chooser->close();
  });
  std::string directory;
  EXPECT_FALSE(dialogs.SelectDirectory(directory));
  EXPECT_EQ(shownFolder, remembered);
  EXPECT_TRUE(parentOpen);
  EXPECT_EQ(focusedName, QDir::toNativeSeparators(remembered));
  QSettings().remove(QStringLiteral("lastTargetDirectory"));
}

// The completion box is as wide as its title and the program's name beside it: its title bar cuts neither.
TEST(InformationBox, AsWideAsItsTitleWithTheProgramsName) {
  QWidget owner;
  TQtDialogs dialogs(&owner);
  int width = 0, needs = 0;
  QTimer::singleShot(0, [&] {
    QWidget* box = QApplication::activeModalWidget();
    if (box == nullptr) return;
    width = box->width();
    needs = box->fontMetrics().horizontalAdvance(QStringLiteral("Process status: \u2014 ") +
                                                 QGuiApplication::applicationDisplayName());
    box->close();
  });
  dialogs.Information("Operation complete!", "Process status:");
  EXPECT_GT(needs, 0);
  EXPECT_GE(width, needs + 60);  // room for the bar's buttons too
}

TEST(ErrorBox, FullStopOnlyAfterCharactersAboveIt) {
  EXPECT_EQ(WithFullStop("Cannot open file a.dds"), "Cannot open file a.dds.");
  EXPECT_EQ(WithFullStop("Done."), "Done.");
  EXPECT_EQ(WithFullStop("Stop!"), "Stop!");
  EXPECT_EQ(WithFullStop("(see above)"), "(see above)");
  EXPECT_EQ(WithFullStop(""), "");
}

}  // namespace
}  // namespace eit

int main(int argc, char** argv) {
  // Offscreen unless told otherwise (README's picture of the Windows window is taken on "windows").
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  eit::LoadShippedFonts();
  eit::UseProgramFont();  // as the program does before its first window
  QStandardPaths::setTestModeEnabled(true);  // settings go to a test location, not the user's
  // Files in that location on every system (the native format on Windows is the user's registry).
  QCoreApplication::setOrganizationName(QStringLiteral("eitool-tests"));
  QCoreApplication::setApplicationName(QStringLiteral("eitool_gui_tests"));
  QSettings::setDefaultFormat(QSettings::IniFormat);
  ::testing::InitGoogleTest(&argc, argv);
  const int status = RUN_ALL_TESTS();
  eit::TViewWorker::JoinLeftThreads();
  return status;
}
