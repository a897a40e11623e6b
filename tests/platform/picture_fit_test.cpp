#include "platform/picture_fit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

#include "support/headless_fixture.h"

namespace vantor::platform {

void PrintTo(const PictureRect& r, std::ostream* out) { *out << r.w << "x" << r.h << "+" << r.x << "+" << r.y; }

namespace {

// Where players meet the picture: browser windows, laptops, handhelds,
// phones, a 4K screen, and outputs no larger than the picture.
TEST(PictureFit, FillTakesTheLargest4To3RectangleAndWholeTheLargestWholeFactor) {
    struct Case {
        int width, height;
        PictureRect fill, whole;
    };
    const Case cases[] = {
        {1920, 947, {329, 0, 1262, 947}, {640, 233, 640, 480}},     // maximised browser
        {1366, 768, {171, 0, 1024, 768}, {363, 144, 640, 480}},     // laptop
        {1280, 800, {107, 0, 1066, 800}, {320, 160, 640, 480}},     // handheld
        {1920, 912, {352, 0, 1216, 912}, {640, 216, 640, 480}},     // browser at 125 %
        {2532, 1170, {486, 0, 1560, 1170}, {626, 105, 1280, 960}},   // phone, landscape
        {1170, 2532, {0, 827, 1170, 877}, {265, 1026, 640, 480}},   // phone, portrait
        {640, 480, {0, 0, 640, 480}, {0, 0, 640, 480}},
        {3840, 2160, {480, 0, 2880, 2160}, {640, 120, 2560, 1920}},
        {1280, 1024, {0, 32, 1280, 960}, {0, 32, 1280, 960}},
        {600, 400, {33, 0, 533, 400}, {33, 0, 533, 400}},           // too small: shrunk
        {320, 480, {0, 120, 320, 240}, {0, 120, 320, 240}},
        {0, 0, {0, 0, 0, 0}, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fitPicture(c.width, c.height, Scaling::Fill), c.fill) << c.width << "x" << c.height;
        EXPECT_EQ(fitPicture(c.width, c.height, Scaling::Whole), c.whole) << c.width << "x" << c.height;
    }
    // VANTOR_SCALING=whole asks for whole factors; anything else fills.
    for (auto [text, scaling] : {std::pair{"whole", Scaling::Whole}, {"fill", Scaling::Fill}, {"", Scaling::Fill}}) {
        testing::ScopedEnv env{"VANTOR_SCALING", text};
        EXPECT_EQ(scalingOption(), scaling) << text;
    }
}

// The page learns its canvas from the same rule: device pixels (whole CSS
// pixels where they are whole), the prescaled canvas where the factor is not
// whole, a portrait phone's picture at the top.
TEST(PictureFit, ThePageCanvasInDevicePixels) {
    struct Case {
        double width, height, ratio;
        Scaling scaling;
        PictureRect picture;
        int canvasWidth, canvasHeight;
        bool smooth, portrait;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {
        {1920, 947, 1, Scaling::Fill, {329, 0, 1262, 947}, 1280, 960, true, false},
        {1536, 730, 1.25, Scaling::Fill, {351, 0, 1217, 913}, 1280, 960, true, false},
        {844, 390, 3, Scaling::Fill, {486, 0, 1560, 1170}, 1920, 1440, true, false},
        {390, 844, 3, Scaling::Fill, {0, 0, 1170, 876}, 1280, 960, true, true},
        {390, 844, 3, Scaling::Whole, {265, 0, 640, 480}, 640, 480, false, true},
        {1300, 1000, 1, Scaling::Whole, {10, 20, 1280, 960}, 640, 480, false, false},
        {1920, 1080, 2, Scaling::Fill, {480, 0, 2880, 2160}, 3200, 2400, true, false},
        // 1262 CSS pixels wide, on the CSS grid (2525 device pixels at 657 would be half off it)
        {1920, 947, 2, Scaling::Fill, {658, 0, 2524, 1894}, 2560, 1920, true, false},
        {1920, 947, 8, Scaling::Fill, {2632, 0, 10096, 7576}, 10240, 7680, true, false},
        {1000, 1000, 2, Scaling::Fill, {0, 250, 2000, 1500}, 2560, 1920, true, false},  // square: not portrait
        {1300, 961, 1, Scaling::Fill, {9, 0, 1281, 961}, 1920, 1440, true, false},  // a pixel past a factor
        {1280, 960, 1, Scaling::Fill, {0, 0, 1280, 960}, 640, 480, false, false},
        {nan, -5, 0, Scaling::Fill, {319, 0, 1, 1}, 640, 480, true, false}  // nonsense: still a picture,
    };
    for (const Case& c : cases) {
        PageLayout layout = pageLayout(c.width, c.height, c.ratio, c.scaling);
        EXPECT_EQ(layout.picture, c.picture) << c.width << "x" << c.height << "@" << c.ratio;
        EXPECT_EQ(layout.canvasWidth, c.canvasWidth) << c.width << "x" << c.height << "@" << c.ratio;
        EXPECT_EQ(layout.canvasHeight, c.canvasHeight) << c.width << "x" << c.height << "@" << c.ratio;
        EXPECT_EQ(layout.smooth, c.smooth) << c.width << "x" << c.height << "@" << c.ratio;
        EXPECT_EQ(layout.portrait, c.portrait) << c.width << "x" << c.height << "@" << c.ratio;
    }
}

// Every output pixel of the picture maps to the picture pixel that covers
// its centre, at whole factors and between them.
TEST(PictureFit, APointerLandsOnThePixelUnderIt) {
    for (auto [width, height] : {std::pair{1366, 768}, {1280, 800}, {1920, 947}, {2532, 1170}, {1280, 960},
                                 {600, 400}, {3840, 2160}}) {
        PictureRect r = fitPicture(width, height, Scaling::Fill);
        for (int px = r.x; px < r.x + r.w; ++px) {
            double centre = (px - r.x + 0.5) * 640.0 / r.w;
            ASSERT_EQ(r.pictureX(px), int(std::floor(centre))) << ::testing::PrintToString(r) << " at x " << px;
        }
        for (int py = r.y; py < r.y + r.h; ++py) {
            double centre = (py - r.y + 0.5) * 480.0 / r.h;
            ASSERT_EQ(r.pictureY(py), int(std::floor(centre))) << ::testing::PrintToString(r) << " at y " << py;
        }
        EXPECT_TRUE(r.contains(r.x, r.y + r.h - 1));
        EXPECT_FALSE(r.contains(r.x + r.w, r.y));
        EXPECT_LE(r.pictureX(0), 0);                   // off the picture: for the game to clamp
        EXPECT_GE(r.pictureY(height * 2), 480);
    }
}

TEST(PictureFit, TheWindowScaleIsTheLargestThatFitsTheDesktop) {
    EXPECT_EQ(fittingScale(1280, 1024, 0), 2);  // nothing asked: the largest
    EXPECT_EQ(fittingScale(1280, 1024, 3), 2);  // too large: lowered
    EXPECT_EQ(fittingScale(2560, 1400, 0), 2);  // the panel takes the third's room
    EXPECT_EQ(fittingScale(3840, 2160, 2), 2);
    EXPECT_EQ(fittingScale(600, 400, 0), 1);    // smaller than the picture: still one
    EXPECT_EQ(fittingScale(1280, 1024, 1), 1);
    EXPECT_EQ(fittingScale(1024, 1600, 0), 1);  // a desktop on its side: the width decides
    // VANTOR_SCALE asks (unset: the largest); one too large is said on stderr.
    for (auto [asked, scale, said] : {std::tuple{"", 2, false}, {"2", 2, false}, {"3", 2, true}}) {
        testing::ScopedEnv env{"VANTOR_SCALE", asked};
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(windowScale(1280, 1024), scale) << asked;
        EXPECT_EQ(::testing::internal::GetCapturedStderr().empty(), !said) << asked;
    }
}

}  // namespace
}  // namespace vantor::platform
