#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/system.h"

namespace vantor::platform::headless {

// The scripted machine of a headless run, read from the file VANTOR_INPUT
// names. One command a line, "FRAME COMMAND ARGS", '#' starts a comment;
// FRAME counts completed frame waits, so commands for frame F are seen by
// the polls and the pump of the frame after F waits (frame 0: the first
// frame). Lines may come in any order. State persists until changed.
//   mouse X Y            the pointer goes to (X, Y) on the 640 x 480 screen
//   move DX DY           the mouse moves by (DX, DY) once (relative motion)
//   press left|right     a button goes down
//   release left|right   a button goes up
//   keydown KEY          a key goes down and stays held
//   keyup KEY            it is let go
//   pad [BUTTON...]      the game controller's buttons held from now on (none:
//                        all let go): up down left right a b x y start back lb rb
//   stick X Y            its left stick leans to (X, Y), -32768..32767, y downward
//   type TEXT            the rest of the line is typed (UTF-8, as characters)
//   char N               one character with code N is typed
//   activate 0|1         the game loses or regains the foreground
//   close                the window's close box is clicked
//   wmclose              another program asks the window to close
// KEY is a DirectInput code (0x.. or decimal) or a name: a..z, digit0..digit9, esc,
// f1..f12, space, tab, backspace, enter, plus, minus (the keypad's), left,
// right, up, down, delete, lshift, rshift, lctrl, rctrl, lalt, ralt.
// When the game reads the keyboard again within one frame, with no mouse
// reading in between, while a key or a controller button is held (it waits
// for all keys up), the script's next key or controller change is taken
// early, as the player's time goes on; with none left, everything is let go.
struct ScriptEvent {
    enum class Kind { Mouse, Move, Press, Release, KeyDown, KeyUp, Pad, Stick, Message };
    uint32_t frame = 0;
    Kind kind = Kind::Message;
    int a = 0;
    int b = 0;
    Msg message;
};

class Script {
public:
    // Parses a script; false with a line-numbered reason when it is malformed.
    bool parse(const std::string& text, std::string& error);
    // Loads the file VANTOR_INPUT names (none: an empty script); false on error.
    bool loadFromOption(std::string& error);
    const std::vector<ScriptEvent>& events() const { return events_; }

private:
    std::vector<ScriptEvent> events_;
};

// A DirectInput key code for a name or number; -1 when unknown.
int keyCode(const std::string& word);

}  // namespace vantor::platform::headless
