#include "picture.h"

#include <algorithm>

namespace resbuild {

Picture trimmed(const Picture& p) {
    int left = p.w, top = p.h, right = -1, bottom = -1;
    for (int r = 0; r < p.h; ++r)
        for (int c = 0; c < p.w; ++c)
            if (p.at(c, r)) {
                left = std::min(left, c);
                right = std::max(right, c);
                top = std::min(top, r);
                bottom = std::max(bottom, r);
            }
    if (right < 0) return Picture(1, 1, p.x, p.y);
    Picture out(right - left + 1, bottom - top + 1, p.x + left, p.y + top);
    for (int r = 0; r < out.h; ++r)
        for (int c = 0; c < out.w; ++c) out.at(c, r) = p.at(left + c, top + r);
    return out;
}

Picture overlay(const Picture& bottom, const Picture& top) {
    Picture out = bottom;
    for (int r = 0; r < top.h; ++r)
        for (int c = 0; c < top.w; ++c) {
            int oc = top.x + c - bottom.x, orow = top.y + r - bottom.y;
            if (top.at(c, r) && out.contains(oc, orow)) out.at(oc, orow) = top.at(c, r);
        }
    return out;
}

Picture differenceFrom(const Picture& p, const Picture& screen) {
    Picture out = p;
    for (int r = 0; r < p.h; ++r)
        for (int c = 0; c < p.w; ++c) {
            int sx = p.x + c, sy = p.y + r;
            if (screen.contains(sx, sy) && screen.at(sx, sy) == p.at(c, r)) out.at(c, r) = 0;
        }
    return trimmed(out);
}

Picture crop(const Picture& screen, int x, int y, int w, int h) {
    Picture out(w, h, x, y);
    for (int r = 0; r < h; ++r)
        for (int c = 0; c < w; ++c)
            if (screen.contains(x + c, y + r)) out.at(c, r) = screen.at(x + c, y + r);
    return out;
}

}  // namespace resbuild
