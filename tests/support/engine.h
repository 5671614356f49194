// The packing engine the tests run with: zlib when the environment asks for it (EIT_ZLIB_ONLY=1, so
// that CTest runs the container, export and import tests once with each), libdeflate where present.
#pragma once

#include <cstdlib>

#include "compression/pack_engine.h"
#include "engine/main.h"

namespace eit::testing {

inline TPackEngine PackEngine() {
  return std::getenv("EIT_ZLIB_ONLY") != nullptr ? TPackEngine::Zlib : TPackEngine::Fastest;
}

// A run of paths of one kind into target, one worker, with the tests' engine.
inline TRunRequest Request(TJobKind kind, const std::vector<std::string>& paths, const std::string& target) {
  TRunRequest request;
  request.Entries = EntriesOf(kind, paths);
  request.TargetDir = target;
  request.Engine = PackEngine();
  return request;
}

}  // namespace eit::testing
