// The window in each of its languages: every caption and label translated, each fitting its control in the
// fixed layout and in the dialogs, the choice kept across starts; English where the system's language is none.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSettings>
#include <QTableWidget>
#include <map>
#include <set>

#include "support/cli_run.h"
#include "support/test_data.h"
#include "window/about_dialog.h"
#include "window/dialogs.h"
#include "window/draw_letters_dialog.h"
#include "window/glyph_table_dialog.h"
#include "window/image_viewer_dialog.h"
#include "window/languages.h"
#include "window/main_form.h"
#include "window/preview_dialog.h"

namespace eit {
namespace {

struct TNoDialogs : TDialogs {
  std::optional<std::vector<std::string>> SelectLog(int&) override { return std::nullopt; }
  std::optional<std::string> SaveLST() override { return std::nullopt; }
  std::optional<std::string> SaveRes() override { return std::nullopt; }
  bool SelectDirectory(std::string&) override { return false; }
  void Information(const std::string&, const std::string&) override {}
  void Error(const std::string&) override {}
  TReplaceAnswer AskReplaceImages(const std::string&, bool) override { return TReplaceAnswer::Cancel; }
  bool Confirm(const std::string&, bool) override { return false; }
};

// A text shown, and whether it fits where it is shown.
struct TShown {
  std::string Where;
  QString Text;
  bool Fits = true;
  int Width = 0, Needs = 0;
};

// What the widget shows as a caption (buttons, labels, group boxes), whole on one line or wrapped.
std::optional<TShown> ShownBy(QWidget* w) {
  const std::string where = w->metaObject()->className() + std::string(" ") + w->objectName().toStdString();
  // A button's text inside its frame, three pixels clear of each side (as a layout gives it room).
  if (auto* button = qobject_cast<QAbstractButton*>(w); button && !button->text().isEmpty()) {
    const int needs = button->fontMetrics().horizontalAdvance(button->text()) + 6;
    return TShown{where, button->text(), needs <= button->width(), button->width(), needs};
  }
  if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty())
    return TShown{where, label->text(), label->wordWrap() || label->sizeHint().width() <= label->width()};
  if (auto* group = qobject_cast<QGroupBox*>(w); group && !group->title().isEmpty())
    return TShown{where, group->title(), group->fontMetrics().horizontalAdvance(group->title()) + 12 <= group->width()};
  return std::nullopt;
}

// Every caption of the window and of each dialog it opens, laid out as shown, in the language installed.
std::vector<TShown> Captions(const std::string& samples) {
  TNoDialogs dialogs;
  TMainForm form(std::make_unique<TNoDialogs>());
  TPreviewDialog preview({samples + "/latin.tdt"});
  TDrawLettersDialog draw({samples + "/latin.tdt"}, {}, dialogs);
  TGlyphTableDialog glyphs(samples + "/latin.tdt", dialogs);
  TImageViewerDialog viewer(TPackEngine::Fastest);
  TAboutDialog about(TPackEngine::Fastest, dialogs);
  std::vector<TShown> shown;
  for (QWidget* top : std::initializer_list<QWidget*>{&form, &preview, &draw, &glyphs, &viewer, &about}) {
    top->show();
    if (top->layout() != nullptr) top->layout()->activate();  // as the first paint lays it out
    for (QWidget* w : top->findChildren<QWidget*>()) {
      if (!w->isVisible()) continue;
      if (auto s = ShownBy(w)) shown.push_back(*s);
      if (!w->toolTip().isEmpty()) shown.push_back({"tip of " + w->objectName().toStdString(), w->toolTip()});
      if (auto* edit = qobject_cast<QLineEdit*>(w); edit && !edit->placeholderText().isEmpty())
        shown.push_back({"hint of " + w->objectName().toStdString(), edit->placeholderText()});
    }
    shown.push_back({"window title", top->windowTitle()});
    top->hide();
  }
  for (int column = 0; column < glyphs.Records->columnCount(); ++column)
    shown.push_back({"glyph table column", glyphs.Records->horizontalHeaderItem(column)->text()});
  for (QAction* action : form.findChild<QListWidget*>(QStringLiteral("LogList"))->actions())
    shown.push_back({"menu " + action->objectName().toStdString(), action->text()});
  return shown;
}

class Languages : public ::testing::Test {
 protected:
  Languages() { EXPECT_EQ(testing::Cli("samples " + testing::Quoted(samples), dir).status, 0); }
  ~Languages() override { InstallLanguage(QStringLiteral("en")); }
  testing::TempDir dir;
  std::string samples = dir.File("S");
};

// Words some languages write as English does, and names.
bool SameInEveryLanguage(const QString& text) {
  static const std::set<QString> same = {QStringLiteral("Extract\\Insert Tool"), QStringLiteral("Zoom:"), QStringLiteral("Alpha:"), QStringLiteral("Code"),
                                         QStringLiteral("Extra"), QStringLiteral("Text:"), QStringLiteral("View")};
  return same.count(text) != 0 || text.startsWith(QStringLiteral("Extract\\Insert Tool "));
}

TEST_F(Languages, EveryCaptionOfTheWindowAndItsDialogsTranslatedAndFitting) {
  const std::vector<TShown> english = Captions(samples);
  for (const TLanguage& language : eit::Languages()) {
    if (language.Code == QStringLiteral("en")) continue;
    SCOPED_TRACE(language.Code.toStdString());
    ASSERT_TRUE(InstallLanguage(language.Code));
    const std::vector<TShown> shown = Captions(samples);
    ASSERT_EQ(shown.size(), english.size());
    for (std::size_t k = 0; k < shown.size(); ++k) {
      EXPECT_TRUE(shown[k].Fits) << shown[k].Where << " " << shown[k].Width << " < " << shown[k].Needs << ": \"" << shown[k].Text.toStdString() << "\" is cut";
      EXPECT_TRUE(english[k].Fits) << english[k].Where << ": \"" << english[k].Text.toStdString() << "\" is cut";
      // Numbers, names and paths stay; a caption in words does not.
      const bool words = english[k].Text.contains(QRegularExpression(QStringLiteral("[A-Za-z]{3}")));
      if (words && !SameInEveryLanguage(english[k].Text) && !english[k].Text.contains(QStringLiteral("/"))) {
        EXPECT_NE(shown[k].Text, english[k].Text) << shown[k].Where << " is English";
      }
    }
  }
}

TEST(LanguageChoice, FollowsTheSystemUnlessChosenAndIsKeptAcrossStarts) {
  const struct {
    QStringList system;
    const char* language;
  } rows[] = {
      {{QStringLiteral("ru-RU")}, "ru"},           {{QStringLiteral("pl")}, "pl"},
      {{QStringLiteral("pt-PT")}, "pt_BR"},        {{QStringLiteral("pt-BR")}, "pt_BR"},
      {{QStringLiteral("de-AT")}, "de"},           {{QStringLiteral("ja-JP"), QStringLiteral("uk-UA")}, "uk"},
      {{QStringLiteral("en-US"), QStringLiteral("ru")}, "en"}, {{QStringLiteral("sr-RS")}, "en"}, {{}, "en"},
  };
  for (const auto& row : rows)
    EXPECT_EQ(LanguageFor(row.system).toStdString(), row.language) << row.system.join(QLatin1Char(',')).toStdString();
  ChooseLanguage(QStringLiteral("cs"));
  QSettings().sync();
  EXPECT_EQ(ChosenLanguage(), QStringLiteral("cs"));  // read back as the next start reads it
  EXPECT_EQ(CurrentLanguage(), QStringLiteral("cs"));
  ChooseLanguage(QStringLiteral("xx"));  // a settings file from elsewhere: the system's then
  EXPECT_EQ(ChosenLanguage(), QString());
  QSettings().remove(QStringLiteral("language"));
  EXPECT_FALSE(InstallLanguage(QStringLiteral("xx")));
}

}  // namespace
}  // namespace eit
