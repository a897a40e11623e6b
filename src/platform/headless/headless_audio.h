#pragma once
#include <string>
#include <vector>

#include "platform/audio.h"
#include "platform/headless/headless_world.h"

namespace vantor::platform::headless {

// Sound mixed into memory as virtual time passes: whenever the game touches
// the device, the mix is brought up to the virtual clock, so what a frame
// plays starts at that frame's sample. VANTOR_WAV names a WAV file written
// at close.
class HeadlessAudio final : public Audio {
public:
    static constexpr uint32_t kRate = 22050;

    explicit HeadlessAudio(World& world);

    bool create() override;
    void start(MixSource& source) override;
    void lockMixer() override;
    void unlockMixer() override {}
    bool createBuffer() override;
    bool lockBuffer() override;
    bool restoreBuffer() override;
    bool takeBufferLost() override;
    void close() override;

    // For tests: the next play finds every channel buffer lost.
    void loseBuffers() { lostPending_ = true; }
    // Everything mixed from start up to the current virtual time.
    const std::vector<uint8_t>& samples();

private:
    void catchUp();

    World& world_;
    MixSource* source_ = nullptr;
    uint32_t lastClock_ = 0;
    uint64_t elapsedMs_ = 0;
    std::vector<uint8_t> mixed_;
    bool lostPending_ = false;
};

}  // namespace vantor::platform::headless
