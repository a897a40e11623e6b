#include "paced_window.h"

#include "app/frame_pump.h"
#include "video/vdp.h"

namespace vantor::bench {

bool openPacedWindow(std::unique_ptr<platform::Backend> backend, uint32_t delayMs, bool fullScreen) {
    platform::install(std::move(backend));
    pump = PumpState{};
    platform::system().createWindow("TIDEWELL");
    dispatchSentMessages();
    platform::system().showWindow();
    dispatchSentMessages();
    if (!vdp.init(fullScreen)) {
        platform::install(nullptr);
        return false;
    }
    for (int warmUp = 0; warmUp < 5; ++warmUp) {
        vdp.present();
        PumpFrame(delayMs);
    }
    return true;
}

void closePacedWindow() {
    vdp.shutdown();
    platform::install(nullptr);
}

double FrameTimes::paceOne(uint32_t delayMs, bool moving) {
    if (moving) vdp.frameBuffer()[640 * 480 - 1] ^= 1;
    auto presentStart = std::chrono::steady_clock::now();
    vdp.present();
    presentTotal_ += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - presentStart).count();
    if (!PumpFrame(delayMs)) return -1;
    auto now = std::chrono::steady_clock::now();
    double ms = std::chrono::duration<double, std::milli>(now - last_).count();
    last_ = now;
    if (ms > worst_) {
        worst_ = ms;
        worstFrame_ = frames_;
    }
    if (ms > delayMs + 5.0) ++late_;
    total_ += ms;
    ++frames_;
    return ms;
}

}  // namespace vantor::bench
