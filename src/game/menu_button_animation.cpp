#include "game/menu_button_animation.h"

#include "resources/data30.h"
#include "video/vdp.h"

namespace vantor {
namespace {

constexpr int32_t kImages = 7;
constexpr int32_t kFramesPerImage = 3;

}  // namespace

bool insideMenuButton(int x, int y) { return x >= 10 && x <= 133 && y >= 39 && y <= 131; }

void MenuButtonAnimation::drawOverlay() const {
    if (on && frame != 0) vdp.drawSkipRunImage(0, 0, res.menuButtonAnimation[frame]);
}

void MenuButtonAnimation::updateHover(int mouseX, int mouseY) {
    bool inside = insideMenuButton(mouseX, mouseY);
    if (!on) {
        if (!inside) return;
        on = 1;
        frame = 0;
        divider = kFramesPerImage;
        return;
    }
    if (--divider != 0) return;
    divider = kFramesPerImage;
    if (++frame < kImages) return;
    frame = 0;
    if (!inside) on = 0;
}

}  // namespace vantor
