#include "window/entry_kinds.h"

#include <QCoreApplication>

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

QString KindName(TJobKind kind) {
  switch (kind) {
    case TJobKind::Texture: return QCoreApplication::translate("eit::TMainForm", "a texture (.dds)");
    case TJobKind::FontSheet: return QCoreApplication::translate("eit::TMainForm", "a font table (.tdt)");
    case TJobKind::ProjectList: return QCoreApplication::translate("eit::TMainForm", "a project list (.lst)");
    case TJobKind::ReplayLog: return QCoreApplication::translate("eit::TMainForm", "a result log (.log)");
    default: return QCoreApplication::translate("eit::TMainForm", "a file of another kind");
  }
}

}  // namespace

void CheckChosenKind(TJobKind kind, const std::vector<std::string>& files) {
  for (const std::string& file : files) {
    const TJobKind named = KindOfExtension(file);
    if (named == TJobKind::None || named == kind || (IsExportKind(named) && IsExportKind(kind))) continue;
    throw Exception(QCoreApplication::translate("eit::TMainForm",
                                                "%1 is %2, not %3: choose its kind in the dialog's filter, or drop it "
                                                "on the list")
                        .arg(QString::fromStdString(file), KindName(named), KindName(kind))
                        .toStdString(),
                    file);
  }
}

}  // namespace eit
