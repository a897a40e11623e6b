#pragma once
#include <cstdint>

namespace vantor {

// The play screen's menu button: a press inside it opens the in-game menu.
bool insideMenuButton(int x, int y);

// Cycles while the mouse is over the menu button and finishes its cycle
// when the mouse leaves.
struct MenuButtonAnimation {
    int32_t on = 0;
    int32_t frame = 0;
    int32_t divider = 0;

    void drawOverlay() const;
    void updateHover(int mouseX, int mouseY);
};

inline MenuButtonAnimation menuButtonAnimation;

}  // namespace vantor
