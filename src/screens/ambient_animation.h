#pragma once
#include <cstdint>

namespace vantor {

// A decoration of the play screen that comes alive now and then.
class AmbientAnimation {
public:
    virtual ~AmbientAnimation() = default;
    virtual void tick();

    int32_t countdown = 1;
    int32_t state = 0;  // 0 idle, 1 playing
    int32_t frame = 0;
    int32_t frameCount = 0;
    const uint8_t* const* frames = nullptr;
    int32_t enabled = 1;
};

// The animations the play screen ticks every frame (it does not own them).
class AmbientAnimationList {
public:
    void add(AmbientAnimation* animation);
    void tickAll();
    void clear() { count = 0; }

    AmbientAnimation* items[10] = {};
    int32_t count = 0;
};

inline AmbientAnimationList ambientAnimationList;

// The game's one animation: registered by the resource loader (once).
void registerAmbientAnimation(const uint8_t* const* frames, int32_t frameCount);

}  // namespace vantor
