#include "platform/headless/headless_display.h"

#include <cstring>

#include "platform/headless/faults.h"
#include "platform/platform.h"

namespace vantor::platform::headless {

HeadlessDisplay::HeadlessDisplay(World& world) : world_(world) {}

bool HeadlessDisplay::open(bool) {
    if (fault("vdp")) return false;
    pitch_ = optionInt("VANTOR_PITCH", 640);
    if (pitch_ < 640 || pitch_ > 8192) pitch_ = 640;
    surface_.assign(static_cast<size_t>(pitch_) * 480, 0);
    return true;
}

SurfaceResult HeadlessDisplay::lock(uint8_t*& pixels) {
    pixels = surface_.data();
    return SurfaceResult::Ok;
}

void HeadlessDisplay::unlock() { ++presents_; }

bool HeadlessDisplay::restore() { return true; }

SurfaceResult HeadlessDisplay::attachPalette() { return SurfaceResult::Ok; }

void HeadlessDisplay::setEntries(const uint8_t rgb[768]) { std::memcpy(palette_, rgb, 768); }

void HeadlessDisplay::waitVerticalBlank() {}

void HeadlessDisplay::close() { surface_.clear(); }

}  // namespace vantor::platform::headless
