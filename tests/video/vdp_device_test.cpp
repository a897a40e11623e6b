#include <numeric>

#include "video_fixture.h"

namespace vantor::test {
namespace {

using platform::SurfaceResult;

class VdpDevice : public VdpFixture {
protected:
    // The visible 640 x 480 of the shown surface equals the frame buffer's.
    bool surfaceShowsFrame() {
        const auto& surface = display().surface();
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 640; ++x)
                if (surface[size_t(y) * vdp.pitch() + x] != vdp.pixel(x, y)) return false;
        return true;
    }
    void drawSomething() {
        for (int y = 0; y < 480; ++y)
            for (int x = 0; x < 640; ++x) vdp.frameBuffer()[size_t(y) * vdp.pitch() + x] = uint8_t(x ^ y);
    }
};

TEST_F(VdpDevice, StartsWithAnAllZeroFrameBufferOfTheSurfacePitch) {
    openVdp(704);
    const uint8_t* fb = vdp.frameBuffer();
    EXPECT_TRUE(std::all_of(fb, fb + 704 * 480, [](uint8_t b) { return b == 0; }));
}

TEST_F(VdpDevice, InitFailsWhenTheDisplayCannotBeOpened) {
    platform::headless::installFresh();
    platform::headless::setFault("vdp", true);
    EXPECT_FALSE(vdp.init(true));
}

TEST_F(VdpDevice, PresentCopiesOnlyTheVisibleColumnsOfAWidePitch) {
    openVdp(704);
    drawSomething();
    for (int y = 0; y < 480; ++y) vdp.frameBuffer()[size_t(y) * 704 + 650] = 77;
    vdp.present();
    EXPECT_EQ(display().presents(), 1u);
    EXPECT_TRUE(surfaceShowsFrame());
    for (int y = 0; y < 480; ++y) ASSERT_EQ(display().surface()[size_t(y) * 704 + 650], 0) << y;
}

TEST_F(VdpDevice, ClearThenPresentShowsOneColourEverywhere) {
    openVdp(704);
    drawSomething();
    vdp.clear(1);
    vdp.present();
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) ASSERT_EQ(display().surface()[size_t(y) * 704 + x], 1);
}

TEST_F(VdpDevice, SaveAndRestoreUsePackedRowsWhateverThePitch) {
    openVdp(704);
    drawSomething();
    std::vector<uint8_t> saved(kScreenCopyBytes);
    vdp.saveScreen(saved.data());
    for (int y = 0; y < 480; y += 37)
        for (int x = 0; x < 640; x += 13) ASSERT_EQ(saved[size_t(y) * 640 + x], uint8_t(x ^ y));

    std::vector<uint8_t> picture(kScreenCopyBytes);
    std::iota(picture.begin(), picture.end(), uint8_t{3});
    fillFrame(0xAB);
    vdp.restoreScreen(picture.data());
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) ASSERT_EQ(vdp.pixel(x, y), picture[size_t(y) * 640 + x]);
        for (int x = 640; x < 704; ++x) ASSERT_EQ(vdp.pixel(x, y), 0xAB);
    }
}

TEST_F(VdpDevice, PaletteComponentsAreWidenedAndReservedEntriesMarked) {
    openVdp();
    std::vector<uint8_t> palette(768);
    for (int i = 0; i < 768; ++i) palette[i] = uint8_t(i % 64);
    palette[0] = 63;
    vdp.setPalette(palette.data());
    const PaletteEntry* e = vdp.paletteEntries();
    EXPECT_EQ(e[0].red, 252);
    EXPECT_EQ(e[1].red, (3 % 64) << 2);
    EXPECT_EQ(e[1].green, (4 % 64) << 2);
    EXPECT_EQ(e[1].blue, (5 % 64) << 2);
    for (int i = 0; i < 256; ++i) {
        uint8_t flags = (i <= 9 || i >= 246) ? PC_EXPLICIT : PC_NOCOLLAPSE;
        ASSERT_EQ(e[i].flags, flags) << i;
        ASSERT_EQ(display().palette()[i * 3 + 2], e[i].blue);
    }
}

TEST_F(VdpDevice, FirstPaletteWaitsAndAttachesLaterOnesOnlyLoad) {
    openVdp();
    std::vector<uint8_t> palette(768, 10);
    vdp.setPalette(palette.data());
    EXPECT_EQ(display().verticalBlankWaits(), 1u);
    EXPECT_TRUE(display().paletteAttached());
    EXPECT_EQ(display().paletteLoads(), 2u);

    palette[30] = 20;
    display().scriptAnswers({SurfaceResult::Lost});  // would be seen by a second attach
    vdp.setPalette(palette.data());
    EXPECT_EQ(display().verticalBlankWaits(), 1u);
    EXPECT_EQ(display().paletteLoads(), 3u);
    EXPECT_EQ(display().palette()[30], 80);
    EXPECT_FALSE(display().lost());
}

TEST_F(VdpDevice, FirstPaletteAttachRetriesWhileBusyAndAfterARestore) {
    openVdp();
    std::vector<uint8_t> palette(768, 10);
    display().scriptAnswers({SurfaceResult::Busy, SurfaceResult::Lost, SurfaceResult::Busy});
    vdp.setPalette(palette.data());
    EXPECT_TRUE(display().paletteAttached());
    EXPECT_EQ(display().restoreCalls(), 1u);
    EXPECT_EQ(display().paletteLoads(), 2u);
}

TEST_F(VdpDevice, UnrestorableFirstPaletteStaysUnattachedAndLaterCallsOnlyLoad) {
    openVdp();
    std::vector<uint8_t> palette(768, 10);
    display().scriptAnswers({SurfaceResult::Lost});
    display().setRestoreFails(true);
    vdp.setPalette(palette.data());
    EXPECT_FALSE(display().paletteAttached());
    EXPECT_EQ(display().paletteLoads(), 1u);

    display().setRestoreFails(false);
    vdp.setPalette(palette.data());
    EXPECT_FALSE(display().paletteAttached());
    EXPECT_EQ(display().verticalBlankWaits(), 1u);
    EXPECT_EQ(display().paletteLoads(), 2u);
}

TEST_F(VdpDevice, PresentAsksABusySurfaceAgain) {
    openVdp();
    drawSomething();
    display().scriptAnswers({SurfaceResult::Busy, SurfaceResult::Busy});
    vdp.present();
    EXPECT_EQ(display().lockCalls(), 3u);
    EXPECT_EQ(display().presents(), 1u);
    EXPECT_TRUE(surfaceShowsFrame());
}

TEST_F(VdpDevice, PresentAfterALostSurfaceShowsTheWholeFrame) {
    openVdp(672);
    drawSomething();
    vdp.present();
    display().scriptAnswers({SurfaceResult::Lost});
    vdp.present();
    EXPECT_EQ(display().restoreCalls(), 1u);
    EXPECT_EQ(display().presents(), 2u);
    EXPECT_TRUE(surfaceShowsFrame());
}

TEST_F(VdpDevice, UnrestorableSurfaceSkipsTheFrameUntilItComesBack) {
    openVdp();
    drawSomething();
    display().scriptAnswers({SurfaceResult::Lost});
    display().setRestoreFails(true);
    vdp.present();
    EXPECT_EQ(display().presents(), 0u);
    EXPECT_FALSE(surfaceShowsFrame());

    vdp.present();  // still lost, still not restorable
    EXPECT_EQ(display().presents(), 0u);

    display().setRestoreFails(false);
    vdp.present();
    EXPECT_EQ(display().presents(), 1u);
    EXPECT_TRUE(surfaceShowsFrame());
}

TEST_F(VdpDevice, OtherLockFailuresSkipTheFrameWithoutRetrying) {
    openVdp();
    display().scriptAnswers({SurfaceResult::Failed});
    vdp.present();
    EXPECT_EQ(display().lockCalls(), 1u);
    EXPECT_EQ(display().presents(), 0u);
}

TEST_F(VdpDevice, NamedSurfaceFaultsFollowTheRetryRule) {
    openVdp();
    drawSomething();
    platform::headless::setFault("surface-busy", true);
    vdp.present();
    EXPECT_EQ(display().lockCalls(), 1u + platform::headless::HeadlessDisplay::kBusyAnswers);
    EXPECT_EQ(display().presents(), 1u);

    platform::headless::clearFaults();
    platform::headless::setFault("surface-lost", true);
    vdp.present();
    vdp.present();
    EXPECT_EQ(display().restoreCalls(), 2u);
    EXPECT_EQ(display().presents(), 3u);
    EXPECT_TRUE(surfaceShowsFrame());

    platform::headless::clearFaults();
    platform::headless::setFault("surface-restore", true);
    vdp.present();
    EXPECT_EQ(display().presents(), 3u);
}

}  // namespace
}  // namespace vantor::test
