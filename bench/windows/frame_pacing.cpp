// Frame pacing of the win32 backend, e.g. under wine on Xvfb:
//   frame_pacing.exe [DELAY_MS] [FRAMES]
// Prints the mean and worst interval between frames and the share of a core
// the process used while pacing them (35 ms, 857 frames: 30 seconds).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "app/frame_pump.h"
#include "platform/platform.h"
#include "video/vdp.h"

// Last, as its macros clash with names of the game.
#include <windows.h>

namespace {

double cpuSeconds() {
    FILETIME created, ended, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user);
    auto seconds = [](const FILETIME& t) {
        return double(uint64_t(t.dwHighDateTime) << 32 | t.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace vantor;
    using Clock = std::chrono::steady_clock;
    const uint32_t delay = argc > 1 ? static_cast<uint32_t>(std::atoi(argv[1])) : 35;
    const int frames = argc > 2 ? std::atoi(argv[2]) : 857;
    platform::install(platform::makeBackend());  // win32 unless VANTOR_BACKEND says otherwise
    pump = PumpState{};
    platform::system().createWindow("TIDEWELL");
    dispatchSentMessages();
    platform::system().showWindow();
    dispatchSentMessages();
    if (!vdp.init(false)) {
        std::fprintf(stderr, "no window\n");
        return 1;
    }
    for (int warmUp = 0; warmUp < 5; ++warmUp) {
        vdp.present();
        PumpFrame(delay);
    }
    double worst = 0, total = 0;
    int done = 0;
    double cpuStart = cpuSeconds();
    auto last = Clock::now();
    for (; done < frames; ++done) {
        vdp.present();
        if (!PumpFrame(delay)) break;
        auto now = Clock::now();
        double ms = std::chrono::duration<double, std::milli>(now - last).count();
        last = now;
        worst = std::max(worst, ms);
        total += ms;
    }
    double cpu = cpuSeconds() - cpuStart;
    std::printf("frames %d  delay_ms %u  mean_ms %.3f  worst_ms %.3f  cpu_percent %.2f\n", done, delay,
                total / std::max(done, 1), worst, 100.0 * cpu / (total / 1000.0));
    vdp.shutdown();
    platform::install(nullptr);
    return 0;
}
