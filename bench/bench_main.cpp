#include <cstdio>
#include <ostream>
#include <vector>

#include "ratio_reporter.h"

namespace eit::bench {

std::vector<RatioTarget>& RatioTargets() {
  static std::vector<RatioTarget> targets;
  return targets;
}

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
  ConsoleReporter::ReportRuns(runs);
  for (const Run& run : runs) {
    if (run.run_type != Run::RT_Iteration || run.iterations == 0) continue;
    // Repetitions keep the fastest: the floor and the measured code are compared at their best.
    const double perIteration = run.real_accumulated_time / static_cast<double>(run.iterations);
    const std::string name = run.run_name.function_name;
    auto found = seconds_.find(name);
    if (found == seconds_.end() || perIteration < found->second) seconds_[name] = perIteration;
  }
}

void RatioReporter::Finalize() {
  ConsoleReporter::Finalize();
  std::ostream& out = GetOutputStream();
  char line[200];
  std::snprintf(line, sizeof line, "\n%-34s %-26s %8s %8s\n", "benchmark", "floor", "ratio", "target");
  out << line;
  for (const RatioTarget& t : RatioTargets()) {
    auto measured = seconds_.find(t.measured), floor = seconds_.find(t.floor);
    if (measured == seconds_.end() || floor == seconds_.end()) continue;
    const double ratio = measured->second / floor->second;
    std::snprintf(line, sizeof line, "%-34s %-26s %8.3f %8.2f %s\n", t.measured.c_str(), t.floor.c_str(), ratio,
                  t.limit, ratio <= t.limit ? "ok" : "OVER");
    out << line;
  }
  out << std::flush;
}

}  // namespace eit::bench

int main(int argc, char** argv) {
  // Interleave the repetitions of all benchmarks, so that a busy moment of the machine hits the
  // measured code and its floor alike. A flag given on the command line still wins.
  std::vector<char*> args(argv, argv + argc);
  static char interleave[] = "--benchmark_enable_random_interleaving=true";
  args.insert(args.begin() + 1, interleave);
  argc = static_cast<int>(args.size());
  argv = args.data();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  eit::bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
