#include "platform/web/web_backend.h"

#include <emscripten.h>

#include <algorithm>

#include "platform/web/web_gamepad.h"
#include "platform/web/web_page.h"

namespace vantor::platform::web {
namespace {

void yieldToPage() { vantor_page_wait(0); }
void offerKeyboard(bool on) { vantor_page_offer_keyboard(on ? 1 : 0); }

GamepadState readGamepads() {
    constexpr int kMost = 4;
    double numbers[kMost * GamepadSnapshot::kNumbers];
    int count = std::clamp(vantor_page_gamepads(numbers, kMost), 0, kMost);
    GamepadState all;
    for (int i = 0; i < count; ++i)
        all.add(gamepadStateOf(GamepadSnapshot::fromNumbers(numbers + i * GamepadSnapshot::kNumbers)));
    return all;
}

}  // namespace

WebBackend::WebBackend() : input_(&emscripten_get_now, &yieldToPage, &offerKeyboard, &readGamepads) {
    input_.setFocused(vantor_page_active() != 0);
    input_.setStartedBy(static_cast<InputKind>(std::clamp(vantor_page_started_by(), 0, 3)));
    vantor_page_listen(1);
}

WebBackend::~WebBackend() {
    vantor_page_listen(0);
    audio_.close();
}

void WebBackend::activate(bool active) {
    input_.setFocused(active);
    system_.post({Message::ActivateApp, active ? 1u : 0u});
}

}  // namespace vantor::platform::web
