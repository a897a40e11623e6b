#include "logo_art.h"

#include "geometry.h"
#include "label.h"

namespace resbuild {
namespace {

constexpr Ramp kLight{1, 223};    // black to sea light to white
constexpr Ramp kAccent{224, 32};  // only what the last card adds
constexpr Vec2 kSpring{320.0f, 200.0f};

// A full-screen mask of centred text.
std::vector<float> screenText(const std::u32string& text, Face face, int size, int spacing, int top) {
    std::vector<float> out(640 * 480, 0.0f);
    Mask m = textMask(text, face, size, spacing);
    int x0 = (640 - m.w) / 2;
    for (int r = 0; r < m.h; ++r)
        for (int c = 0; c < m.w; ++c) out[static_cast<size_t>(top + r) * 640 + static_cast<size_t>(x0 + c)] = float(m.at(c, r)) / 255.0f;
    return out;
}

// Frame k of 41: rings spread from a spring and light the name as they pass.
Picture logoFrame(int k, const std::vector<float>& name) {
    Picture p(640, 480);
    float t = float(k) / 40.0f;
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) {
            Vec2 s{float(x) + 0.5f, float(y) + 0.5f};
            float r = length(Vec2{s.x - kSpring.x, (s.y - kSpring.y) * 1.6f});
            float rings = 0;
            for (int j = 0; j < 4; ++j) {
                float front = (t * 1.5f - float(j) * 0.22f) * 420.0f;
                if (front <= 0) continue;
                float fade = std::max(0.0f, 1.0f - front / 520.0f);
                rings += fade * std::exp(-std::pow((r - front) / 5.0f, 2.0f));
            }
            float lit = std::clamp((t * 1.5f * 420.0f - r) / 120.0f, 0.0f, 1.0f);
            float level = 0.03f + 0.35f * rings + 0.95f * name[static_cast<size_t>(y) * 640 + static_cast<size_t>(x)] * lit;
            p.at(x, y) = shade(kLight, level);
        }
    return p;
}

}  // namespace

std::vector<Rgb> logoPalette() {
    std::vector<Rgb> p(256);
    fillRamp(p, kLight, {1, 2, 4}, {6, 30, 40}, {63, 63, 63});
    fillRamp(p, kAccent, {20, 10, 2}, {56, 40, 10}, {63, 63, 46});
    return p;
}

std::vector<Picture> logoPictures() {
    std::vector<float> name = screenText(U"KELVO", Face::SerifBold, 96, 8, 150);
    std::vector<Picture> out;
    for (int k = 0; k <= 40; ++k) out.push_back(logoFrame(k, name));
    Picture withMark = out.back();
    Mask mark = textMask(U"P L A I X", Face::SansBold, 34, 4);
    stampCentred(withMark, mark, 0, 290, 640, 50, kAccent, 1.0f, 0.4f);
    out.push_back(withMark);
    Picture card(640, 480);
    for (uint8_t& v : card.px) v = kLight.base;
    Mask presents = textMask(U"presents", Face::Sans, 30, 2);
    stampCentred(card, presents, 0, 150, 640, 50, kLight, 0.8f, 0.6f);
    Mask game = textMask(U"a TIDEWELL game", Face::SerifBold, 44, 3);
    stampCentred(card, game, 0, 230, 640, 70, kLight, 1.0f, 0.55f);
    out.push_back(card);
    return out;
}

}  // namespace resbuild
