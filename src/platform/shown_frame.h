#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vantor::platform {

// The frame a window shows: most presents bring the same pixels through the
// same colours again (a board at rest, a table), and those need neither
// scaling nor showing. Whatever changes the output itself (its size, its
// density, an exposure, a full-screen switch) is the backend's to redraw.
class ShownFrame {
public:
    // True when the 640 x 480 pixels or the colours differ from the frame
    // shown last (or nothing was shown yet); they become the frame shown.
    bool isNew(const uint8_t* pixels, const void* colours, size_t colourBytes);

private:
    std::vector<uint8_t> pixels_;
    std::vector<uint8_t> colours_;
};

}  // namespace vantor::platform
