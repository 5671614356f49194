// A game's folder given whole: every texture and font table under it, in a stable order, each with its
// place in the tree, so that extracts keep the tree and inserts mirror it.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "engine/main.h"
#include "platform/paths.h"

namespace eit {

struct TFolderWalk {
  std::vector<TJobEntry> Entries;  // sorted by path; each with its Folder relative to the root
  std::size_t OtherFiles = 0;      // files of other kinds, passed over
  std::size_t Links = 0;           // symbolic links, not followed
  std::vector<std::string> Unreadable;  // "Cannot read folder <path>: <reason>"
};

// Walks root: textures (.dds) and font tables (.tdt), a texture beside a table of its name being the
// font's (extracted with it as its glyph sheet, not again). Links are not followed, so the walk stays
// inside root and never loops. progress hears the count of files seen, now and then.
TFolderWalk WalkGameFolder(const std::string& root, const std::function<void(std::size_t)>& progress = {});

// Raises, naming folder, when its walk found nothing to extract (and no folder it could not read).
void CheckSomethingToExtract(const std::string& folder, const TFolderWalk& walk);

// root, or the folder below it in a game's tree (folder relative, empty for root itself).
inline std::string FolderUnder(const std::string& root, const std::string& folder) {
  return folder.empty() ? root : JoinPath(root, folder);
}

}  // namespace eit
