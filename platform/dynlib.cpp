#include "platform/dynlib.h"
#include "platform/native.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#include <link.h>
#endif

namespace eit {

TDynamicLibrary TDynamicLibrary::Load(const std::string& name) {
  TDynamicLibrary library;
#ifdef _WIN32
  UINT previous = SetErrorMode(SEM_NOOPENFILEERRORBOX);
  // A bare name is looked for only beside the program and in the system folder, never in the
  // current directory or on PATH, where another program's (or a planted) DLL may lie.
  const DWORD search = name.find_first_of("\\/") == std::string::npos
                           ? LOAD_LIBRARY_SEARCH_APPLICATION_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32
                           : LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32;
  library.handle_.reset(reinterpret_cast<void*>(LoadLibraryExW(Widen(name).c_str(), nullptr, search)));
  SetErrorMode(previous);
#else
  library.handle_.reset(dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL));
#endif
  return library;
}

void* TDynamicLibrary::Symbol(const char* exportName) const {
  if (!handle_) return nullptr;
#ifdef _WIN32
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_.get()), exportName));
#else
  return dlsym(handle_.get(), exportName);
#endif
}

std::string TDynamicLibrary::FilePath() const {
  if (!handle_) return "";
#ifdef _WIN32
  wchar_t path[32768];
  const DWORD n = GetModuleFileNameW(static_cast<HMODULE>(handle_.get()), path, 32768);
  return n == 0 || n >= 32768 ? std::string() : Narrow(std::wstring(path, n));
#else
  struct link_map* map = nullptr;
  if (dlinfo(handle_.get(), RTLD_DI_LINKMAP, &map) != 0 || map == nullptr || map->l_name == nullptr) return "";
  return map->l_name;
#endif
}

void TDynamicLibrary::Closer::operator()(void* handle) const noexcept {
#ifdef _WIN32
  FreeLibrary(static_cast<HMODULE>(handle));
#else
  dlclose(handle);
#endif
}

}  // namespace eit
