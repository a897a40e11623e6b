#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "platform/headless/headless_backend.h"
#include "platform/sharp_scaler.h"
#include "platform/shown_frame.h"
#include "resources/picture_checks.h"
#include "video/vdp.h"

namespace vantor {
namespace {

// A Vdp on a fresh headless display, as the game has it.
Vdp& benchVdp() {
    static Vdp* device = [] {
        platform::headless::installFresh();
        auto* v = new Vdp;
        v->init(true);
        return v;
    }();
    return *device;
}

std::vector<uint8_t> screenPicture() {
    std::vector<uint8_t> picture(kScreenCopyBytes);
    for (size_t i = 0; i < picture.size(); ++i) picture[i] = uint8_t(i * 7 / 640);
    return picture;
}

void BM_MemcpyScreen(benchmark::State& state) {
    std::vector<uint8_t> src = screenPicture(), dst(kScreenCopyBytes);
    for (auto _ : state) {
        std::memcpy(dst.data(), src.data(), kScreenCopyBytes);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MemcpyScreen);

void BM_RestoreScreen(benchmark::State& state) {
    Vdp& v = benchVdp();
    std::vector<uint8_t> picture = screenPicture();
    for (auto _ : state) {
        v.restoreScreen(picture.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_RestoreScreen);

void BM_DrawImage32x32(benchmark::State& state) {
    Vdp& v = benchVdp();
    std::vector<uint8_t> image = {0xF0, 0xFF, 0xF0, 0xFF, 32, 0, 32, 0};  // offsets -16, -16
    for (int i = 0; i < 32 * 32; ++i) image.push_back(uint8_t(i % 5 == 0 ? 0 : i));
    for (auto _ : state) {
        benchmark::DoNotOptimize(v.drawImage(320, 240, image.data()));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DrawImage32x32);

// Every row: a 64-pixel skip at each end and 64-pixel fills and copies taking
// turns between them.
std::vector<uint8_t> fullScreenFillRun() {
    std::vector<uint8_t> image = {0, 0, 0, 0, 0x80, 2, 0xE0, 1};
    for (int r = 0; r < 480; ++r) {
        image.insert(image.end(), {10, 0x3F});
        for (int k = 0; k < 8; ++k) {
            if (k % 2 == 0) {
                image.insert(image.end(), {0xFF, uint8_t(r + k)});
            } else {
                image.push_back(0xBF);
                for (int i = 0; i < 64; ++i) image.push_back(uint8_t(r + i));
            }
        }
        image.push_back(0x3F);
    }
    return image;
}

void BM_DrawFillRunFullScreen(benchmark::State& state) {
    Vdp& v = benchVdp();
    std::vector<uint8_t> image = fullScreenFillRun();
    if (!runImageFits(image.data(), image.size(), true)) state.SkipWithError("malformed picture");
    for (auto _ : state) {
        benchmark::DoNotOptimize(v.drawFillRunImage(0, 0, image.data()));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DrawFillRunFullScreen);

// The picture enlarged sharp to the 4:3 part of an output: 640 x 480 (a
// plain colour lookup), a laptop, twice, a 1920 x 1080 screen, and a 4K
// screen at the whole factor 4 and filled.
void BM_SharpScale(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0)), height = width * 3 / 4;
    std::vector<uint8_t> frame = screenPicture();
    uint32_t colours[256];
    for (int i = 0; i < 256; ++i) colours[i] = 0xFF000000u | uint32_t(i) * 0x010101u;
    std::vector<uint32_t> out(size_t(width) * height);
    platform::SharpScaler scaler;
    scaler.resize(width, height);
    for (auto _ : state) {
        scaler.scale(frame.data(), 640, colours, out.data(), width * 4);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * width * height);
}
BENCHMARK(BM_SharpScale)->Arg(640)->Arg(1024)->Arg(1280)->Arg(1440)->Arg(2560)->Arg(2880)->Unit(benchmark::kMicrosecond);

// What a present costs a window before it is shown, on a 1920 x 1080
// screen: a frame that moved (/1, its last pixel: the whole frame is
// compared) is kept and enlarged; a still one (/0) stops at the comparison.
void BM_Present(benchmark::State& state) {
    const bool moving = state.range(0) != 0;
    std::vector<uint8_t> frame = screenPicture();
    uint32_t colours[256];
    for (int i = 0; i < 256; ++i) colours[i] = 0xFF000000u | uint32_t(i) * 0x010101u;
    std::vector<uint32_t> out(size_t(1440) * 1080);
    platform::SharpScaler scaler;
    scaler.resize(1440, 1080);
    platform::ShownFrame shown;
    for (auto _ : state) {
        if (moving) frame.back() ^= 1;
        if (shown.isNew(frame.data(), colours, sizeof colours)) scaler.scale(frame.data(), 640, colours, out.data(), 1440 * 4);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Present)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vantor
