// Frame pacing of the win32 backend, e.g. under wine on Xvfb:
//   frame_pacing.exe [DELAY_MS] [FRAMES] [full]
// Prints the mean and worst interval between frames, the mean time of a
// present and the share of a core the process used while pacing them (35 ms,
// 857 frames: 30 seconds), in a window or full screen (VANTOR_SCALING chooses
// how the picture is enlarged).
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "paced_window.h"

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
    const uint32_t delay = argc > 1 ? static_cast<uint32_t>(std::atoi(argv[1])) : 35;
    const int frames = argc > 2 ? std::atoi(argv[2]) : 857;
    const bool fullScreen = argc > 3 && std::strcmp(argv[3], "full") == 0;
    // win32 unless VANTOR_BACKEND says otherwise
    if (!bench::openPacedWindow(platform::makeBackend(), delay, fullScreen)) {
        std::fprintf(stderr, "no window\n");
        return 1;
    }
    bench::FrameTimes times;
    double cpuStart = cpuSeconds();
    while (times.frames() < frames && times.paceOne(delay) >= 0) {
    }
    double cpu = cpuSeconds() - cpuStart;
    std::printf("frames %d  delay_ms %u  mean_ms %.3f  worst_ms %.3f (frame %d)  late_over_5ms %d  "
                "present_ms %.3f  cpu_ms_per_frame %.3f  cpu_percent %.2f\n",
                times.frames(), delay, times.mean(), times.worst(), times.worstFrame(), times.late(),
                times.presentMean(), 1000.0 * cpu / times.frames(), 100.0 * cpu / (times.totalMs() / 1000.0));
    bench::closePacedWindow();
    return 0;
}
