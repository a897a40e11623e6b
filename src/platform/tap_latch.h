#pragma once
#include <bitset>
#include <cstddef>

namespace vantor::platform {

// Keeps a press that was let go again before the game looked: the next
// reading still sees it down, the one after sees the release. Tap-to-click
// pads, remote desktops and quick fingers send such pairs within one frame.
// Backends note presses as their events arrive and read through the latch.
template <size_t N>
class TapLatch {
public:
    void press(size_t i) {
        if (i < N) pending_.set(i);
    }
    // What the game sees for i now: held, or pressed since the last reading.
    bool read(size_t i, bool heldNow) {
        if (i >= N) return heldNow;
        bool down = heldNow || pending_.test(i);
        pending_.reset(i);
        return down;
    }
    void clear() { pending_.reset(); }

private:
    std::bitset<N> pending_;
};

}  // namespace vantor::platform
