// Running a piece of a test with zlib as the packing engine.
#pragma once

#include "compression/pack_engine.h"

namespace eit::testing {

class ZlibOnlyScope {
 public:
  explicit ZlibOnlyScope(bool zlibOnly = true) : saved_(ZlibOnly()) { SetZlibOnly(zlibOnly); }
  ~ZlibOnlyScope() { SetZlibOnly(saved_); }
  ZlibOnlyScope(const ZlibOnlyScope&) = delete;
  ZlibOnlyScope& operator=(const ZlibOnlyScope&) = delete;

 private:
  bool saved_;
};

}  // namespace eit::testing
