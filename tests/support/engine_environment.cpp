// The packing engine for a whole test run, chosen from the environment, so that CTest runs the
// container, export and import tests once with each: EIT_ZLIB_ONLY=1 asks for zlib, EIT_HIDE_LIBDEFLATE=1
// looks for libdeflate under a name that does not exist.
#include <gtest/gtest.h>

#include <cstdlib>

#include "compression/pack_engine.h"
#include "compression/pack_engine_testing.h"

namespace {

class EngineFromEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (std::getenv("EIT_ZLIB_ONLY") != nullptr) eit::SetZlibOnly(true);
    if (std::getenv("EIT_HIDE_LIBDEFLATE") != nullptr) eit::libdeflate_testing::ReloadFrom("libdeflate-hidden-by-test");
  }
};

[[maybe_unused]] ::testing::Environment* const registered =
    ::testing::AddGlobalTestEnvironment(new EngineFromEnvironment);

}  // namespace
