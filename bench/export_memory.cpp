// Measures the peak memory of one texture export in a fresh process, as a multiple of the texture's
// unpacked size: export_memory TEXTURE.dds OUTPUT_DIR. Linux only (reads /proc/self/status).
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "engine/main.h"
#include "bench_textures.h"
#include "engine/jobs.h"
#include "platform/little_endian.h"

namespace {

long StatusKiB(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind(field, 0) == 0) return std::stol(line.substr(std::strlen(field)));
  return 0;
}

using Quiet = eit::TFrontEnd;  // shows nothing

}  // namespace

int main(int argc, char** argv) {
  // export_memory --batch OUTPUT_DIR TEXTURE...: a batch with one worker per core; prints the peak in MiB.
  if (argc >= 3 && std::string(argv[1]) == "--batch") {
    Quiet quiet;
    eit::TBatchEngine engine(quiet);
    eit::TRunRequest request;
    request.Entries = eit::EntriesOf(eit::TJobKind::Texture, std::vector<std::string>(argv + 3, argv + argc));
    request.TargetDir = argv[2];
    request.Workers = 0;
    engine.Run(request);
    std::printf("%.1f\n", StatusKiB("VmHWM:") / 1024.0);
    return 0;
  }
  if (argc != 3) return 2;
  std::uint8_t head[12] = {};
  std::ifstream(argv[1], std::ios::binary).read(reinterpret_cast<char*>(head), 12);
  const double unpacked = eit::le::U32(head + 8);
  const long before = StatusKiB("VmRSS:");
  eit::bench::NullReporter reporter;
  eit::TJobContext context;
  context.TargetDir = argv[2];
  context.Reporter = &reporter;
  eit::ExportTexture(context, argv[1]);
  std::printf("%.3f\n", (StatusKiB("VmHWM:") - before) * 1024.0 / unpacked);
  return 0;
}
