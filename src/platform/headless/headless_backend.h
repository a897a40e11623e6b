#pragma once
#include <string>

#include "platform/headless/headless_audio.h"
#include "platform/headless/headless_cd.h"
#include "platform/headless/headless_display.h"
#include "platform/headless/headless_input.h"
#include "platform/headless/headless_system.h"
#include "platform/headless/headless_world.h"
#include "platform/platform.h"

namespace vantor::platform::headless {

// The test double of every test, and the engine of replays and benchmarks.
class HeadlessBackend final : public Backend {
public:
    HeadlessBackend();

    HeadlessSystem& system() override { return system_; }
    HeadlessDisplay& display() override { return display_; }
    HeadlessInput& input() override { return input_; }
    HeadlessAudio& audio() override { return audio_; }
    HeadlessCd& cd() override { return cd_; }
    World& world() { return world_; }

    // Replaces the script (VANTOR_INPUT's, by default); false on a malformed one.
    bool setScript(const std::string& text, std::string& error);

private:
    World world_;
    HeadlessSystem system_{world_};
    HeadlessDisplay display_;
    HeadlessInput input_{world_};
    HeadlessAudio audio_{world_};
    HeadlessCd cd_;
};

// Installs a fresh headless backend and returns it (for tests).
HeadlessBackend& installFresh();

}  // namespace vantor::platform::headless
