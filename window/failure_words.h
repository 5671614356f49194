// A failure in the window's language: the file system's few messages worded here, any other in its own text.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <exception>

namespace eit {

class TFailureWords {
  Q_DECLARE_TR_FUNCTIONS(eit::TFailureWords)

 public:
  // "Cannot open file F: No such file or directory", in the window's language where it is one of those.
  static QString Text(const std::exception& error);
  static std::string Said(const std::exception& error) { return Text(error).toStdString(); }
};

}  // namespace eit
