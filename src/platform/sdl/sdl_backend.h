#pragma once
#include "platform/no_cd.h"
#include "platform/platform.h"
#include "platform/sdl/sdl_audio.h"
#include "platform/sdl/sdl_context.h"
#include "platform/sdl/sdl_display.h"
#include "platform/sdl/sdl_input.h"
#include "platform/sdl/sdl_system.h"

namespace vantor::platform::sdl {

// The real game on a desktop.
class SdlBackend final : public Backend {
public:
    SdlBackend();
    ~SdlBackend() override;

    System& system() override { return system_; }
    Display& display() override { return display_; }
    Input& input() override { return input_; }
    Audio& audio() override { return audio_; }
    Cd& cd() override { return cd_; }

private:
    Context context_;
    SdlSystem system_{context_};
    SdlDisplay display_{context_};
    SdlInput input_{context_};
    SdlAudio audio_{context_};
    NoCd cd_;
};

}  // namespace vantor::platform::sdl
