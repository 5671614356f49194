# Cross-building for 64-bit Windows with Debian's MinGW-w64 (posix threads):
#   cmake -S . -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(EIT_MINGW_TRIPLE x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${EIT_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${EIT_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${EIT_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${EIT_MINGW_TRIPLE})
# Qt for Windows (an install tree), for the window: -DEIT_QT_WINDOWS=<tree> -DQT_HOST_PATH=/usr.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES EIT_QT_WINDOWS)
if(EIT_QT_WINDOWS)
  list(APPEND CMAKE_FIND_ROOT_PATH ${EIT_QT_WINDOWS})
  list(APPEND CMAKE_PREFIX_PATH ${EIT_QT_WINDOWS})
endif()
# FreeType for Windows (an install tree with a static library), for glyph sheets: -DEIT_FREETYPE_WINDOWS=<tree>.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES EIT_FREETYPE_WINDOWS)
if(EIT_FREETYPE_WINDOWS)
  list(APPEND CMAKE_FIND_ROOT_PATH ${EIT_FREETYPE_WINDOWS})
  list(APPEND CMAKE_PREFIX_PATH ${EIT_FREETYPE_WINDOWS})
endif()
# libspng for Windows (an install tree with a static library), for PNG files: -DEIT_SPNG_WINDOWS=<tree>.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES EIT_SPNG_WINDOWS)
if(EIT_SPNG_WINDOWS)
  list(APPEND CMAKE_FIND_ROOT_PATH ${EIT_SPNG_WINDOWS})
  list(APPEND CMAKE_PREFIX_PATH ${EIT_SPNG_WINDOWS})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The programs carry their C++ and thread runtimes, so that only the zlib DLL goes beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
# Run the tests' programs (gtest discovery) under wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
