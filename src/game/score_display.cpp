#include "game/score_display.h"

#include <cstdio>

#include "common/little_endian.h"
#include "game/play_screen.h"
#include "resources/data30.h"
#include "video/vdp.h"

namespace vantor {
namespace {

constexpr int kCentreX = 513;
constexpr int kBaseY = 70;
constexpr int kDigitGap = 2;

const uint8_t* digitImage(char c) { return res.digits[c - '0']; }
int imageWidth(const uint8_t* image) { return readU16(image + 4); }

}  // namespace

void drawScore() {
    char text[16];
    std::snprintf(text, sizeof text, "%i", play.score);
    int width = 0;
    for (const char* p = text; *p; ++p) width += imageWidth(digitImage(*p));
    int x = kCentreX - width / 2;
    int y = kBaseY + (width / 2) / 10;
    for (const char* p = text; *p; ++p) {
        const uint8_t* digit = digitImage(*p);
        vdp.drawImage(x, y, digit);
        y -= 1;
        x += imageWidth(digit) + kDigitGap;
    }
}

}  // namespace vantor
