#include "platform/system_words.h"

#include <cerrno>
#include <system_error>

namespace eit {

std::string SystemReason(int error) { return std::generic_category().message(error); }

TText SystemReasonText(int error) {
  const char* form = nullptr;
  switch (error) {
    case ENOENT: form = EIT_SAYS("No such file or directory"); break;
    case EACCES: form = EIT_SAYS("Permission denied"); break;
    case ENOSPC: form = EIT_SAYS("No space left on device"); break;
    case EEXIST: form = EIT_SAYS("File exists"); break;
    case EISDIR: form = EIT_SAYS("Is a directory"); break;
    case EROFS: form = EIT_SAYS("Read-only file system"); break;
    default: break;
  }
  TText text(SystemReason(error));  // in English as the system says it, whatever the form's words
  text.Form = form;
  return text;
}

TText ReasonText(const std::error_code& error) {
  const std::error_condition condition = error.default_error_condition();
  TText text = condition.category() == std::generic_category() ? SystemReasonText(condition.value()) : TText();
  text.English = error.message();
  return text;
}

TText CannotText(TFileAct act, const std::string& path, int error) {
  return error != 0 ? CannotText(act, path, SystemReasonText(error)) : CannotText(act, path, TText());
}

TText CannotText(TFileAct act, const std::string& path, const TText& reason) {
  const bool why = !reason.English.empty();
  const char* form = nullptr;
  switch (act) {
    case TFileAct::Open: form = why ? EIT_SAYS("Cannot open file %1: %2") : EIT_SAYS("Cannot open file %1"); break;
    case TFileAct::Create: form = why ? EIT_SAYS("Cannot create file %1: %2") : EIT_SAYS("Cannot create file %1"); break;
    case TFileAct::Read: form = why ? EIT_SAYS("Cannot read file %1: %2") : EIT_SAYS("Cannot read file %1"); break;
    case TFileAct::Write: form = why ? EIT_SAYS("Cannot write file %1: %2") : EIT_SAYS("Cannot write file %1"); break;
    case TFileAct::Lock: form = why ? EIT_SAYS("Cannot lock file %1: %2") : EIT_SAYS("Cannot lock file %1"); break;
  }
  return why ? Says(form, {path, reason}) : Says(form, {path});
}

}  // namespace eit
