// A failure in the window's language.
#pragma once

#include <QString>
#include <exception>

namespace eit {

class TFailureWords {
 public:
  // "Cannot open file F: No such file or directory", in the window's language where it is one of those.
  static QString Text(const std::exception& error);
  static std::string Said(const std::exception& error) { return Text(error).toStdString(); }
};

}  // namespace eit
