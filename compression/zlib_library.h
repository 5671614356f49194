// The entry points of the loaded zlib, for this folder's own files.
#pragma once

#include <zlib.h>

namespace eit::detail {

struct TZlibEntries {
  int (*deflateInit_)(z_streamp, int, const char*, int);
  int (*deflate)(z_streamp, int);
  int (*deflateEnd)(z_streamp);
  int (*inflateInit_)(z_streamp, const char*, int);
  int (*inflate)(z_streamp, int);
  int (*inflateEnd)(z_streamp);
  int (*inflateReset)(z_streamp);
};

// Valid after a successful LoadZlibLibrary().
const TZlibEntries& Zlib();

}  // namespace eit::detail
