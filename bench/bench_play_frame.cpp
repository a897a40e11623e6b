// How long one play-screen frame takes (game step and the whole composition,
// without present) on a busy board, beside a plain full-screen copy.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "common/random.h"
#include "game/board.h"
#include "game/play_screen.h"
#include "platform/headless/headless_backend.h"
#include "resources/data30.h"
#include "video/vdp.h"

namespace vantor {
namespace {

constexpr int kFramesPerRound = 30;

struct BusyBoard {
    Board board;
    PlayState play;
    uint32_t generator;
};

// Four rings of resting pieces, one of them selected, a wave of ten on its
// way in and the carrier away from the hub.
bool makeBusyBoard(BusyBoard& out) {
    platform::headless::installFresh();
    if (!vdp.init(true) || !loadData30()) return false;
    rng.seed(10);
    board = Board{};
    play = PlayState{};
    for (int column = 0; column < kColumns; ++column) {
        for (int row = 0; row < 4; ++row) {
            Cell& c = board.cell(row, column);
            c.state = Resting;
            c.colour = static_cast<int8_t>(rng.below(kColours));
            ++board.pieceCount;
        }
    }
    board.startWave(10);
    board.select(cellIndex(2, 3));
    board.carrierX = 420.0f;
    board.carrierY = 150.0f;
    out = BusyBoard{board, play, rng.state};
    return true;
}

void BM_PlayFrame(benchmark::State& state) {
    BusyBoard busy;
    if (!makeBusyBoard(busy)) {
        state.SkipWithError("DATA30.RES must be in the current folder");
        return;
    }
    // Back to the same busy moment every few frames, before the wave lands;
    // the copy costs well under a percent of a frame.
    int frame = 0;
    for (auto _ : state) {
        if (frame++ % kFramesPerRound == 0) {
            board = busy.board;
            play = busy.play;
            rng.state = busy.generator;
        }
        benchmark::DoNotOptimize(playFrame(false));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PlayFrame)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_ScreenMemcpy(benchmark::State& state) {
    std::vector<uint8_t> from(kScreenCopyBytes, 7);
    std::vector<uint8_t> to(kScreenCopyBytes);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), kScreenCopyBytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * kScreenCopyBytes);
}
BENCHMARK(BM_ScreenMemcpy)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace vantor
