#pragma once
#include <cstdint>

#include "platform/input.h"

namespace vantor {

struct MouseState;

// The game's pointer as keys and game controllers drive it. They press a
// button at a spot for one poll, so the game sees just what a mouse would
// show it (and a recording keeps it as mouse steps); until the mouse
// stirs, the pointer stays where they left it.
class KeyPointer {
public:
    // Keys lead from now on: the pointer is theirs until the mouse stirs.
    void lead() { leads_ = true; }
    bool leads() const { return leads_; }
    // At the next poll the pointer goes to (x, y) with the button (0 left,
    // 1 right) down for that poll; let go at the poll after.
    void press(int32_t x, int32_t y, int button);
    // Sees a poll's mouse reading: motion or a button ends the keys' lead.
    // True while keys lead, when the reading must not move the pointer.
    bool keeps(const platform::MouseReading& reading);
    // The reading keeps last saw moved the mouse or pressed its buttons.
    bool stirred() const { return stirred_; }
    // Puts the pending press, if any, into this poll's mouse state.
    void pressInto(MouseState& mouse);

private:
    bool stirs(const platform::MouseReading& reading);

    bool leads_ = false;
    bool stirred_ = false;
    int pending_ = -1;  // the button to press at the next poll
    int32_t x_ = 0;
    int32_t y_ = 0;
    bool placed_ = false;  // an absolute reading came; lastX_, lastY_ hold it
    int32_t lastX_ = 0;
    int32_t lastY_ = 0;
};

}  // namespace vantor
