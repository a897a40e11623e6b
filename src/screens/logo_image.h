#pragma once
#include <cstdint>
#include <memory>

#include "resources/data30.h"
#include "resources/resource_image.h"

namespace vantor {

// The intro's own resource image, kelvo.res: the logo palette (slot 0) and
// its pictures (slot 1: 0..40 the animation, 41 and 42 two full screens).
// Loaded once per run and kept until the program ends.
struct LogoImage {
    static constexpr int kAnimationImages = 41;
    static constexpr int kPictures = 43;

    // Loads kelvo.res on the first call. True when the logo can be shown: a
    // file that cannot be read or would draw outside its block is refused.
    bool load();

    std::unique_ptr<ResourceImage> image;
    const uint8_t* palette = nullptr;
    Table pictures = nullptr;
    bool attempted = false;
};

inline LogoImage logoImage;

}  // namespace vantor
