#pragma once
#include <cstdint>

namespace vantor {

// What a drawing operation touched; empty = 1 when nothing was drawn.
struct DrawnArea {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
    int32_t empty = 1;
};

}  // namespace vantor
