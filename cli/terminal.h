// The terminal side of eitool-cli: text made safe to print, and the front end that shows a run.
#pragma once

#include <cstdio>
#include <string>

#include "engine/main.h"
#include "platform/console.h"
#include "platform/paths.h"

namespace eit {

// A failure in eitool-cli's words: one that --strict made of a warning says so.
inline std::string Worded(const TFailure& failure) {
  return failure.Kind == TFailureKind::Strict ? failure.Text + " (--strict)" : failure.Text;
}

// Control characters and bytes that are not UTF-8 text, escaped as \xNN.
std::string Printable(const std::string& text);

// The terminal front end: results on standard output, progress on standard error.
class TConsole : public TFrontEnd {
 public:
  TConsole() : bar_(StderrTakesEscapes()) {}
  ~TConsole() override { ClearBar(); }

  void ShowProcessing(const std::string&) override {}
  void SetProgress(int) override {}
  void SetTotal(int) override {}
  void SetExtracted(std::int64_t) override {}
  void ShowWaiting(const std::string& folder) override {
    ClearBar();
    std::fprintf(stderr, "Waiting for another run into %s to finish...\n", Printable(folder).c_str());
  }
  void AddResult(const TResultLine& line) override {
    ClearBar();
    if (IsWarningLine(line)) {
      std::fprintf(stderr, "%s\n", Printable(EnglishLine(line)).c_str());  // "<file>: warning: ..."
      return;
    }
    std::printf("%s\n", Printable(EnglishLine(line)).c_str());
    std::fflush(stdout);
    results_ = true;
  }
  bool HasResults() override { return results_; }
  void JobStarting() override {}
  void JobEnded() override {}
  void ProcessMessages() override {}
  void EntryStarting(std::size_t index, std::size_t count, const std::string& entry) override {
    if (!bar_) {
      std::fprintf(stderr, "[%zu/%zu] %s\n", index + 1, count, Printable(entry).c_str());
      return;
    }
    const int width = 30, done = static_cast<int>(index * width / count);
    std::fprintf(stderr, "\r[%s%s] %zu/%zu %s\033[K", std::string(static_cast<std::size_t>(done), '#').c_str(),
                 std::string(static_cast<std::size_t>(width - done), ' ').c_str(), index + 1, count,
                 Printable(ExtractFileName(entry)).c_str());
    std::fflush(stderr);
    barShown_ = true;
  }
  void EntryFailed(const std::string&, const TFailure& failure) override {
    ClearBar();
    std::fprintf(stderr, "eitool-cli: %s\n", Printable(Worded(failure)).c_str());
  }

 private:
  void ClearBar() {
    if (barShown_) std::fprintf(stderr, "\r\033[K");
    barShown_ = false;
  }
  bool bar_;
  bool barShown_ = false;
  bool results_ = false;
};

}  // namespace eit
