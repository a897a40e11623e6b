#pragma once
#include <cstdint>

namespace vantor {

// A name from the controller alone: Up and Down turn through the letters,
// digits, a space and the Cyrillic capitals; A takes the one shown, B takes
// back the last, Start ends the name. What it takes goes into the ring of
// typed characters, so the name entry sees it as typed.
class NamePicker {
public:
    // Takes over the controller's A from the ring (it would type Enter).
    void begin();
    void end();
    // Reads this frame's controller while it leads.
    void steer();
    // The character on offer where the next one goes, at (x, y) of the
    // name's row, while the controller leads.
    void draw(int x, int y) const;

private:
    int index_ = 0;
};

}  // namespace vantor
