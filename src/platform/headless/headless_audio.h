#pragma once
#include "platform/audio.h"
#include "platform/headless/headless_world.h"

namespace vantor::platform::headless {

// Sound mixed into memory.
class HeadlessAudio final : public Audio {
public:
    explicit HeadlessAudio(World& world);

    bool create() override;
    void start(MixSource& source) override;
    void lockMixer() override {}
    void unlockMixer() override {}
    bool createBuffer() override;
    bool lockBuffer() override;
    bool restoreBuffer() override;
    bool takeBufferLost() override;
    void close() override;

private:
    World& world_;
    MixSource* source_ = nullptr;
};

}  // namespace vantor::platform::headless
