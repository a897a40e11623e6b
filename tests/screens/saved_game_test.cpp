#include "screens/saved_game.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>

#include "app/startup.h"
#include "common/random.h"
#include "game/board.h"
#include "game/game_snapshot.h"
#include "game/play_screen.h"
#include "screens/screen_fixture.h"
#include "video/vdp.h"

namespace vantor {
namespace {

using Bytes = std::vector<uint8_t>;

class SavedGameTest : public testing::ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        restingBoard();
    }
    void TearDown() override {
        savedGame.close();
        ScreenTest::TearDown();
    }

    // Three rings of pieces at rest, one of them chosen, a score on the board.
    static void restingBoard() {
        rng.seed(10);
        board = Board{};
        play = PlayState{};
        board.phase = Idle;
        for (int column = 0; column < kColumns; ++column)
            for (int row = 0; row < 3; ++row) {
                Cell& c = board.cell(row, column);
                c.state = Resting;
                c.colour = static_cast<int8_t>(rng.below(kColours));
                ++board.pieceCount;
            }
        board.select(cellIndex(1, 4));
        play.score = 120;
        frameDelay = 20;
    }
    // The rest as GAME30 holds it, after `damage` was done to the game.
    static Bytes restFile(const std::function<void()>& damage = [] {}) {
        Bytes sound = takeGameSnapshot();
        damage();
        Bytes bytes = savedGameFileBytes(1, takeGameSnapshot());
        restoreGameSnapshot(sound.data(), sound.size());
        return bytes;
    }
    static Bytes finishedFile(int32_t score, const char* name, size_t nameBytes) {
        Bytes payload(40, 0);
        std::memcpy(payload.data(), &score, 4);
        std::memcpy(payload.data() + 4, name, nameBytes);
        return savedGameFileBytes(2, payload);
    }
    static void writeGame30(const Bytes& bytes) {
        std::ofstream("GAME30", std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                       static_cast<std::streamsize>(bytes.size()));
    }
    static Bytes bytesOf(const char* path) {
        std::string text = testing::readFileBytes(path);
        return {text.begin(), text.end()};
    }
};

TEST_F(SavedGameTest, ADamagedOrForeignFileIsKeptAsideAndNothingResumes) {
    Bytes sound = restFile();
    Bytes flipped = sound;
    flipped[sound.size() / 2] ^= 0x10;
    Bytes otherVersion = sound;
    otherVersion[4] = SavedGame::kVersion + 1;
    Bytes high30(600, 0);
    std::memcpy(high30.data(), "PLAYER", 6);
    struct Case {
        const char* what;
        Bytes bytes;
    } cases[] = {
        {"cut short", Bytes(sound.begin(), sound.end() - 9)},
        {"a flipped bit", flipped},
        {"a later version", otherVersion},
        {"a table of scores", high30},
        {"a sixth colour", restFile([] { board.cells[3].colour = 5; })},
        {"a piece in the air", restFile([] { board.cell(4, 2) = board.cell(2, 2), board.cell(2, 2) = Cell{}; })},
        {"a piece counted twice", restFile([] { board.pieceCount = 66; })},
        {"a game in motion", restFile([] { board.phase = Removing; })},
        {"an empty cell chosen", restFile([] { board.selected = cellIndex(4, 0); })},
        {"a speed off the gauge", restFile([] { frameDelay = 200; })},
        {"a carrier away", restFile([] { board.carrierX = 10; })},
        {"a name without its end", finishedFile(50, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789", 36)},
        {"a score below zero", finishedFile(-4, "A", 1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove("GAME30.damaged");
        writeGame30(c.bytes);
        Bytes before = takeGameSnapshot();
        savedGame.open();
        EXPECT_FALSE(savedGame.resume());
        EXPECT_EQ(takeGameSnapshot(), before);
        savedGame.enterWaitingScore();
        savedGame.close();
        EXPECT_EQ(bytesOf("GAME30.damaged"), c.bytes);
        EXPECT_TRUE(bytesOf("GAME30").empty());
        EXPECT_TRUE(testing::readFileBytes("HIGH30").empty());
    }
}

TEST_F(SavedGameTest, ARestResumesAsItWasAndAFinishedGameWaitsWithItsName) {
    // (Windows lets nobody read GAME30 while it is held: the killed runs'
    // tests show that the first frame of a rest is stored at once.)
    savedGame.open();
    savedGame.noteFrame();
    ++play.score;
    savedGame.noteFrame();  // the same rest, noted
    savedGame.close();
    Bytes latest = takeGameSnapshot();
    ASSERT_EQ(bytesOf("GAME30"), savedGameFileBytes(1, latest));

    restingBoard();
    board.cells[0].colour = (board.cells[0].colour + 1) % kColours;
    savedGame.open();
    ASSERT_TRUE(savedGame.resume());
    EXPECT_EQ(takeGameSnapshot(), latest);
    EXPECT_FALSE(std::filesystem::exists("GAME30.damaged"));

    savedGame.finish(play.score);
    savedGame.noteName("ANN");
    savedGame.close();
    uint8_t kind = 0;
    Bytes payload;
    ASSERT_TRUE(readSavedGameFile(bytesOf("GAME30"), kind, payload));
    EXPECT_EQ(kind, 2);
    EXPECT_STREQ(reinterpret_cast<const char*>(payload.data() + 4), "ANN");
    savedGame.open();
    savedGame.discard();
    savedGame.close();
    EXPECT_TRUE(bytesOf("GAME30").empty());
}

TEST_F(SavedGameTest, ASecondCopyKeepsNothingAndSaysSoAtTheTop) {
    Bytes first = restFile();
    writeGame30(first);
    savedGame.open();
    SavedGame second;
    second.open();
    EXPECT_FALSE(second.resume());
    ++play.score;
    second.noteFrame();
    second.close();
    savedGame.close();
    EXPECT_EQ(bytesOf("GAME30"), first);

    auto noticeShown = [&second] {
        std::memset(vdp.frameBuffer(), 0, 640 * 480);
        second.drawNotice();
        const uint8_t* top = vdp.frameBuffer() + 8 * 640;
        return std::any_of(top, top + 640 * 8, [](uint8_t pixel) { return pixel != 0; });
    };
    EXPECT_TRUE(noticeShown());
    for (int frame = 1; frame < 199; ++frame) noticeShown();
    EXPECT_TRUE(noticeShown());
    EXPECT_FALSE(noticeShown());
    EXPECT_FALSE(noticeShown());
}

}  // namespace
}  // namespace vantor
