// Failures over a file's contents, worded by the window: in English exactly as eitool-cli says them, in
// every other language in its own words with the file's name kept; and every translation keeps the parts
// (file names, numbers) its English puts in.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <functional>
#include <set>

#include "codecs/pictures.h"
#include "engine/main.h"
#include "formats/formathandlers.h"
#include "formats/glyph_table_text.h"
#include "platform/streams.h"
#include "platform/text_files.h"
#include "window/failure_words.h"
#include "window/languages.h"

namespace eit {
namespace {

struct TCase {
  const char* what;
  const char* kept;  // a part the text names, kept as it is in every language
  std::function<void()> raise;
};

void Texture(const std::string& bytes, const std::string& path) {
  TMemoryStream source, image;
  source.WriteBuffer(bytes.data(), static_cast<std::int32_t>(bytes.size()));
  source.SetPosition(0);
  LoadTextureImage(source, image, path);
}

void Picture(const std::string& bytes, const std::string& name) {
  TBitmap bitmap;
  ReadPicture(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), name, bitmap);
}

std::vector<TCase> Cases() {
  return {
      {"not a texture", "/game/stone.dds", [] { Texture("JUNKJUNKJUNK", "/game/stone.dds"); }},
      {"a texture's header cut", "/game/cut.dds", [] { Texture("DDS!" + std::string(60, '\0'), "/game/cut.dds"); }},
      {"a short font table", "/game/font.tdt", [] {
         TMemoryStream table;
         table.WriteBuffer("abcd", 4);
         CheckFontTableSize(table, "/game/font.tdt");
       }},
      {"a BMP cut short", "/mod/stone.bmp", [] { Picture("BM" + std::string(40, '\x01'), "/mod/stone.bmp"); }},
      {"a JPEG given", "/mod/stone.tga", [] { Picture("\xFF\xD8\xFF\xE0" + std::string(40, '\0'), "/mod/stone.tga"); }},
      {"half a UTF-16 character", "/mod/result.log",
       [] { Utf8TextOf("\xFF\xFE\x41\x00\x00\xD8", 6, "/mod/result.log"); }},
      {"a glyph table's bad row", "/mod/font.csv", [] {
         TMemoryStream table;
         table.SetSize(kFontTableSize);
         ApplyGlyphTableText({"code,left,top,right,bottom,width,height,extra", "0x41,1,2,x,4,5,6,7"}, "/mod/font.csv",
                             64, 64, table);
       }},
      {"named by its entry, cut short", "/mod/list.lst", [] {
         try {
           throw EShortRead(Says(SReadError));
         } catch (const std::exception& e) {
           throw Exception(ErrorNamingFile(e, "/mod/list.lst"));
         }
       }},
  };
}

std::exception_ptr Raised(const TCase& c) {
  try {
    c.raise();
  } catch (...) {
    return std::current_exception();
  }
  return nullptr;
}

QString Worded(const std::exception_ptr& raised, std::string* english = nullptr) {
  try {
    std::rethrow_exception(raised);
  } catch (const std::exception& e) {
    if (english != nullptr) *english = e.what();
    return TFailureWords::Text(e);
  }
}

TEST(FailureWords, InEnglishAsEitoolCliSaysThemInEachLanguageInItsOwnWordsWithTheNamesKept) {
  for (const TCase& c : Cases()) {
    const std::exception_ptr raised = Raised(c);
    ASSERT_TRUE(raised) << c.what;
    ASSERT_TRUE(InstallLanguage(QStringLiteral("en")));
    std::string english;
    EXPECT_EQ(Worded(raised, &english).toStdString(), english) << c.what;
    EXPECT_NE(english.find(c.kept), std::string::npos) << c.what << ": " << english;
    for (const TLanguage& language : Languages()) {
      if (language.Code == QLatin1String("en")) continue;
      ASSERT_TRUE(InstallLanguage(language.Code));
      const QString text = Worded(raised);
      EXPECT_NE(text.toStdString(), english) << c.what << " in " << language.Code.toStdString();
      EXPECT_TRUE(text.contains(QString::fromUtf8(c.kept))) << c.what << ": " << text.toStdString();
    }
  }
  InstallLanguage(QStringLiteral("en"));
}

// The parts of a text (%1, %Ln): a translation that loses one drops a file name or a number.
std::set<QString> Parts(const QString& text) {
  std::set<QString> parts;
  static const QRegularExpression part(QStringLiteral("%(L?n|[1-9])"));
  for (auto it = part.globalMatch(text); it.hasNext();) parts.insert(it.next().captured(0));
  return parts;
}

TEST(FailureWords, EveryTranslationKeepsThePartsOfItsEnglish) {
  for (const TLanguage& language : Languages()) {
    if (language.Code == QLatin1String("en")) continue;
    QFile file(QStringLiteral(EIT_SOURCE_DIR "/window/translations/eitool_%1.ts").arg(language.Code));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    QXmlStreamReader ts(&file);
    QString source;
    int checked = 0;
    while (!ts.atEnd()) {
      if (ts.readNext() != QXmlStreamReader::StartElement) continue;
      if (ts.name() == QLatin1String("source")) source = ts.readElementText();
      if (ts.name() != QLatin1String("translation") || ts.attributes().hasAttribute(QStringLiteral("type"))) continue;
      // A plural's forms read as one text: each holds the count.
      const QString translated = ts.readElementText(QXmlStreamReader::IncludeChildElements);
      EXPECT_EQ(Parts(translated), Parts(source)) << language.Code.toStdString() << ": " << source.toStdString()
                                                  << " => " << translated.toStdString();
      ++checked;
    }
    EXPECT_FALSE(ts.hasError()) << ts.errorString().toStdString();
    EXPECT_GT(checked, 300) << language.Code.toStdString();
  }
}

}  // namespace
}  // namespace eit
