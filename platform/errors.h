// The program's exception classes. Every failure travels as one of these, carrying the text the user sees.
#pragma once

#include <stdexcept>
#include <string>

namespace eit {

// Base class of every failure the program raises itself.
class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
  std::string Message() const { return what(); }
};

class EStreamError : public Exception {
  using Exception::Exception;
};
class EReadError : public EStreamError {
  using EStreamError::EStreamError;
};
// A read that found fewer bytes than the data it reads claims: the file is cut short or damaged.
class EShortRead : public EReadError {
  using EReadError::EReadError;
};
class EWriteError : public EStreamError {
  using EStreamError::EStreamError;
};
class EFOpenError : public EStreamError {
  using EStreamError::EStreamError;
};
class EFCreateError : public EStreamError {
 public:
  explicit EFCreateError(const std::string& message, int systemError = 0)
      : EStreamError(message), systemError_(systemError) {}
  // The errno of the failed creation, 0 when unknown.
  int SystemError() const { return systemError_; }

 private:
  int systemError_;
};
// Exclusive creation found the name taken.
class EFExistsError : public EFCreateError {
  using EFCreateError::EFCreateError;
};

inline constexpr const char* SReadError = "Stream read error";
inline constexpr const char* SWriteError = "Stream write error";

}  // namespace eit
