#include "window/entry_kinds.h"

#include "platform/errors.h"
#include "platform/paths.h"

namespace eit {

TJobKind KindOfExtension(const std::string& path) {
  const std::string ext = ExtractFileExtLower(path);
  return ext == ".dds"   ? TJobKind::Texture
         : ext == ".tdt" ? TJobKind::FontSheet
         : ext == ".lst" ? TJobKind::ProjectList
         : ext == ".log" ? TJobKind::ReplayLog
                         : TJobKind::None;
}

bool IsExtractPath(const std::string& path) { return IsExportKind(KindOfExtension(path)) || DirectoryExists(path); }

namespace {

const char* KindName(TJobKind kind) {
  switch (kind) {
    case TJobKind::Texture: return "a texture (.dds)";
    case TJobKind::FontSheet: return "a font table (.tdt)";
    case TJobKind::ProjectList: return "a project list (.lst)";
    case TJobKind::ReplayLog: return "a result log (.log)";
    default: return "a file of another kind";
  }
}

}  // namespace

void CheckChosenKind(TJobKind kind, const std::vector<std::string>& files) {
  for (const std::string& file : files) {
    const TJobKind named = KindOfExtension(file);
    if (named == TJobKind::None || named == kind || (IsExportKind(named) && IsExportKind(kind))) continue;
    throw Exception(file + " is " + KindName(named) + ", not " + KindName(kind) +
                        ": choose its kind in the dialog's filter, or drop it on the list",
                    file);
  }
}

}  // namespace eit
