// Any bytes as GAME30: either they read as a saved game (a game in play
// then resumes and plays on; a finished score goes into an empty table under
// a name, and GAME30 is emptied), or, when not empty, they are kept byte for
// byte as GAME30.damaged, GAME30 is emptied and nothing resumes. An input
// whose unused header byte 6 is 1 is first given its right length and
// checksum, so that mutations reach the rules behind them.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "fuzz_files.h"
#include "game/play_screen.h"
#include "screens/high_score_table.h"
#include "screens/saved_game.h"

namespace {

constexpr int kFramesPlayed = 40;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using vantor::highScoreTable;
    using vantor::savedGame;
    using vantor::fuzz::readFile;
    static const std::string folder = vantor::fuzz::gameWithFreshHome();
    std::vector<uint8_t> bytes(data, data + size);
    if (size >= 16 && data[6] == 1)
        bytes = vantor::savedGameFileBytes(data[5], std::vector<uint8_t>(data + 12, data + size - 4));
    vantor::fuzz::writeFile(folder + "GAME30", bytes.data(), bytes.size());
    std::filesystem::remove(folder + "GAME30.damaged");
    std::filesystem::remove(folder + "HIGH30");
    uint8_t kind = 0;
    std::vector<uint8_t> payload;
    const bool reads = vantor::readSavedGameFile(bytes, kind, payload);

    savedGame.open();
    if (savedGame.resume() != (reads && kind == 1)) std::abort();
    if (reads && kind == 1)
        for (int i = 0; i < kFramesPlayed; ++i) vantor::playFrame(false);
    savedGame.enterWaitingScore();
    savedGame.close();

    bool damaged = !reads && !bytes.empty();
    if (std::filesystem::exists(folder + "GAME30.damaged") != damaged) std::abort();
    if (damaged && readFile(folder + "GAME30.damaged") != bytes) std::abort();
    if (reads && kind == 2) {
        if (!readFile(folder + "GAME30").empty()) std::abort();
        highScoreTable.reset();
        if (highScoreTable.loadForUpdate() != 0 || highScoreTable.count != 1 || highScoreTable.nameOf(0).empty())
            std::abort();
        highScoreTable.close();
    } else if (!reads && !readFile(folder + "GAME30").empty()) {
        std::abort();
    }
    return 0;
}
