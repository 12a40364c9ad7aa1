// Runs the benchmarks and prints how far the board lies above its floor.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

// Console output as usual, plus each benchmark's real time per iteration
// (the median when repetitions are asked for).
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.error_occurred) continue;
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
      times_[run.run_name.function_name] = run.GetAdjustedRealTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void print_ratio(const char* over, const char* under) const {
    const auto a = times_.find(over), b = times_.find(under);
    if (a == times_.end() || b == times_.end() || b->second <= 0) return;
    std::printf("%s / %s = %.2f\n", over, under, a->second / b->second);
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.print_ratio("BM_ReadDecodeBoard", "BM_ReadDecode");
  benchmark::Shutdown();
  return 0;
}
