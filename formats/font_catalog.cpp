// The outline fonts of the system's font folders, read with FreeType, for the window's font chooser.
#include <algorithm>
#include <filesystem>

#include "formats/codepages.h"
#include "formats/font_tools.h"
#include "platform/native.h"
#include "platform/streams.h"
#include <memory>

#ifdef EIT_HAVE_FREETYPE
#include <ft2build.h>
#include FT_FREETYPE_H
#endif

namespace eit {

#ifdef EIT_HAVE_FREETYPE

namespace {

bool IsFontFile(const std::filesystem::path& path) {
  std::string ext = Utf8(path.extension());
  for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext == ".ttf" || ext == ".otf" || ext == ".ttc" || ext == ".otc";
}

// The known code pages whose letters the face has, every one (from 0x80: the part sheets draw).
std::vector<int> CoveredCodePages(FT_Face face) {
  std::vector<int> pages;
  for (const int page : KnownCodePages()) {
    bool all = true;
    for (int code = 0x80; code < 0x100 && all; ++code) {
      const char32_t ch = CharacterOf(page, static_cast<std::uint8_t>(code));
      all = !IsLetter(ch) || FT_Get_Char_Index(face, ch) != 0;
    }
    if (all) pages.push_back(page);
  }
  return pages;
}

// FreeType reads the file through the program's own streams: their paths are UTF-8 on every system
// (a Cyrillic user folder on Windows included), where FreeType's own would take the ANSI code page.
unsigned long ReadFontStream(FT_Stream stream, unsigned long offset, unsigned char* buffer, unsigned long count) {
  auto* file = static_cast<TFileStream*>(stream->descriptor.pointer);
  try {
    file->Seek(static_cast<std::int64_t>(offset), soFromBeginning);
    if (count == 0) return 0;  // a seek: 0 is success
    return static_cast<unsigned long>(file->Read(buffer, static_cast<std::int32_t>(std::min<unsigned long>(count, 1u << 30))));
  } catch (const std::exception&) {
    return count == 0 ? 1 : 0;
  }
}
void CloseFontStream(FT_Stream) {}

}  // namespace

namespace {

void AddFaces(FT_Library library, const std::string& file, std::vector<TFontChoice>& fonts) {
  std::unique_ptr<TFileStream> stream;
  try {
    stream = std::make_unique<TFileStream>(file, FileMode::OpenRead);
  } catch (const std::exception&) {
    return;
  }
  FT_StreamRec record{};
  record.size = static_cast<unsigned long>(stream->Size());
  record.descriptor.pointer = stream.get();
  record.read = ReadFontStream;
  record.close = CloseFontStream;
  FT_Open_Args args{};
  args.flags = FT_OPEN_STREAM;
  args.stream = &record;
  for (FT_Long index = 0, faces = 1; index < faces && index < 64; ++index) {
    FT_Face face = nullptr;
    if (FT_Open_Face(library, &args, index, &face) != 0) break;
    faces = face->num_faces;
    FT_Select_Charmap(face, FT_ENCODING_UNICODE);
    if (FT_IS_SCALABLE(face))
      fonts.push_back({file, static_cast<int>(index), face->family_name ? face->family_name : "",
                       face->style_name ? face->style_name : "", CoveredCodePages(face)});
    FT_Done_Face(face);
  }
}

}  // namespace

std::vector<TFontChoice> OutlineFacesOf(const std::string& file) {
  std::vector<TFontChoice> fonts;
  FT_Library library = nullptr;
  if (FT_Init_FreeType(&library) != 0) return fonts;
  AddFaces(library, file, fonts);
  FT_Done_FreeType(library);
  return fonts;
}

std::vector<TFontChoice> ListOutlineFonts(const std::vector<std::string>& folders) {
  std::vector<TFontChoice> fonts;
  FT_Library library = nullptr;
  if (FT_Init_FreeType(&library) != 0) return fonts;
  for (const std::string& folder : folders) {
    std::error_code ec;
    for (auto it = std::filesystem::recursive_directory_iterator(FsPath(folder), ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
      if (it->is_regular_file(ec) && IsFontFile(it->path())) AddFaces(library, Utf8(it->path()), fonts);
  }
  FT_Done_FreeType(library);
  std::sort(fonts.begin(), fonts.end(), [](const TFontChoice& a, const TFontChoice& b) {
    return std::tie(a.Family, a.Style, a.File, a.Face) < std::tie(b.Family, b.Style, b.File, b.Face);
  });
  return fonts;
}

#else

std::vector<TFontChoice> ListOutlineFonts(const std::vector<std::string>&) { return {}; }
std::vector<TFontChoice> OutlineFacesOf(const std::string&) { return {}; }

#endif

}  // namespace eit
