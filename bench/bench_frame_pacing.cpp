// Frame pacing of the real (sdl) backend: run under a display, e.g.
//   xvfb-run -a ./vantor_bench --benchmark_filter=FramePacing
// It reports the mean and worst interval between frames and the share of a
// core the process used while pacing 35 ms frames for 30 seconds.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include "paced_window.h"
#include "platform/sdl/sdl_backend.h"

namespace {

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void BM_FramePacingSdl(benchmark::State& state) {
    using namespace vantor;
    const uint32_t delay = static_cast<uint32_t>(state.range(0));
    if (!bench::openPacedWindow(std::make_unique<platform::sdl::SdlBackend>(), delay)) {
        state.SkipWithError("no display: run under Xvfb");
        return;
    }
    bench::FrameTimes times;
    double cpuStart = cpuSeconds();
    for (auto _ : state) {
        double ms = times.paceOne(delay);
        if (ms < 0) break;
        state.SetIterationTime(ms / 1000.0);
    }
    double cpu = cpuSeconds() - cpuStart;
    state.counters["mean_ms"] = times.mean();
    state.counters["worst_ms"] = times.worst();
    state.counters["late_frames"] = times.late();
    state.counters["cpu_percent"] = 100.0 * cpu / (times.totalMs() / 1000.0);
    bench::closePacedWindow();
}

// 857 frames of 35 ms is 30 seconds.
BENCHMARK(BM_FramePacingSdl)->Arg(35)->Iterations(857)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
