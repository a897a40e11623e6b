#include "game/play_trace.h"

#include <algorithm>
#include <cstdio>

#include "common/random.h"
#include "common/utf8_file.h"
#include "game/board.h"
#include "game/play_screen.h"
#include "input/input_devices.h"
#include "platform/platform.h"

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
    file_.open(utf8Path(path), std::ios::binary | std::ios::app);
    return file_.is_open();
}

void PlayTrace::close() {
    if (file_.is_open()) file_.close();
    file_.clear();
}

void PlayTrace::beginFrame() {
    if (!checkedEnvironment_) {
        checkedEnvironment_ = true;
        if (std::string path = platform::option("VANTOR_TRACE"); !path.empty())
            file_.open(utf8Path(path), std::ios::binary | std::ios::app);
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
    if (!file_.is_open()) return;
    char menu[16] = "-";
    if (menuResult != kNoMenu) std::snprintf(menu, sizeof menu, "%d", menuResult);
    char cellText[kCells * 2 + 1];
    for (int i = 0; i < kCells; ++i) {
        static const char hex[] = "0123456789abcdef";
        cellText[i * 2] = hex[board.cells[i].state & 15];
        cellText[i * 2 + 1] = static_cast<char>('0' + board.cells[i].colour);
    }
    cellText[kCells * 2] = 0;
    char line[512];
    // One word for each of kFields, in its order.
    int length = std::snprintf(
        line, sizeof line, "%llu %d %d %d %d %x %s %d %d %d %d %d %d %d %d %.2f %.2f %08x %s\n",
        static_cast<unsigned long long>(n), mouseX_, mouseY_, left_, right_, keys_, menu, board.phase,
        board.busyCount, play.score, play.removalScore, board.pieceCount, board.selected,
        play.clickState, play.stepDivider, board.carrierX, board.carrierY, rng.state, cellText);
    file_.write(line, std::min<int>(length, sizeof line - 1));
    file_.flush();
}

}  // namespace vantor
