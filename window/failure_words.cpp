#include "window/failure_words.h"

#include <cerrno>
#include <system_error>

#include "engine/main.h"

namespace eit {

namespace {

// The system's reason, translated where the language has its words for it; as the system says it otherwise
// (so English reads exactly as eitool-cli's).
QString Reason(int error) {
  const char* known = nullptr;
  switch (error) {
    case ENOENT: known = QT_TRANSLATE_NOOP("eit::TFailureWords", "No such file or directory"); break;
    case EACCES: known = QT_TRANSLATE_NOOP("eit::TFailureWords", "Permission denied"); break;
    case ENOSPC: known = QT_TRANSLATE_NOOP("eit::TFailureWords", "No space left on device"); break;
    case EEXIST: known = QT_TRANSLATE_NOOP("eit::TFailureWords", "File exists"); break;
    case EISDIR: known = QT_TRANSLATE_NOOP("eit::TFailureWords", "Is a directory"); break;
    case EROFS: known = QT_TRANSLATE_NOOP("eit::TFailureWords", "Read-only file system"); break;
    default: break;
  }
  const QString system = QString::fromStdString(std::generic_category().message(error));
  if (known == nullptr) return system;
  const QString translated = QCoreApplication::translate("eit::TFailureWords", known);
  return translated == QLatin1String(known) ? system : translated;
}

}  // namespace

QString TFailureWords::Text(const std::exception& error) {
  const TFailure failure = FailureOf(error);
  const QString file = QString::fromStdString(failure.File);
  QString said;
  switch (failure.Said) {
    case TSaid::Own: return QString::fromStdString(failure.Text);
    case TSaid::CannotOpen: said = tr("Cannot open file %1").arg(file); break;
    case TSaid::CannotCreate: said = tr("Cannot create file %1").arg(file); break;
    case TSaid::CannotRead: said = tr("Cannot read file %1").arg(file); break;
    case TSaid::CannotWrite: said = tr("Cannot write file %1").arg(file); break;
  }
  if (failure.SystemError != 0) said += QStringLiteral(": ") + Reason(failure.SystemError);
  return said;
}

}  // namespace eit
