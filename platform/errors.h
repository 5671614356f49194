// The program's exception classes. Every failure travels as one of these, carrying the text the user sees.
#pragma once

#include <stdexcept>
#include <cstddef>
#include <string>
#include <utility>

#include "platform/texts.h"

namespace eit {

// What kind of failure it is, decided where it happens: front ends and the engine act on the kind,
// never on a message's words.
enum class TFailureKind {
  Refused, CannotOpen, CannotCreate, CannotRead, CannotWrite, CutShort, OutOfMemory,
  Strict,  // a warning that fails its record because the run asked for that
};

// A failure as data: the file it concerns and the line in it (0: none), its kind, and the text the user
// sees, which names the file when there is one.
struct TFailure {
  std::string File;
  std::size_t Line = 0;
  TFailureKind Kind = TFailureKind::Refused;
  std::string Text;
  // Text as a form and its parts, for a front end to word; it stands only while its English is Text,
  // so a wrap that rewrites Text without it leaves Text the word.
  TText Words = {};
};

// The failure's words as a text a front end can word: Words while they still say Text.
inline TText WordsOf(const TFailure& failure) {
  return failure.Words.English == failure.Text ? failure.Words : TText(failure.Text);
}

// Base class of every failure the program raises itself.
class Exception : public std::runtime_error {
 public:
  // file: the file the message names (empty: it names none); line: the line of it the message names.
  explicit Exception(const TText& message, std::string file = {}, std::size_t line = 0)
      : std::runtime_error(message.English), file_(std::move(file)), line_(line), words_(message) {}
  // A failure raised again as it was decided.
  explicit Exception(const TFailure& failure)
      : std::runtime_error(failure.Text), file_(failure.File), line_(failure.Line), kind_(failure.Kind),
        words_(failure.Words) {}
  std::string Message() const { return what(); }
  const std::string& File() const { return file_; }
  virtual TFailureKind Kind() const { return kind_; }
  TFailure Failure() const { return {file_, line_, Kind(), what(), words_}; }

 private:
  std::string file_;
  std::size_t line_;
  TFailureKind kind_ = TFailureKind::Refused;
  TText words_;
};

class EStreamError : public Exception {
  using Exception::Exception;
};
class EReadError : public EStreamError {
 public:
  using EStreamError::EStreamError;
  TFailureKind Kind() const override { return TFailureKind::CannotRead; }
};
// A read that found fewer bytes than the data it reads claims: the file is cut short or damaged.
class EShortRead : public EReadError {
 public:
  using EReadError::EReadError;
  TFailureKind Kind() const override { return TFailureKind::CutShort; }
};
class EWriteError : public EStreamError {
 public:
  using EStreamError::EStreamError;
  TFailureKind Kind() const override { return TFailureKind::CannotWrite; }
};
class EFOpenError : public EStreamError {
 public:
  using EStreamError::EStreamError;
  TFailureKind Kind() const override { return TFailureKind::CannotOpen; }
};
class EFCreateError : public EStreamError {
 public:
  explicit EFCreateError(const TText& message, std::string file = {}, int systemError = 0)
      : EStreamError(message, std::move(file)), systemError_(systemError) {}
  // The errno of the failed creation, 0 when unknown.
  int SystemError() const { return systemError_; }
  TFailureKind Kind() const override { return TFailureKind::CannotCreate; }

 private:
  int systemError_;
};
// Exclusive creation found the name taken.
class EFExistsError : public EFCreateError {
  using EFCreateError::EFCreateError;
};

inline constexpr const char* SReadError = EIT_SAYS("Stream read error");
inline constexpr const char* SWriteError = EIT_SAYS("Stream write error");

}  // namespace eit
