#pragma once
// Every bench case reports its figure next to its floor (or its budget) and the ratio.
// Times are CPU times: the machine that runs the bench is shared, and CPU time is what
// a quiet machine's wall clock would show. The game thread's own time is taken where a
// worker runs beside it.
#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <string>
#include <vector>

namespace zrx::bench {

class CpuClock {
 public:
  // The whole process (every thread), or only the calling thread.
  enum Scope { kProcess = CLOCK_PROCESS_CPUTIME_ID, kThread = CLOCK_THREAD_CPUTIME_ID };
  explicit CpuClock(Scope scope = kProcess) : scope_(scope), start_(now()) {}
  double elapsedMs() const { return (now() - start_) * 1e3; }

 private:
  double now() const {
    timespec t{};
    clock_gettime(static_cast<clockid_t>(scope_), &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
  }
  Scope scope_;
  double start_;
};

inline void ReportRatio(benchmark::State& state, double figure, double floor, const char* unit = "ms") {
  state.counters[std::string("figure_") + unit] = figure;
  state.counters[std::string("floor_") + unit] = floor;
  state.counters["ratio"] = floor > 0 ? figure / floor : 0;
}

// The value below which `share` of the samples lie.
inline double Percentile(std::vector<double> samples, double share) {
  if (samples.empty()) return 0;
  const auto at = static_cast<std::size_t>(share * static_cast<double>(samples.size() - 1));
  std::nth_element(samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(at), samples.end());
  return samples[at];
}

// Runs `figure` and `floor` once each per iteration, times both, and reports the means.
template <class Figure, class Floor>
void MeasurePair(benchmark::State& state, Figure&& figure, Floor&& floor) {
  double figureTotal = 0, floorTotal = 0;
  for (auto _ : state) {
    const CpuClock figureClock;
    figure();
    const double figureMs = figureClock.elapsedMs();
    const CpuClock floorClock;
    floor();
    floorTotal += floorClock.elapsedMs();
    figureTotal += figureMs;
    state.SetIterationTime(figureMs / 1000);
  }
  const auto n = static_cast<double>(state.iterations());
  ReportRatio(state, figureTotal / n, floorTotal / n);
}

}  // namespace zrx::bench
