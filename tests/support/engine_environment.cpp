// Libdeflate hidden for a whole test run when the environment asks (EIT_HIDE_LIBDEFLATE=1): it is then
// looked for under a name that does not exist. EIT_ZLIB_ONLY=1 is read by testing::PackEngine().
#include <gtest/gtest.h>

#include <cstdlib>

#include "compression/pack_engine.h"
#include "compression/pack_engine_testing.h"

namespace {

class EngineFromEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    if (std::getenv("EIT_HIDE_LIBDEFLATE") != nullptr) eit::libdeflate_testing::ReloadFrom("libdeflate-hidden-by-test");
  }
};

[[maybe_unused]] ::testing::Environment* const registered =
    ::testing::AddGlobalTestEnvironment(new EngineFromEnvironment);

}  // namespace
