// Frame pacing of the real (sdl) backend: run under a display, e.g.
//   xvfb-run -a ./vantor_bench --benchmark_filter=FramePacing
// It reports the mean and worst interval between frames, the mean time of a
// present and the share of a core the process used while pacing 35 ms frames
// for 30 seconds in a window. FullScreenSdl does the same for 10 seconds
// full screen, filled (/0/) and at whole factors (/1/), with a still frame
// (/0) and one that moves at every present (/1): on a 4K screen,
//   xvfb-run -a -s "-screen 0 3840x2160x24" ./vantor_bench --benchmark_filter=FullScreen
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>

#include "paced_window.h"
#include "platform/os_services.h"
#include "platform/sdl/sdl_backend.h"

namespace {

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void paceFrames(benchmark::State& state, bool fullScreen, bool moving = false) {
    using namespace vantor;
    const uint32_t delay = static_cast<uint32_t>(state.range(0));
    if (!bench::openPacedWindow(std::make_unique<platform::sdl::SdlBackend>(), delay, fullScreen)) {
        state.SkipWithError("no display: run under Xvfb");
        return;
    }
    bench::FrameTimes times;
    double cpuStart = cpuSeconds();
    for (auto _ : state) {
        double ms = times.paceOne(delay, moving);
        if (ms < 0) break;
        state.SetIterationTime(ms / 1000.0);
    }
    double cpu = cpuSeconds() - cpuStart;
    state.counters["mean_ms"] = times.mean();
    state.counters["worst_ms"] = times.worst();
    state.counters["late_frames"] = times.late();
    state.counters["present_ms"] = times.presentMean();
    state.counters["cpu_ms_per_frame"] = 1000.0 * cpu / std::max(1, times.frames());
    state.counters["cpu_percent"] = 100.0 * cpu / (times.totalMs() / 1000.0);
    bench::closePacedWindow();
}

void BM_FramePacingSdl(benchmark::State& state) { paceFrames(state, false); }

void BM_FullScreenSdl(benchmark::State& state) {
    vantor::platform::os::setEnvironment("VANTOR_SCALING", state.range(1) ? "whole" : "fill");
    paceFrames(state, true, state.range(2) != 0);
    vantor::platform::os::setEnvironment("VANTOR_SCALING", nullptr);
}

// 857 frames of 35 ms is 30 seconds; 286 are 10.
BENCHMARK(BM_FramePacingSdl)->Arg(35)->Iterations(857)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FullScreenSdl)->ArgsProduct({{35}, {0, 1}, {0, 1}})->Iterations(286)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
