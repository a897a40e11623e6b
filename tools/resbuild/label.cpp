#include "label.h"

namespace resbuild {

void stampText(Picture& p, const Mask& m, int x, int y, Ramp ramp, float topLevel, float bottomLevel, uint8_t outline) {
    auto covered = [&](int c, int r) { return m.at(c, r) >= 128; };
    if (outline)
        for (int r = -1; r <= m.h; ++r)
            for (int c = -1; c <= m.w; ++c) {
                bool near = false;
                for (int dr = -1; dr <= 1; ++dr)
                    for (int dc = -1; dc <= 1; ++dc) near = near || covered(c + dc, r + dr);
                if (near && p.contains(x + c, y + r)) p.at(x + c, y + r) = outline;
            }
    for (int r = 0; r < m.h; ++r)
        for (int c = 0; c < m.w; ++c)
            if (covered(c, r) && p.contains(x + c, y + r)) {
                float t = m.h > 1 ? float(r) / float(m.h - 1) : 0.0f;
                p.at(x + c, y + r) = shade(ramp, topLevel + (bottomLevel - topLevel) * t);
            }
}

void stampCentred(Picture& p, const Mask& m, int boxX, int boxY, int boxW, int boxH, Ramp ramp, float topLevel,
                  float bottomLevel, uint8_t outline) {
    stampText(p, m, boxX + (boxW - m.w) / 2, boxY + (boxH - m.h) / 2, ramp, topLevel, bottomLevel, outline);
}

}  // namespace resbuild
