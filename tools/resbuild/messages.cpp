#include "messages.h"

namespace resbuild {

std::vector<std::string> messageList() {
    return {
        "Diver",
        "A new best score!",
        "The score table is in use by another game.",
        "Waiting until it is free...",
        "Type your name and press Enter",
        "Thanks for playing",
        "High scores",
        "No scores yet. Be the first!",
        // How to go on, at the title, the game-over picture and the name
        // entry: with a mouse, a finger, keys, a controller.
        "click to begin",
        "tap to begin",
        "press Enter to begin",
        "press A to begin",
        "Click to go on",
        "Tap to go on",
        "Press a key to go on",
        "Press A to go on",
        "Type your name and press Enter",
        "Tap the picture for the keyboard, type your name, then Enter",
        "Type your name and press Enter",
        "Up/Down: a letter   A: take it   B: take back   Start: done",
        // The first play screen of a touch player.
        "Tap two pieces to swap them, drag the gauge for the speed",
        "Hold a group of 5 or more, or tap it with two fingers: it goes",
        // A second copy of the game at once.
        "Open twice: this game is not kept",
    };
}

}  // namespace resbuild
