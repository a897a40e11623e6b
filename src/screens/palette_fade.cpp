#include "screens/palette_fade.h"

#include "video/vdp.h"

namespace vantor {

void setFadedPalette(const uint8_t* palette, int numerator, int denominator, int first, int last) {
    static uint8_t working[768];
    for (int i = 0; i < 256; ++i) {
        bool faded = first <= i && i <= last;
        for (int c = 0; c < 3; ++c) {
            int component = palette[i * 3 + c];
            working[i * 3 + c] =
                static_cast<uint8_t>(faded ? component * numerator / denominator : component);
        }
    }
    vdp.setPalette(working);
}

}  // namespace vantor
