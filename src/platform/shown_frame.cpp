#include "platform/shown_frame.h"

#include <cstring>

namespace vantor::platform {

namespace {
constexpr size_t kPixels = 640 * 480;
}  // namespace

bool ShownFrame::isNew(const uint8_t* pixels, const void* colours, size_t colourBytes) {
    bool sameColours = colours_.size() == colourBytes && std::memcmp(colours_.data(), colours, colourBytes) == 0;
    if (sameColours && pixels_.size() == kPixels && std::memcmp(pixels_.data(), pixels, kPixels) == 0) return false;
    const auto* bytes = static_cast<const uint8_t*>(colours);
    colours_.assign(bytes, bytes + colourBytes);
    pixels_.assign(pixels, pixels + kPixels);
    return true;
}

}  // namespace vantor::platform
