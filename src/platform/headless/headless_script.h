#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/system.h"

namespace vantor::platform::headless {

// The scripted machine of a headless run, read from the file VANTOR_INPUT
// names. One command a line, "FRAME COMMAND ARGS", '#' starts a comment;
// FRAME counts completed frame waits, so commands for frame F are seen by
// the polls and the pump of the frame after F waits. State persists until
// changed.
//   mouse X Y            the pointer goes to (X, Y) (reported as motion)
//   move DX DY           the mouse moves by (DX, DY) once
//   press left|right     a button goes down
//   release left|right   a button goes up
//   keydown CODE         a key (DirectInput code, 0x.. or decimal, or a name:
//   keyup CODE             esc f1..f12 space tab backspace enter plus minus q w e r)
//   type TEXT            the rest of the line is typed (UTF-8, as characters)
//   char N               one character with code N is typed
//   activate 0|1         the game loses or regains the foreground
//   close                the window's close box is clicked
//   wmclose              another program asks the window to close
struct ScriptEvent {
    enum class Kind { Mouse, Move, Press, Release, KeyDown, KeyUp, Message };
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
