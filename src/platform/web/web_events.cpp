// What the page calls: its events, and its sound output's pulls.
#include <emscripten.h>

#include <array>

#include "common/cp1251.h"
#include "platform/control_keys.h"
#include "platform/picture_fit.h"
#include "platform/web/web_backend.h"
#include "platform/web/web_keys.h"

using vantor::platform::web::PointerEvent;
using vantor::platform::web::WebBackend;

namespace {

// The page's events belong to the web backend, when it is the one installed.
WebBackend* backend() {
    if (!vantor::platform::installed()) return nullptr;
    return dynamic_cast<WebBackend*>(&vantor::platform::current());
}

}  // namespace

extern "C" {

// A key went down or up (code: KeyboardEvent.code, key: its key). 1 when the
// browser's own action for it is to be kept from happening, 2 when the page
// is to switch full screen (and keep the browser's action from happening).
EMSCRIPTEN_KEEPALIVE int vantor_web_key(const char* code, const char* key, int down, int shortcut, int alt,
                                        int repeat) {
    WebBackend* web = backend();
    if (!web) return 0;
    uint8_t pressed = vantor::platform::web::keyCodeOf(code);
    if (web->input().key(pressed, down != 0, alt != 0, repeat != 0)) return 2;
    // A held Alt+Enter's repeats belong to the switch: neither the game's nor the browser's.
    if (down && vantor::platform::isFullScreenSwitch(pressed, alt != 0)) return 1;
    auto typed = down ? vantor::platform::web::keyPressMessages(key, shortcut) : std::vector<vantor::platform::Msg>{};
    for (const vantor::platform::Msg& message : typed) web->system().post(message);
    return !typed.empty() || vantor::platform::web::keptFromBrowser(code);
}

// Text from the on-screen keyboard, UTF-8: its characters are typed.
EMSCRIPTEN_KEEPALIVE void vantor_web_text(const char* utf8) {
    WebBackend* web = backend();
    if (!web) return;
    for (char c : vantor::utf8ToCp1251(utf8))
        web->system().post({vantor::platform::Message::Char, static_cast<uint8_t>(c)});
}

EMSCRIPTEN_KEEPALIVE void vantor_web_pointer(int phase, int kind, int id, int buttons, double x, double y,
                                             double pixelRatio, double time) {
    WebBackend* web = backend();
    if (!web || phase < 0 || phase > 3 || kind < 0 || kind > 2) return;
    PointerEvent event{static_cast<PointerEvent::Phase>(phase), static_cast<PointerEvent::Kind>(kind),
                       id, buttons, x, y, pixelRatio, time};
    web->input().pointer(event);
}

EMSCRIPTEN_KEEPALIVE void vantor_web_activate(int active) {
    if (WebBackend* web = backend()) web->activate(active != 0);
}

// Where the canvas goes in a viewport of this many CSS pixels: x, y, width
// and height of the picture in device pixels, the canvas's own width and
// height, whether it is shown smooth, whether the viewport is portrait.
EMSCRIPTEN_KEEPALIVE const int* vantor_web_layout(double cssWidth, double cssHeight, double pixelRatio) {
    static std::array<int, 8> placed;
    vantor::platform::PageLayout layout =
        vantor::platform::pageLayout(cssWidth, cssHeight, pixelRatio, vantor::platform::scalingOption());
    if (WebBackend* web = backend()) web->input().setPicture(layout.picture);
    const vantor::platform::PictureRect& p = layout.picture;
    placed = {p.x, p.y, p.w, p.h, layout.canvasWidth, layout.canvasHeight, layout.smooth, layout.portrait};
    return placed.data();
}

// n samples of the mix for the sound output, or null: ask again later.
EMSCRIPTEN_KEEPALIVE const uint8_t* vantor_web_mix(int n) {
    WebBackend* web = backend();
    return web && n > 0 ? web->audio().pull(static_cast<uint32_t>(n)) : nullptr;
}

}  // extern "C"
