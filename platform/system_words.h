// What the program says when the file system refuses it: "Cannot open file F: No such file or directory".
#pragma once

#include <string>
#include <system_error>

#include "platform/texts.h"

namespace eit {

// The system's text for an error number, such as "No space left on device".
std::string SystemReason(int error);
// The same as a text a front end can word: the common reasons are forms of their own.
TText SystemReasonText(int error);

// An error code's message (std::filesystem's), its common reasons as forms.
TText ReasonText(const std::error_code& error);

enum class TFileAct : unsigned char { Open, Create, Read, Write, Lock };
// "Cannot <act> file <path>", with ": <reason>" when error is not 0.
TText CannotText(TFileAct act, const std::string& path, int error);
TText CannotText(TFileAct act, const std::string& path, const TText& reason);

}  // namespace eit
