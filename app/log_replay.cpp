#include "app/main.h"

namespace eit {

void TBatchEngine::ReplayLog(const std::string& logPath) {
  // Inserting lands with the imports; until then a log entry runs no job.
  FileSkipped(logPath, "inserting edited images is not available in this version");
}

}  // namespace eit
