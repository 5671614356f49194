// Temporaries of outputs under way ("<name>.<12 hex digits>.tmp") are claimed by the run that writes them
// for as long as it lives; one left by a run that was killed outright (SIGKILL, a power cut) is claimed by
// no one, and the next run into its folder removes it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace eit {

// Held by the run from the temporary's creation until it is published or removed; the system lets go of it
// when the process ends, however it ends.
class TTemporaryClaim {
 public:
  explicit TTemporaryClaim(const std::string& temporary);
  ~TTemporaryClaim();
  TTemporaryClaim(const TTemporaryClaim&) = delete;
  TTemporaryClaim& operator=(const TTemporaryClaim&) = delete;
  // Windows lets no one open a file being written unshared (which guards it as well): claimed once closed.
  bool Held() const { return handle_ >= 0; }

 private:
  std::intptr_t handle_ = -1;
};

// Whether a file name is one a temporary of an output takes.
bool IsTemporaryName(const std::string& name);
// Removes the temporaries in folder (not below it) that no living run claims; returns their paths.
std::vector<std::string> RemoveDeadTemporaries(const std::string& folder);

}  // namespace eit
