#include "platform/sdl/sdl_input.h"

#include <array>
#include <utility>

namespace vantor::platform::sdl {
namespace {

// SDL scan code -> DirectInput scan code (0: a key the game never sees).
const std::array<uint8_t, SDL_NUM_SCANCODES>& keyTable() {
    static const std::array<uint8_t, SDL_NUM_SCANCODES> table = [] {
        std::array<uint8_t, SDL_NUM_SCANCODES> t{};
        const std::pair<SDL_Scancode, uint8_t> keys[] = {
            {SDL_SCANCODE_ESCAPE, DIK_ESCAPE},   {SDL_SCANCODE_MINUS, DIK_MINUS},
            {SDL_SCANCODE_EQUALS, DIK_EQUALS},   {SDL_SCANCODE_BACKSPACE, DIK_BACK},
            {SDL_SCANCODE_TAB, DIK_TAB},         {SDL_SCANCODE_LEFTBRACKET, DIK_LBRACKET},
            {SDL_SCANCODE_RIGHTBRACKET, DIK_RBRACKET}, {SDL_SCANCODE_RETURN, DIK_RETURN},
            {SDL_SCANCODE_LCTRL, DIK_LCONTROL},  {SDL_SCANCODE_SEMICOLON, DIK_SEMICOLON},
            {SDL_SCANCODE_APOSTROPHE, DIK_APOSTROPHE}, {SDL_SCANCODE_GRAVE, DIK_GRAVE},
            {SDL_SCANCODE_LSHIFT, DIK_LSHIFT},   {SDL_SCANCODE_BACKSLASH, DIK_BACKSLASH},
            {SDL_SCANCODE_NONUSBACKSLASH, DIK_BACKSLASH},
            {SDL_SCANCODE_COMMA, DIK_COMMA},     {SDL_SCANCODE_PERIOD, DIK_PERIOD},
            {SDL_SCANCODE_SLASH, DIK_SLASH},     {SDL_SCANCODE_RSHIFT, DIK_RSHIFT},
            {SDL_SCANCODE_KP_MULTIPLY, DIK_MULTIPLY}, {SDL_SCANCODE_LALT, DIK_LMENU},
            {SDL_SCANCODE_SPACE, DIK_SPACE},     {SDL_SCANCODE_CAPSLOCK, DIK_CAPITAL},
            {SDL_SCANCODE_F11, DIK_F11},         {SDL_SCANCODE_F12, DIK_F12},
            {SDL_SCANCODE_NUMLOCKCLEAR, DIK_NUMLOCK}, {SDL_SCANCODE_SCROLLLOCK, DIK_SCROLL},
            {SDL_SCANCODE_KP_7, DIK_NUMPAD7},    {SDL_SCANCODE_KP_8, DIK_NUMPAD8},
            {SDL_SCANCODE_KP_9, DIK_NUMPAD9},    {SDL_SCANCODE_KP_MINUS, DIK_SUBTRACT},
            {SDL_SCANCODE_KP_4, DIK_NUMPAD4},    {SDL_SCANCODE_KP_5, DIK_NUMPAD5},
            {SDL_SCANCODE_KP_6, DIK_NUMPAD6},    {SDL_SCANCODE_KP_PLUS, DIK_ADD},
            {SDL_SCANCODE_KP_1, DIK_NUMPAD1},    {SDL_SCANCODE_KP_2, DIK_NUMPAD2},
            {SDL_SCANCODE_KP_3, DIK_NUMPAD3},    {SDL_SCANCODE_KP_0, DIK_NUMPAD0},
            {SDL_SCANCODE_KP_PERIOD, DIK_DECIMAL}, {SDL_SCANCODE_KP_ENTER, DIK_NUMPADENTER},
            {SDL_SCANCODE_RCTRL, DIK_RCONTROL},  {SDL_SCANCODE_KP_DIVIDE, DIK_DIVIDE},
            {SDL_SCANCODE_PRINTSCREEN, DIK_SYSRQ}, {SDL_SCANCODE_RALT, DIK_RMENU},
            {SDL_SCANCODE_PAUSE, DIK_PAUSE},     {SDL_SCANCODE_HOME, DIK_HOME},
            {SDL_SCANCODE_UP, DIK_UP},           {SDL_SCANCODE_PAGEUP, DIK_PRIOR},
            {SDL_SCANCODE_LEFT, DIK_LEFT},       {SDL_SCANCODE_RIGHT, DIK_RIGHT},
            {SDL_SCANCODE_END, DIK_END},         {SDL_SCANCODE_DOWN, DIK_DOWN},
            {SDL_SCANCODE_PAGEDOWN, DIK_NEXT},   {SDL_SCANCODE_INSERT, DIK_INSERT},
            {SDL_SCANCODE_DELETE, DIK_DELETE},   {SDL_SCANCODE_LGUI, DIK_LWIN},
            {SDL_SCANCODE_RGUI, DIK_RWIN},       {SDL_SCANCODE_APPLICATION, DIK_APPS},
        };
        for (auto [scancode, dik] : keys) t[scancode] = dik;
        for (auto [keys, first] : kLetterRows)
            for (int i = 0; keys[i]; ++i) t[SDL_SCANCODE_A + (keys[i] - 'a')] = first + i;
        for (int i = 0; i < 10; ++i) t[SDL_SCANCODE_1 + i] = static_cast<uint8_t>(DIK_1 + i);
        for (int i = 0; i < 10; ++i) t[SDL_SCANCODE_F1 + i] = static_cast<uint8_t>(DIK_F1 + i);
        return t;
    }();
    return table;
}

}  // namespace

uint8_t keyCodeOf(SDL_Scancode scancode) {
    return scancode >= 0 && scancode < SDL_NUM_SCANCODES ? keyTable()[scancode] : 0;
}

SdlInput::SdlInput(Context& context) : context_(context) {
    context_.eventHooks.push_back([this](const SDL_Event& event) { onEvent(event); });
}

bool SdlInput::create() {
    gamepad_.open();
    return true;
}

void SdlInput::onEvent(const SDL_Event& event) {
    gamepad_.onEvent(event);
    switch (event.type) {
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        int which = event.button.button == SDL_BUTTON_LEFT ? 0 : event.button.button == SDL_BUTTON_RIGHT ? 1 : -1;
        state_.button(which, event.type == SDL_MOUSEBUTTONDOWN);
        break;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        if (state_.key(keyCodeOf(event.key.keysym.scancode), event.type == SDL_KEYDOWN,
                       event.key.keysym.mod & KMOD_ALT, event.key.repeat))
            context_.switchFullScreen();
        break;
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) state_.setFocused(true);
        if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) state_.setFocused(false);
        break;
    default: break;
    }
}

// The game may spin on the keyboard between frames; taking the events keeps
// the state moving (their messages stay queued for the pump).
void SdlInput::takeEvents() {
    context_.drainEvents();
    syncFocus();
}

void SdlInput::syncFocus() {
    bool focused = context_.window && (SDL_GetWindowFlags(context_.window) & SDL_WINDOW_INPUT_FOCUS);
    if (focused != state_.focused()) state_.setFocused(focused);
}

DeviceResult SdlInput::keyboardState(uint8_t keys[256]) {
    takeEvents();
    return state_.keyboardState(keys);
}

// The system pointer's spot on the picture: window points -> drawable
// pixels -> the viewport's 640 x 480. Off the picture the system pointer shows.
void SdlInput::readPosition() {
    int x = 0, y = 0, windowW = 0, windowH = 0, pixelsW = 0, pixelsH = 0;
    SDL_GetMouseState(&x, &y);
    SDL_GetWindowSize(context_.window, &windowW, &windowH);
    SDL_GetWindowSizeInPixels(context_.window, &pixelsW, &pixelsH);
    int64_t px = windowW > 0 ? int64_t{x} * pixelsW / windowW : x;
    int64_t py = windowH > 0 ? int64_t{y} * pixelsH / windowH : y;
    const PictureRect& view = context_.viewport;
    showSystemPointer(!view.contains(px, py));
    state_.pointer(view.pictureX(px), view.pictureY(py));
}

DeviceResult SdlInput::mouseState(MouseReading& reading) {
    takeEvents();
    if (state_.focused()) readPosition();
    return state_.mouseState(reading);
}

DeviceResult SdlInput::acquireKeyboard() {
    syncFocus();
    return state_.acquire();
}

DeviceResult SdlInput::acquireMouse() {
    syncFocus();
    return state_.acquire();
}

void SdlInput::showSystemPointer(bool show) {
    if (show == pointerShown_) return;
    pointerShown_ = show;
    SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

}  // namespace vantor::platform::sdl
