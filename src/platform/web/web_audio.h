#pragma once
#include <cstdint>
#include <vector>

#include "platform/audio.h"

namespace vantor::platform::web {

// The page's sound output pulls the game's mix: an AudioWorklet (or, where
// there is none, a script processor) at 22,050 Hz asks for samples as its
// queue runs low, and the page hands the request to pull. Nothing runs
// beside the game, so a pull can only come while the game waits; one that
// finds the channels being changed waits for the change to end.
class WebAudio final : public Audio {
public:
    bool create() override;
    void start(MixSource& source) override;
    void lockMixer() override { locked_ = true; }
    void unlockMixer() override;
    void close() override;

    // n samples of the mix, or null when they must wait for unlockMixer
    // (the page then asks again).
    const uint8_t* pull(uint32_t n);

private:
    MixSource* source_ = nullptr;
    bool locked_ = false;
    std::vector<uint8_t> pulled_;
};

}  // namespace vantor::platform::web
