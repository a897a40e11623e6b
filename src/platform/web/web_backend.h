#pragma once
#include "platform/no_cd.h"
#include "platform/platform.h"
#include "platform/web/web_audio.h"
#include "platform/web/web_display.h"
#include "platform/web/web_input.h"
#include "platform/web/web_system.h"

namespace vantor::platform::web {

// The game in a browser page, on the page's own interfaces: canvas, Pointer
// Events, keyboard and the Gamepad API, Web Audio, IndexedDB and Web Locks.
class WebBackend final : public Backend {
public:
    WebBackend();
    ~WebBackend() override;

    WebSystem& system() override { return system_; }
    WebDisplay& display() override { return display_; }
    WebInput& input() override { return input_; }
    WebAudio& audio() override { return audio_; }
    Cd& cd() override { return cd_; }

    // The page came into view with the focus, or left it.
    void activate(bool active);

private:
    WebSystem system_;
    WebDisplay display_;
    WebInput input_;
    WebAudio audio_;
    NoCd cd_;
};

}  // namespace vantor::platform::web
