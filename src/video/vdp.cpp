#include "video/vdp.h"

#include <cstring>

#include "platform/platform.h"

namespace vantor {
namespace {

using platform::SurfaceResult;

// A busy surface is asked again; a lost one is restored and asked again, and
// when it cannot be restored the call gives up with Lost.
template <typename Call>
SurfaceResult withSurfaceRetry(platform::Display& display, Call call) {
    for (;;) {
        SurfaceResult result = call();
        if (result == SurfaceResult::Busy) continue;
        if (result == SurfaceResult::Lost && display.restore()) continue;
        return result;
    }
}

// Entries the system reserves for itself keep their exact indices.
uint8_t entryFlags(int index) { return index < 10 || index >= 246 ? PC_EXPLICIT : PC_NOCOLLAPSE; }

}  // namespace

bool Vdp::init(bool fullScreen) {
    paletteCreated_ = false;
    platform::Display& display = platform::display();
    if (!display.open(fullScreen)) return false;
    pitch_ = display.pitch();
    if (pitch_ < kScreenWidth) return false;
    frame_.assign(static_cast<size_t>(pitch_) * kScreenHeight, 0);
    return true;
}

void Vdp::shutdown() {
    platform::display().close();
    paletteCreated_ = false;
    frame_.clear();
    frame_.shrink_to_fit();
}

void Vdp::setPalette(const uint8_t* palette) {
    uint8_t rgb[768];
    for (int i = 0; i < 256; ++i) {
        PaletteEntry& e = entries_[i];
        e.red = static_cast<uint8_t>(palette[i * 3] << 2);
        e.green = static_cast<uint8_t>(palette[i * 3 + 1] << 2);
        e.blue = static_cast<uint8_t>(palette[i * 3 + 2] << 2);
        e.flags = entryFlags(i);
        rgb[i * 3] = e.red;
        rgb[i * 3 + 1] = e.green;
        rgb[i * 3 + 2] = e.blue;
    }
    platform::Display& display = platform::display();
    if (!paletteCreated_) {
        // The palette object exists from here on, even if it never gets attached.
        paletteCreated_ = true;
        display.waitVerticalBlank();
        display.setEntries(rgb);
        if (withSurfaceRetry(display, [&] { return display.attachPalette(); }) == SurfaceResult::Lost)
            return;
    }
    display.setEntries(rgb);
}

void Vdp::present() {
    platform::Display& display = platform::display();
    uint8_t* locked = nullptr;
    if (withSurfaceRetry(display, [&] { return display.lock(locked); }) != SurfaceResult::Ok) return;
    for (int r = 0; r < kScreenHeight; ++r) {
        size_t row = static_cast<size_t>(r) * pitch_;
        std::memcpy(locked + row, frame_.data() + row, kScreenWidth);
    }
    display.unlock();
}

void Vdp::clear(uint8_t colour) {
    for (int r = 0; r < kScreenHeight; ++r)
        std::memset(frame_.data() + static_cast<size_t>(r) * pitch_, colour, kScreenWidth);
}

void Vdp::saveScreen(uint8_t* dest) const {
    for (int r = 0; r < kScreenHeight; ++r)
        std::memcpy(dest + r * kScreenWidth, frame_.data() + static_cast<size_t>(r) * pitch_,
                    kScreenWidth);
}

void Vdp::restoreScreen(const uint8_t* src) {
    for (int r = 0; r < kScreenHeight; ++r)
        std::memcpy(frame_.data() + static_cast<size_t>(r) * pitch_, src + r * kScreenWidth,
                    kScreenWidth);
}

}  // namespace vantor
