#include "game/game_snapshot.h"

#include <cstring>
#include <type_traits>

#include "app/startup.h"
#include "common/random.h"
#include "game/board.h"
#include "game/cell_cursor.h"
#include "game/menu_button_animation.h"
#include "game/play_screen.h"
#include "game/score_flash.h"
#include "game/speed_control.h"
#include "screens/ambient_animation.h"

namespace vantor {
namespace {

constexpr int kMostAnimations = 10;

// Every field once, for both directions, so that writing and reading cannot
// drift apart.
template <typename Io>
void visitCell(Io& io, Cell& c) {
    io(c.colour), io(c.visited), io(c.state), io(c.counter), io(c.spin), io(c.swapY);
    io(c.x), io(c.y), io(c.cosine), io(c.sine), io(c.vx), io(c.vy), io(c.pathLength);
    io(c.framesLeft), io(c.shakeX), io(c.shakeY), io(c.shakeFrame), io(c.shakeCountdown);
}

template <typename Io>
void visitBoard(Io& io, Board& b) {
    io(b.groupSize);
    for (RowColumn& at : b.removalList) io(at.row), io(at.column);
    io(b.removalCount), io(b.carrierX), io(b.carrierY), io(b.carrierVx), io(b.carrierVy);
    io(b.carrierFrames);
    for (Cell& c : b.cells) visitCell(io, c);
    io(b.pieceCount), io(b.selected), io(b.swapA), io(b.swapB), io(b.busyCount), io(b.phase);
    for (uint8_t& removed : b.removedPerColumn) io(removed);
    io(b.firstLegPending), io(b.waveStagger);
}

template <typename Io>
void visitGame(Io& io) {
    visitBoard(io, board);
    io(play.clickState), io(play.stepDivider), io(play.score), io(play.removalScore), io(play.keepScore);
    io(rng.state), io(frameDelay);
    int32_t animations = ambientAnimationList.count;
    io(animations);
    for (int i = 0; i < kMostAnimations; ++i) {
        AmbientAnimation spare;
        AmbientAnimation& a = i < ambientAnimationList.count ? *ambientAnimationList.items[i] : spare;
        io(a.countdown), io(a.state), io(a.frame), io(a.enabled);
    }
    io(scoreFlash.on), io(scoreFlash.frame), io(scoreFlash.rounds);
    SpeedGauge& g = speedGauge;
    io(g.timer), io(g.markerX), io(g.wasPressed), io(g.dragging), io(g.lastX), io(g.lastY), io(g.wanted);
    io(menuButtonAnimation.on), io(menuButtonAnimation.frame), io(menuButtonAnimation.divider);
    io(cellCursor.column), io(cellCursor.row);
    if (animations != ambientAnimationList.count) io.refuse();
}

template <typename T>
using Bits = std::conditional_t<sizeof(T) == 1, uint8_t, uint32_t>;

// The browser build's library has no std::bit_cast.
template <typename To, typename From>
To sameBits(const From& from) {
    static_assert(sizeof(To) == sizeof(From));
    To to;
    std::memcpy(&to, &from, sizeof to);
    return to;
}

struct Writer {
    std::vector<uint8_t>& out;

    template <typename T>
    void operator()(T& value) {
        static_assert(sizeof(T) == 1 || sizeof(T) == 4);
        Bits<T> bits;
        if constexpr (std::is_same_v<T, bool>)
            bits = value ? 1 : 0;
        else
            bits = sameBits<Bits<T>>(value);
        for (size_t i = 0; i < sizeof bits; ++i) out.push_back(static_cast<uint8_t>(bits >> (8 * i)));
    }
    void refuse() {}
};

struct Reader {
    const uint8_t* at;
    size_t left;
    bool ok = true;

    template <typename T>
    void operator()(T& value) {
        Bits<T> bits = 0;
        if (left < sizeof bits) {
            ok = false;
            return;
        }
        for (size_t i = 0; i < sizeof bits; ++i) bits = static_cast<Bits<T>>(bits | Bits<T>(at[i]) << (8 * i));
        at += sizeof bits;
        left -= sizeof bits;
        if constexpr (std::is_same_v<T, bool>) {
            ok = ok && bits <= 1;
            value = bits != 0;
        } else {
            value = sameBits<T>(bits);
        }
    }
    void refuse() { ok = false; }
};

bool within(int32_t value, int32_t low, int32_t high) { return value >= low && value <= high; }

// Pieces stack from the hub outward, every one at rest in a colour of the game.
bool boardFollowsRules(const Board& b) {
    int pieces = 0;
    for (int column = 0; column < kColumns; ++column) {
        bool hole = false;
        for (int row = 0; row < kRows; ++row) {
            const Cell& c = b.cells[cellIndex(row, column)];
            if (!within(c.colour, 0, kColours - 1)) return false;
            if (c.state == Empty) {
                hole = true;
                continue;
            }
            if (c.state != Resting || hole) return false;
            if (!within(c.shakeFrame, -1, 1) || !within(c.shakeX, -2, 2) || !within(c.shakeY, -2, 2) ||
                !within(c.shakeCountdown, 0, 2))
                return false;
            ++pieces;
        }
        if (b.removedPerColumn[column] > kRows) return false;
    }
    bool selectedRests = b.selected == -1 || (within(b.selected, 0, kCells - 1) && b.cells[b.selected].state == Resting);
    for (int i = 0; i < kCells; ++i)
        if (!within(b.removalList[i].row, 0, kRows - 1) || !within(b.removalList[i].column, 0, kColumns - 1))
            return false;
    return pieces == b.pieceCount && selectedRests && b.phase == Idle && b.busyCount == 0 &&
           b.carrierX == kCarrierHomeX && b.carrierY == kCarrierHomeY && within(b.removalCount, 0, kCells) &&
           within(b.swapA, 0, kCells - 1) && within(b.swapB, 0, kCells - 1);
}

// The indicators and animations only ever take these values; others would
// draw off their image tables or the screen.
bool restFollowsRules() {
    for (int i = 0; i < ambientAnimationList.count; ++i) {
        const AmbientAnimation& a = *ambientAnimationList.items[i];
        if (!within(a.countdown, 1, 100) || !within(a.state, 0, 1) || !within(a.frame, 0, a.frameCount - 1))
            return false;
    }
    const SpeedGauge& g = speedGauge;
    return boardFollowsRules(board) && within(play.clickState, 0, 0) && within(play.score, 0, INT32_MAX) &&
           within(frameDelay, 5, 80) && within(scoreFlash.frame, 0, 7) && within(scoreFlash.rounds, 0, 2) &&
           (g.markerX == 0 || within(g.markerX, gaugeMarkerX(80), gaugeMarkerX(5))) && (g.wanted == 0 || within(g.wanted, 5, 80)) &&
           within(menuButtonAnimation.frame, 0, 6) && within(menuButtonAnimation.divider, 0, 3) &&
           within(cellCursor.column, 0, kColumns - 1) && within(cellCursor.row, 0, kRows - 1);
}

}  // namespace

std::vector<uint8_t> takeGameSnapshot() {
    std::vector<uint8_t> bytes;
    Writer writer{bytes};
    visitGame(writer);
    return bytes;
}

bool restoreGameSnapshot(const uint8_t* bytes, size_t size) {
    std::vector<uint8_t> before = takeGameSnapshot();
    if (size != before.size()) return false;
    Reader reader{bytes, size};
    visitGame(reader);
    if (reader.ok && restFollowsRules()) return true;
    Reader undo{before.data(), before.size()};
    visitGame(undo);
    return false;
}

bool gameAtRest() { return board.phase == Idle && play.clickState == 0 && board.pieceCount <= kCells; }

}  // namespace vantor
