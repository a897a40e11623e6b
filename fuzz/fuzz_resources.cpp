// Feeds arbitrary bytes to the resource loader. Whatever it accepts is then
// drawn and read in full, so a picture the checks let through but the
// drawing code cannot handle shows up here.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/headless/headless_backend.h"
#include "resources/data30.h"
#include "resources/resource_image.h"
#include "video/vdp.h"

namespace {

using namespace vantor;

void drawTable(Table table, int count, DrawnArea (Vdp::*draw)(int, int, const uint8_t*)) {
    for (int i = 0; i < count; ++i) (vdp.*draw)(0, 0, table[i]);
}

void useEverything() {
    vdp.restoreScreen(res.background);
    for (auto* pieces : res.pieces) drawTable(pieces, 13, &Vdp::drawImage);
    drawTable(res.menuButtonAnimation, 7, &Vdp::drawSkipRunImage);
    for (auto* button : res.menuButtons) drawTable(button, 12, &Vdp::drawFillRunImage);
    drawTable(res.menuSlide, 50, &Vdp::drawFillRunImage);
    drawTable(res.curtain, 12, &Vdp::drawFillRunImage);
    drawTable(res.scoreFlash, 8, &Vdp::drawFillRunImage);
    drawTable(res.ambient, 30, &Vdp::drawFillRunImage);
    drawTable(res.digits, 10, &Vdp::drawImage);
    drawTable(res.scoreMarker, 12, &Vdp::drawImage);
    vdp.drawFillRunImage(0, 0, res.menuBackdrop);
    vdp.drawFillRunImage(0, 0, res.title);
    vdp.drawImage(320, 240, res.gameOver);
    vdp.drawImage(0, 0, res.pointer);
    vdp.setPalette(res.gamePalette);
    vdp.setPalette(res.titlePalette);
    char all[256];
    for (int i = 0; i < 255; ++i) all[i] = static_cast<char>(i + 1);
    all[255] = 0;
    DrawnArea area;
    vdp.drawText(320, 240, all, AlignCentre, area);
    for (int m = 0; m < 8; ++m) vdp.drawText(0, 0, message(m), AlignLeft, area);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    platform::headless::installFresh();
    vdp.init(true);
    return 0;
}

// Every input is followed by a background's worth of zeros, so inputs stay
// small and mutations fall on the tables and pictures.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<uint8_t> file(data, data + size);
    file.resize(size + kScreenCopyBytes, 0);
    if (setUpData30(resourceImageFromBytes(file.data(), file.size()))) useEverything();
    releaseData30();
    return 0;
}
