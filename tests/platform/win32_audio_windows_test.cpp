// The waveOut output with a device that takes the sound (under wine,
// scripts/windows.sh points ALSA's default output at a null device).
#include "platform/win32/win32_audio.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <functional>
#include <thread>

namespace vantor {
namespace {

class CountingSource final : public platform::MixSource {
public:
    void mix(uint8_t* out, uint32_t n) override {
        std::memset(out, 128, n);
        pulled += n;
        if (std::this_thread::get_id() != mainThread) pulledElsewhere += n;
    }
    std::atomic<uint64_t> pulled{0};
    std::atomic<uint64_t> pulledElsewhere{0};
    std::thread::id mainThread = std::this_thread::get_id();
};

bool within5s(const std::function<bool()>& done) {
    for (int waited = 0; waited < 500 && !done(); ++waited) Sleep(10);
    return done();
}

TEST(Win32Audio, TheMixIsPulledOnItsOwnThreadHeldOffByTheLockAndNotAfterClose) {
    platform::win32::Win32Audio audio;
    ASSERT_TRUE(audio.create()) << "no waveOut device";
    CountingSource source;
    audio.start(source);
    EXPECT_TRUE(within5s([&] { return source.pulledElsewhere > 0; }));

    audio.lockMixer();
    uint64_t held = source.pulled;
    Sleep(200);
    EXPECT_EQ(source.pulled, held);
    audio.unlockMixer();
    EXPECT_TRUE(within5s([&] { return source.pulled > held; }));

    audio.close();
    uint64_t closed = source.pulled;
    Sleep(100);
    EXPECT_EQ(source.pulled, closed);
    EXPECT_FALSE(audio.takeBufferLost());
}

}  // namespace
}  // namespace vantor
