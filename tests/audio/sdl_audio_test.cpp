#include "platform/sdl/sdl_audio.h"

#include <gtest/gtest.h>

#include "audio/mixer.h"
#include "support/headless_fixture.h"

namespace vantor {
namespace {

using platform::sdl::SdlAudio;

void tell(platform::sdl::Context& context, SDL_AudioDeviceID which, bool capture) {
    SDL_Event event{};
    event.type = SDL_AUDIODEVICEREMOVED;
    event.adevice.which = which;
    event.adevice.iscapture = capture ? 1 : 0;
    for (auto& hook : context.eventHooks) hook(event);
}

TEST(SdlAudioTest, DriverThatDoesNotExistLeavesTheGameSilent) {
    testing::ScopedEnv driver("SDL_AUDIODRIVER", "none-such");
    platform::sdl::Context context;
    SdlAudio audio(context);
    EXPECT_FALSE(audio.create());
    EXPECT_EQ(audio.device(), 0u);
}

TEST(SdlAudioTest, RemovedDeviceLosesTheBuffersOnceAndRestoringOpensItAgain) {
    testing::ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
    platform::sdl::Context context;
    SdlAudio audio(context);
    ASSERT_TRUE(audio.create());
    Mixer mixer;
    audio.start(mixer);
    SDL_AudioDeviceID first = audio.device();

    tell(context, first, true);       // a microphone went away
    tell(context, first + 1, false);  // another program's output
    EXPECT_FALSE(audio.takeBufferLost());
    tell(context, first, false);
    EXPECT_TRUE(audio.takeBufferLost());
    EXPECT_FALSE(audio.takeBufferLost());

    audio.lockMixer();
    EXPECT_TRUE(audio.restoreBuffer());
    audio.unlockMixer();
    EXPECT_NE(audio.device(), 0u);
    EXPECT_EQ(SDL_GetAudioDeviceStatus(audio.device()), SDL_AUDIO_PLAYING);
    audio.lockMixer();
    EXPECT_TRUE(audio.restoreBuffer());  // the other lost buffers find it back
    audio.unlockMixer();
    audio.close();
}

}  // namespace
}  // namespace vantor
