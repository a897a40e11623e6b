#include "game/play_trace.h"

#include <cstdlib>

#include "common/random.h"
#include "game/board.h"
#include "game/play_screen.h"
#include "input/input_devices.h"

namespace vantor {
namespace {

bool held(uint8_t key) { return inputDevices.keyState[key] != 0; }

unsigned keysHeld() {
    unsigned keys = 0;
    if (held(DIK_ESCAPE)) keys |= 1;
    if (held(DIK_F10)) keys |= 2;
    if (held(DIK_ADD)) keys |= 4;
    if (held(DIK_SUBTRACT)) keys |= 8;
    if (reDealChordHeld()) keys |= 16;
    return keys;
}

}  // namespace

bool PlayTrace::open(const std::string& path) {
    close();
    checkedEnvironment_ = true;
    calls_ = 0;
    file_ = std::fopen(path.c_str(), "ab");
    return file_ != nullptr;
}

void PlayTrace::close() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
}

void PlayTrace::beginFrame() {
    if (!checkedEnvironment_) {
        checkedEnvironment_ = true;
        if (const char* path = std::getenv("VANTOR_TRACE"); path && *path) file_ = std::fopen(path, "ab");
    }
    const MouseState& mouse = inputDevices.mouse;
    mouseX_ = mouse.x;
    mouseY_ = mouse.y;
    left_ = mouse.left ? 1 : 0;
    right_ = mouse.right ? 1 : 0;
    keys_ = keysHeld();
}

void PlayTrace::endFrame(int menuResult) {
    uint64_t n = calls_++;
    if (!file_) return;
    char menu[16] = "-";
    if (menuResult != kNoMenu) std::snprintf(menu, sizeof menu, "%d", menuResult);
    char cellText[kCells * 2 + 1];
    for (int i = 0; i < kCells; ++i) {
        static const char hex[] = "0123456789abcdef";
        cellText[i * 2] = hex[board.cells[i].state & 15];
        cellText[i * 2 + 1] = static_cast<char>('0' + board.cells[i].colour);
    }
    cellText[kCells * 2] = 0;
    std::fprintf(file_, "%llu %d %d %d %d %x %s %d %d %d %d %d %d %d %d %.2f %.2f %08x %s\n",
                 static_cast<unsigned long long>(n), mouseX_, mouseY_, left_, right_, keys_, menu,
                 board.phase, board.busyCount, play.score, play.removalScore, board.pieceCount,
                 board.selected, play.clickState, play.stepDivider, board.carrierX, board.carrierY,
                 rng.state, cellText);
    std::fflush(file_);
}

}  // namespace vantor
