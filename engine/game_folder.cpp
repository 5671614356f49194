#include "engine/game_folder.h"
#include "engine/main.h"

#include <algorithm>
#include <filesystem>
#include <set>

#include "platform/native.h"
#include "platform/paths.h"

namespace eit {

namespace fs = std::filesystem;

TFolderWalk WalkGameFolder(const std::string& root, const std::function<void(std::size_t)>& progress) {
  TFolderWalk walk;
  struct TFound {
    std::string sortKey, path, folder;
    TJobKind kind;
  };
  std::vector<TFound> found;
  std::vector<fs::path> folders = {FsPath(root)};
  const fs::path base = FsPath(root);
  std::size_t seen = 0;
  while (!folders.empty()) {
    const fs::path folder = folders.back();
    folders.pop_back();
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    std::vector<fs::path> tables, textures;
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
      const fs::file_status status = it->symlink_status(ec);
      if (ec) break;
      if (progress && ++seen % 2000 == 0) progress(seen);
      if (fs::is_symlink(status)) {
        ++walk.Links;
      } else if (fs::is_directory(status)) {
        folders.push_back(it->path());
      } else if (!fs::is_regular_file(status)) {
        ++walk.OtherFiles;
      } else {
        const std::string ext = ExtractFileExtLower(Utf8(it->path().filename()));
        if (ext == ".tdt")
          tables.push_back(it->path());
        else if (ext == ".dds")
          textures.push_back(it->path());
        else
          ++walk.OtherFiles;
      }
    }
    if (ec) {
      walk.Unreadable.push_back("Cannot read folder " + Utf8(folder) + ": " + ec.message());
      continue;
    }
    std::set<std::string> fontTextures;  // a table's texture is extracted with it
    for (const fs::path& t : tables) fontTextures.insert(FoldCase(Utf8(t.stem())));
    const std::string relative = Utf8(folder.lexically_relative(base).make_preferred());
    const std::string sub = relative == "." ? "" : relative;
    auto add = [&](const fs::path& p, TJobKind kind) {
      found.push_back({Utf8(p.lexically_relative(base).generic_u8string()), Utf8(p), sub, kind});
    };
    for (const fs::path& t : tables) add(t, TJobKind::FontSheet);
    for (const fs::path& t : textures)
      if (fontTextures.count(FoldCase(Utf8(t.stem()))) == 0) add(t, TJobKind::Texture);
  }
  // Runs repeat: the same tree gives the same list, whatever order the system lists a folder in.
  std::sort(found.begin(), found.end(), [](const TFound& a, const TFound& b) { return a.sortKey < b.sortKey; });
  for (TFound& f : found) walk.Entries.push_back({f.kind, std::move(f.path), {}, 0, std::move(f.folder)});
  std::sort(walk.Unreadable.begin(), walk.Unreadable.end());
  return walk;
}

void CheckSomethingToExtract(const std::string& folder, const TFolderWalk& walk) {
  if (!walk.Entries.empty() || !walk.Unreadable.empty()) return;
  throw Exception(walk.OtherFiles > 0 ? Says(EIT_SAYS("%1 holds no textures (.dds) or font tables (.tdt) (%2 other files)"),
                                             {folder, std::to_string(walk.OtherFiles)})
                                      : Says(EIT_SAYS("%1 holds no textures (.dds) or font tables (.tdt)"), {folder}),
                  folder);
}

std::string FontTexturePath(const std::string& tablePath) { return ExistingSpelling(ChangeFileExt(tablePath, ".dds")); }

std::vector<std::string> SourcesOf(TJobKind kind, const std::string& path) {
  if (kind == TJobKind::FontSheet) return {path, FontTexturePath(path)};
  return {path};
}

}  // namespace eit
