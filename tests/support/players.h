#pragma once
#include <cstdint>
#include <string>

namespace vantor::testing {

// How the clicker plays: its seed, and which of its hands it uses.
struct ClickerPlay {
    uint32_t seed = 12345;
    bool clicks = true;  // none: a playback, whose mouse is the recording's
    bool enters = true;  // none: every name entry waits
};

// The random players of every replay test, as headless input scripts, the
// same on every build for a seed. The clicker swaps pieces at random with
// the left button, now and then right-clicks every piece in turn (which
// removes any group of five it finds) and presses Enter every 150 frames
// (the name entries); keys are not recorded, so a playback is given its
// Enters alone. The controller player presses a button every 6 frames round
// a cycle that moves the ring, presses A and B, and now and then opens the
// menu and resumes: games played, their names picked, the tables left.
std::string clickerScript(int frames, const ClickerPlay& play = {});
std::string padScript(int frames);

}  // namespace vantor::testing
