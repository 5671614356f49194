// Loading shared libraries at run time.
#pragma once

#include <memory>
#include <string>

namespace eit {

class TDynamicLibrary {
 public:
  // Loads the library by file name (on Windows only from the program's folder and the system folder;
  // elsewhere searched the platform's usual way) or by path. Returns an empty object
  // when it cannot be loaded; the platform shows no dialog for a missing file.
  static TDynamicLibrary Load(const std::string& name);

  TDynamicLibrary() = default;
  TDynamicLibrary(TDynamicLibrary&&) noexcept = default;
  TDynamicLibrary& operator=(TDynamicLibrary&&) noexcept = default;

  bool IsLoaded() const { return handle_ != nullptr; }
  // The address of an export, or null when the library lacks it.
  void* Symbol(const char* exportName) const;
  // Sets entry to the export's address as a function pointer; false when the library lacks it.
  template <typename F>
  bool Bind(const char* exportName, F& entry) const {
    entry = reinterpret_cast<F>(Symbol(exportName));
    return entry != nullptr;
  }
  void Release() { handle_.reset(); }
  // The file the system loaded (a bare name may have been found in several places); empty when unknown.
  std::string FilePath() const;

 private:
  struct Closer {
    void operator()(void* handle) const noexcept;
  };
  std::unique_ptr<void, Closer> handle_;
};

}  // namespace eit
