// Frame pacing of the real (sdl) backend: run under a display, e.g.
//   xvfb-run -a ./vantor_bench --benchmark_filter=FramePacing
// It reports the mean and worst interval between frames and the share of a
// core the process used while pacing 35 ms frames for 30 seconds.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>

#include "app/frame_pump.h"
#include "platform/sdl/sdl_backend.h"
#include "video/vdp.h"

namespace {

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void BM_FramePacingSdl(benchmark::State& state) {
    using namespace vantor;
    using Clock = std::chrono::steady_clock;
    platform::install(std::make_unique<platform::sdl::SdlBackend>());
    pump = PumpState{};
    platform::system().createWindow("TIDEWELL");
    dispatchSentMessages();
    platform::system().showWindow();
    dispatchSentMessages();
    if (!vdp.init(false)) {
        state.SkipWithError("no display: run under Xvfb");
        platform::install(nullptr);
        return;
    }
    const uint32_t delay = static_cast<uint32_t>(state.range(0));
    // The first presents set up the renderer; pacing is measured after them.
    for (int warmUp = 0; warmUp < 5; ++warmUp) {
        vdp.present();
        PumpFrame(delay);
    }
    double worst = 0, total = 0;
    int frames = 0;
    double cpuStart = cpuSeconds();
    auto last = Clock::now();
    for (auto _ : state) {
        vdp.present();
        if (!PumpFrame(delay)) break;
        auto now = Clock::now();
        double ms = std::chrono::duration<double, std::milli>(now - last).count();
        last = now;
        worst = std::max(worst, ms);
        total += ms;
        ++frames;
        state.SetIterationTime(ms / 1000.0);
    }
    double cpu = cpuSeconds() - cpuStart;
    state.counters["mean_ms"] = total / std::max(frames, 1);
    state.counters["worst_ms"] = worst;
    state.counters["cpu_percent"] = 100.0 * cpu / (total / 1000.0);
    vdp.shutdown();
    platform::install(nullptr);
}

// 857 frames of 35 ms is 30 seconds.
BENCHMARK(BM_FramePacingSdl)->Arg(35)->Iterations(857)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
