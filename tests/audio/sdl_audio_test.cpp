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

// Without a device the player hears nothing and reads one line about it,
// not the sound libraries' noise.
TEST(SdlAudioTest, NoDeviceLeavesTheGameSilentWithOneLineSaid) {
    for (const char* driver : {"none-such", "alsa"}) {
        testing::ScopedEnv chosen("SDL_AUDIODRIVER", driver);
        testing::ScopedEnv config("ALSA_CONFIG_PATH", "/nonexistent/alsa.conf");
        platform::sdl::Context context;
        SdlAudio audio(context);
        ::testing::internal::CaptureStderr();
        bool created = audio.create();
        std::string said = ::testing::internal::GetCapturedStderr();
        if (created) continue;  // this machine has a sound card after all
        EXPECT_EQ(said, "no sound device: playing without sound effects\n") << driver;
        EXPECT_EQ(audio.device(), 0u);
    }
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
