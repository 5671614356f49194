// Prints, after the usual table, each benchmark's time as a multiple of its floor benchmark, so a
// target such as "within 5 % of plain zlib" is read off one run on one machine.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace eit::bench {

struct RatioTarget {
  std::string measured;
  std::string floor;
  double limit;
};

std::vector<RatioTarget>& RatioTargets();

// Registers at static initialisation: EIT_BENCH_RATIO(BM_Ours, BM_Floor, 1.05).
struct RegisterRatio {
  RegisterRatio(const char* measured, const char* floor, double limit) {
    RatioTargets().push_back({measured, floor, limit});
  }
};
#define EIT_BENCH_RATIO_CAT2(a, b) a##b
#define EIT_BENCH_RATIO_CAT(a, b) EIT_BENCH_RATIO_CAT2(a, b)
#define EIT_BENCH_RATIO(measured, floor, limit) \
  static ::eit::bench::RegisterRatio EIT_BENCH_RATIO_CAT(ratio_, __LINE__)(#measured, #floor, limit)

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;

 private:
  std::map<std::string, double> seconds_;  // per iteration, by benchmark name
};

}  // namespace eit::bench
