// What keeping the game costs: the first frame of a rest stores it durably
// (the frame's whole budget is 35 ms at the usual speed, under 1 ms is the
// goal), later frames of the rest cost next to nothing, and a start resumes it.
// GAME30 goes to VANTOR_HOME when set, else to a folder under the current one.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "common/random.h"
#include "game/board.h"
#include "game/play_screen.h"
#include "platform/headless/headless_backend.h"
#include "resources/data30.h"
#include "screens/saved_game.h"
#include "video/vdp.h"

namespace vantor {
namespace {

// Four rings of resting pieces at rest, GAME30 held.
bool restOnABusyBoard() {
    if (!std::getenv("VANTOR_HOME")) {
        std::filesystem::create_directories("bench-home");
        setenv("VANTOR_HOME", "bench-home/", 1);
    }
    platform::headless::installFresh();
    if (!vdp.init(true) || !loadData30()) return false;
    rng.seed(10);
    board = Board{};
    play = PlayState{};
    board.phase = Idle;
    for (int column = 0; column < kColumns; ++column) {
        for (int row = 0; row < 4; ++row) {
            Cell& c = board.cell(row, column);
            c.state = Resting;
            c.colour = static_cast<int8_t>(rng.below(kColours));
            ++board.pieceCount;
        }
    }
    savedGame.open();
    return true;
}

// The first frame of a rest: the rest is written and made durable.
void BM_StoreAtRest(benchmark::State& state) {
    if (!restOnABusyBoard()) {
        state.SkipWithError("DATA30.RES must be in the current folder");
        return;
    }
    for (auto _ : state) {
        board.phase = Removing;  // a move between, as in play
        savedGame.noteFrame();
        board.phase = Idle;
        ++play.score;
        savedGame.noteFrame();
    }
    savedGame.close();
}
BENCHMARK(BM_StoreAtRest)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// A later frame of the same rest: only seen to be one.
void BM_NoteLaterRestFrame(benchmark::State& state) {
    if (!restOnABusyBoard()) {
        state.SkipWithError("DATA30.RES must be in the current folder");
        return;
    }
    savedGame.noteFrame();
    for (auto _ : state) savedGame.noteFrame();
    savedGame.close();
}
BENCHMARK(BM_NoteLaterRestFrame)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// A start that finds a game: GAME30 read, checked and put into play. The
// file is the game as it stands, not its history, so a game of 30 minutes
// resumes as fast as one of 30 seconds.
void BM_Resume(benchmark::State& state) {
    if (!restOnABusyBoard()) {
        state.SkipWithError("DATA30.RES must be in the current folder");
        return;
    }
    savedGame.noteFrame();
    savedGame.close();
    for (auto _ : state) {
        savedGame.open();
        if (!savedGame.resume()) state.SkipWithError("the stored game did not resume");
        savedGame.close();
    }
}
BENCHMARK(BM_Resume)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace vantor
