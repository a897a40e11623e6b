#pragma once
#include <chrono>
#include <memory>

#include "platform/platform.h"

namespace vantor::bench {

// The game's window on a real backend, as the frame pacing measurements use
// it: shown in a window or full screen, a few frames presented so that
// set-up costs are behind. False when there is no screen for it.
bool openPacedWindow(std::unique_ptr<platform::Backend> backend, uint32_t delayMs, bool fullScreen = false);
void closePacedWindow();

// Intervals between the ends of frames paced as every screen paces them.
class FrameTimes {
public:
    // Presents a frame (the same again, or one whose last pixel moved) and
    // waits in the pump; the interval it took in milliseconds, or a negative
    // number once the pump says to end.
    double paceOne(uint32_t delayMs, bool moving = false);
    double mean() const { return frames_ ? total_ / frames_ : 0; }
    double worst() const { return worst_; }
    double totalMs() const { return total_; }
    int frames() const { return frames_; }
    // How long a present took, on average.
    double presentMean() const { return frames_ ? presentTotal_ / frames_ : 0; }
    // Frames that ended more than 5 ms after their time, and which was the worst.
    int late() const { return late_; }
    int worstFrame() const { return worstFrame_; }

private:
    std::chrono::steady_clock::time_point last_ = std::chrono::steady_clock::now();
    double worst_ = 0, total_ = 0, presentTotal_ = 0;
    int frames_ = 0;
    int late_ = 0;
    int worstFrame_ = -1;
};

}  // namespace vantor::bench
