#include "screens/ambient_animation.h"

#include "common/random.h"
#include "video/vdp.h"

namespace vantor {

void AmbientAnimation::tick() {
    if (state == 1) vdp.drawFillRunImage(0, 0, frames[frame]);
    if (--countdown != 0) return;
    if (state == 0) {
        if (rng.next() * 100 / 32768 < 80) {
            countdown = 50 + rng.next() * 50 / 32768;
        } else {
            countdown = 2;
            frame = 0;
            state = 1;
        }
        return;
    }
    frame += 1;
    countdown = 2;
    if (frame >= frameCount) {
        state = 0;
        frame = 0;
    }
}

void AmbientAnimationList::add(AmbientAnimation* animation) {
    if (count < 10) items[count++] = animation;
}

void AmbientAnimationList::tickAll() {
    for (int i = 0; i < count; ++i)
        if (items[i]->enabled) items[i]->tick();
}

void registerAmbientAnimation(const uint8_t* const* frames, int32_t frameCount) {
    static AmbientAnimation gameAnimation;
    // Each loaded resource image starts it afresh, as at program start.
    gameAnimation = AmbientAnimation{};
    gameAnimation.frames = frames;
    gameAnimation.frameCount = frameCount;
    for (int i = 0; i < ambientAnimationList.count; ++i)
        if (ambientAnimationList.items[i] == &gameAnimation) return;
    ambientAnimationList.add(&gameAnimation);
}

}  // namespace vantor
