// Minimal display device; drawing arrives with the display work.
#include "video/vdp.h"

#include <cstring>

#include "platform/platform.h"

namespace vantor {

bool Vdp::init(bool fullScreen) {
    platform::Display& display = platform::display();
    if (!display.open(fullScreen)) return false;
    pitch_ = display.pitch();
    frame_.assign(static_cast<size_t>(pitch_) * kScreenHeight, 0);
    return true;
}

void Vdp::shutdown() {
    platform::display().close();
    frame_.clear();
}

void Vdp::setPalette(const uint8_t* palette) {
    uint8_t rgb[768];
    for (int i = 0; i < 768; ++i) rgb[i] = static_cast<uint8_t>(palette[i] << 2);
    platform::display().setEntries(rgb);
}

void Vdp::present() {
    uint8_t* out = nullptr;
    if (platform::display().lock(out) != platform::SurfaceResult::Ok) return;
    for (int r = 0; r < kScreenHeight; ++r)
        std::memcpy(out + r * pitch_, frame_.data() + r * pitch_, kScreenWidth);
    platform::display().unlock();
}

void Vdp::clear(uint8_t colour) {
    for (int r = 0; r < kScreenHeight; ++r) std::memset(frame_.data() + r * pitch_, colour, kScreenWidth);
}

void Vdp::saveScreen(uint8_t* dest) const {
    for (int r = 0; r < kScreenHeight; ++r)
        std::memcpy(dest + r * kScreenWidth, frame_.data() + r * pitch_, kScreenWidth);
}

void Vdp::restoreScreen(const uint8_t* src) {
    for (int r = 0; r < kScreenHeight; ++r)
        std::memcpy(frame_.data() + r * pitch_, src + r * kScreenWidth, kScreenWidth);
}

DrawnArea Vdp::drawImage(int, int, const uint8_t*) { return {}; }
DrawnArea Vdp::drawImageShifted(int, int, const uint8_t*, uint8_t) { return {}; }
DrawnArea Vdp::drawSkipRunImage(int, int, const uint8_t*) { return {}; }
DrawnArea Vdp::drawFillRunImage(int, int, const uint8_t*) { return {}; }
DrawnArea Vdp::fillRect(int, int, int, int, uint8_t) { return {}; }

Font Vdp::selectFont(const Font& font) {
    Font previous = font_;
    font_ = font;
    return previous;
}

int32_t Vdp::glyphWidth(uint8_t) const { return 0; }
int32_t Vdp::textWidth(const char*) const { return 0; }
int32_t Vdp::drawGlyph(int x, int, uint8_t, DrawnArea&) { return x; }
int32_t Vdp::drawText(int x, int, const char*, int32_t, DrawnArea&) { return x; }
int32_t Vdp::drawChar(int x, int, uint8_t, int32_t, DrawnArea&) { return x; }
int32_t Vdp::drawNumber(int x, int, int32_t, int32_t, DrawnArea&) { return x; }

}  // namespace vantor
