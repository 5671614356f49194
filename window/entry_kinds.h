// The kind of job a file of the list is, by its name.
#pragma once

#include <string>
#include <vector>

#include "engine/main.h"

namespace eit {

// ".dds" a texture, ".tdt" a font table, ".lst" a project list, ".log" a result log, any case; else None.
TJobKind KindOfExtension(const std::string& path);
// Textures, font tables and game folders mix in one list of extracts.
bool IsExtractPath(const std::string& path);
// Files chosen in the open dialog under a filter: one whose name says another kind (a ".log" typed while the
// filter shows textures) is refused now, named, rather than queued to fail at Process.
void CheckChosenKind(TJobKind kind, const std::vector<std::string>& files);

}  // namespace eit
