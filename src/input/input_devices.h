#pragma once
#include <cstdint>
#include <functional>
#include <initializer_list>

#include "input/key_pointer.h"
#include "platform/input.h"
#include "resources/resource_file.h"

namespace vantor {

// DirectInput key codes, under the names the game reads them by.
using platform::KeyCode;
using enum platform::KeyCode;

struct MouseState {
    int32_t x = 0;      // 0..639 after a live poll
    int32_t y = 0;      // 0..479 after a live poll
    int32_t left = 0;   // non-zero while down
    int32_t right = 0;  // non-zero while down
};

// Typed characters, kept while capture is on; 31 wait at most.
struct CharRing {
    int32_t capture = 0;
    uint8_t buffer[32] = {};
    int32_t writeIndex = 0;
    int32_t readIndex = 0;
};

// What the player last used: the screens word their hints by it, the menu
// chooses its first highlight and the name entry offers the controller's
// letters. Picks on the board never read it, so recordings stay as they were.
using platform::InputKind;

// Demo recording or playback of the mouse.
struct Recorder {
    int32_t active = 0;
    int32_t mode = 0;  // 1 recording, 0 playback
    ResourceFile file;
};

// The keyboard and the mouse, read once a frame into plain shared state.
class InputDevices {
public:
    // 0: no input system; 3: both devices; 1: no keyboard (and no mouse); 2: no mouse.
    int init();
    // Lets go of the devices and closes a running recording or playback.
    void shutdown();
    // Moves the pointer by the mouse's motion, reads its buttons, then
    // records or plays back the step.
    void PollMouse();
    // Reads the keys, and the game controllers as the keys they stand for.
    void PollKeyboard();
    bool NoKeyDown() const;
    // Re-reads the keyboard until no key is held.
    void WaitAllKeysUp();

    void putChar(uint8_t c);
    uint8_t peekChar() const;
    uint8_t takeChar();
    void setCapture(bool on);
    void emptyRing();

    // The key went down at the last keyboard poll.
    bool keyPressed(uint8_t key) const;
    // It went down, or it has been held long enough to repeat, as a held
    // key types again: after 400 ms, then every 120 ms.
    bool keyRepeats(uint8_t key) const;
    // +1 when forward repeats, -1 when back does, 0 for both or neither.
    int keyStep(uint8_t forward, uint8_t back) const;
    // Any of them went down at the last poll.
    bool anyKeyPressed(std::initializer_list<uint8_t> keys) const;
    // One of these controller buttons (the stick counting as the D-pad)
    // went down at the last poll.
    bool padPressed(uint16_t buttons) const;
    // Whether the controller's A types Enter (13) into the ring; off while a
    // screen takes A itself.
    void padTypesEnter(bool on) { padTypesEnter_ = on; }

    uint8_t keyState[256] = {};
    uint8_t heldPolls[256] = {};  // per key: 0 up, 1 down since the last poll, 2 held longer (read ones)
    MouseState mouse;
    // Whether the screens draw the game's arrow at the mouse: not after a
    // touch. Drawing only; nothing the game does depends on it.
    bool pointerShown = true;
    InputKind inUse = InputKind::Mouse;
    // While set, the polls give a touch's place to it to aim (the play
    // screen moves it onto the piece meant); reach is in picture pixels.
    std::function<void(int32_t& x, int32_t& y, int reach)> aimTouch;
    CharRing ring;
    Recorder recorder;
    KeyPointer keyPointer;

    // Sees the mouse state at the end of every mouse poll (tests, traces).
    std::function<void(const MouseState&)> mousePolled;

private:
    bool readMouse(platform::MouseReading& reading);
    bool readKeyboard();
    void readGamepads();
    void countHeldPolls();
    void noteKeyboardUse();

    platform::GamepadState pads_;
    uint16_t padsHeld_ = 0;  // heldButtons at the last poll and the one before
    uint16_t padsHeldBefore_ = 0;
    bool padTypesEnter_ = true;
    uint32_t pollTick_ = 0;  // the clock at the last keyboard poll and the one before
    uint32_t previousPollTick_ = 0;
    uint32_t pressTick_[256] = {};
    bool haveKeyboard_ = false;
    bool haveMouse_ = false;
};

inline InputDevices inputDevices;

}  // namespace vantor
