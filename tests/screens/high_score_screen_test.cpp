#include "screens/high_score_screen.h"

#include <filesystem>

#include "game/play_screen.h"
#include "input/input_devices.h"
#include "platform/platform.h"
#include "resources/data30.h"
#include "screens/high_score_table.h"
#include "screens/screen_fixture.h"
#include "screens/second_copy.h"
#include "video/screen_copy.h"

namespace vantor {
namespace {

using testing::Row;
using testing::Rows;

// Script lines that type these character codes, one a frame from frame `from`.
std::string typing(uint32_t from, const std::vector<int>& codes) {
    std::string lines;
    for (size_t i = 0; i < codes.size(); ++i)
        lines += std::to_string(from + i) + " char " + std::to_string(codes[i]) + "\n";
    return lines;
}

std::vector<int> codesOf(const std::string& text) {
    std::vector<int> codes;
    for (unsigned char c : text) codes.push_back(c);
    return codes;
}

constexpr int kEnter = 13;
constexpr int kBackspace = 8;

class HighScoreScreenTest : public testing::ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        inputDevices.mousePolled = [this](const MouseState&) {
            if (inputDevices.ring.capture && nameEntryFrame < 0) nameEntryFrame = static_cast<int>(frame());
            if (onFrame) onFrame(frame());
        };
        drawBackground();
    }

    // Whatever is on the screen when the table comes: here, a closed curtain.
    void drawBackground() {
        vdp.clear(9);
        vdp.drawFillRunImage(0, 0, res.curtain[11]);
        background = composed();
    }

    // Runs the screen on a fresh machine with this script.
    void start(const std::string& lines) {
        freshMachine();
        drawBackground();
        nameEntryFrame = -1;
        script(lines);
    }

    // A game ending with this score, the name typed from frame `typeAt`
    // (Enter appended; the entry has risen by then), then a click to leave
    // the table.
    Rows afterGame(const Rows& before, int32_t score, std::vector<int> typed, uint32_t typeAt = 400) {
        testing::writeHigh30(before);
        typed.push_back(kEnter);
        uint32_t done = typeAt + static_cast<uint32_t>(typed.size());
        start(typing(typeAt, typed) + std::to_string(done + 5) + " press left\n");
        play.score = score;
        showTableAfterGame();
        return testing::readHigh30();
    }

    // The table's background with the file-in-use notice over it.
    std::vector<uint8_t> notice() {
        std::vector<uint8_t> keep = composed();
        vdp.restoreScreen(background.data());
        DrawnArea area;
        vdp.drawText(320, 240, message(2), AlignCentre, area);
        vdp.drawText(320, 260, message(3), AlignCentre, area);
        std::vector<uint8_t> picture = composed();
        vdp.restoreScreen(keep.data());
        return picture;
    }

    std::vector<uint8_t> background;
    int nameEntryFrame = -1;
    std::function<void(uint32_t)> onFrame;
};

TEST_F(HighScoreScreenTest, AScoreIntoAnEmptyTableIsNamedAtOnceInRowZero) {
    Rows after = afterGame({}, 77, codesOf("KIM"));
    EXPECT_EQ(after, (Rows{{"KIM", 77}}));
    // 48 frames of pause and two marker cycles, nothing more before the name.
    EXPECT_EQ(nameEntryFrame, 96);
    EXPECT_EQ(savedScreen, nullptr);
}

TEST_F(HighScoreScreenTest, AScoreTyingEntriesAboveEndsBelowThemAfterRisingPastLowerOnes) {
    Rows before{{"ANN", 100}, {"BEA", 50}, {"CID", 50}, {"DAN", 20}};
    Rows after = afterGame(before, 50, codesOf("NEW"));
    EXPECT_EQ(after, (Rows{{"ANN", 100}, {"BEA", 50}, {"CID", 50}, {"NEW", 50}, {"DAN", 20}}));
    // Four rows revealed, the pause, two cycles, one row risen in one frame,
    // then three more cycles of which the first was already one frame along.
    EXPECT_EQ(nameEntryFrame, 4 + 48 + 48 + 1 + 23 + 24 + 24);
}

TEST_F(HighScoreScreenTest, AFullTableLosesItsLowestEntryAndStaysAtFifteen) {
    Rows full;
    for (int i = 14; i >= 0; --i) full.push_back({"P" + std::to_string(i), 10 + 10 * i});
    Rows after = afterGame(full, 15, codesOf("LOW"));
    Rows expected = full;
    expected.back() = {"LOW", 15};
    EXPECT_EQ(after, expected);
    EXPECT_EQ(std::filesystem::file_size("HIGH30"), 600u);

    after = afterGame(full, 500, codesOf("TOP"));
    expected = full;
    expected.pop_back();
    expected.insert(expected.begin(), {"TOP", 500});
    EXPECT_EQ(after, expected);
}

TEST_F(HighScoreScreenTest, AScoreEqualToTheLowestOfAFullTableLeavesTheFileAsItWas) {
    Rows full;
    for (int i = 14; i >= 0; --i) full.push_back({"P" + std::to_string(i), 10 + 10 * i});
    EXPECT_EQ(afterGame(full, 10, codesOf("NOPE")), full);
    // No pause and no marker: the wait begins right after the 15 rows.
    EXPECT_EQ(nameEntryFrame, 15);
}

// What the row can take of these characters: 32 at most, and none once the
// name reaches 457 pixels.
std::string fitting(const std::string& typed) {
    std::string fits;
    for (char c : typed)
        if (fits.size() < 32 && vdp.textWidth(fits.c_str()) < 457) fits += c;
    return fits;
}

TEST_F(HighScoreScreenTest, TypingKeepsToThirtyTwoCharactersAndTheWidthOfTheRow) {
    std::string typed;
    for (int i = 0; i < 4; ++i) typed += "abcdefghij";
    std::string kept = afterGame({}, 5, codesOf(typed)).at(0).name;
    EXPECT_EQ(kept, fitting(typed));
    EXPECT_LE(kept.size(), 32u);

    // The widest glyph reaches the end of the row before the count does.
    unsigned char widest = 'A';
    for (int c = 33; c < 256; ++c)
        if (vdp.glyphWidth(uint8_t(c)) > vdp.glyphWidth(widest)) widest = uint8_t(c);
    ASSERT_GT(32 * (vdp.glyphWidth(widest) + 1), 457 + vdp.glyphWidth(widest));
    std::string wide(40, static_cast<char>(widest));
    kept = afterGame({}, 5, codesOf(wide)).at(0).name;
    EXPECT_EQ(kept, fitting(wide));
    EXPECT_LT(kept.size(), 32u);
}

TEST_F(HighScoreScreenTest, BackspaceEditsTheEndAndCodesFromThirtyTwoUpAreKept) {
    std::vector<int> typed{kBackspace, kBackspace, 'A', 'B', kBackspace, 127, 200, 31, 'C'};
    EXPECT_EQ(afterGame({}, 3, typed).at(0).name, "A\x7f\xc8" "C");
}

// The controller alone: Up and Down turn the offered character (round from
// A back to Я), A takes it, B takes back the last, Start ends; its A types
// no Enter here. The file is the one the same name typed would give.
TEST_F(HighScoreScreenTest, AControllerPicksANameThatIsStoredAsIfTyped) {
    auto pressing = [](const std::vector<std::string>& buttons) {
        std::string lines;
        uint32_t at = 400;
        for (const std::string& b : buttons) {
            lines += std::to_string(at) + " pad " + b + "\n" + std::to_string(at + 1) + " pad\n";
            at += 3;
        }
        return lines + std::to_string(at + 5) + " press left\n";
    };
    testing::writeHigh30({});
    start(pressing({"a", "up", "a", "down", "down", "a", "a", "b", "start"}));
    play.score = 42;
    showTableAfterGame();
    Rows picked = testing::readHigh30();
    EXPECT_EQ(picked, (Rows{{"AB\xDF", 42}}));
    std::string file = testing::readFileBytes("HIGH30");
    EXPECT_EQ(afterGame({}, 42, codesOf("AB\xDF")), picked);
    EXPECT_EQ(testing::readFileBytes("HIGH30"), file);

    // Start on an empty name counts as Enter on one.
    testing::writeHigh30({});
    start(pressing({"start"}));
    showTableAfterGame();
    EXPECT_EQ(testing::readHigh30().at(0).name, "Test Owner");
}

TEST_F(HighScoreScreenTest, AnEmptyNameBecomesTheOwnerOrElseTheDefaultName) {
    EXPECT_EQ(afterGame({}, 1, {}).at(0).name, "Test Owner");

    testing::ScopedEnv longOwner("VANTOR_OWNER", std::string(32, 'o').c_str());
    std::string fallback = std::string(message(0)).substr(0, 35);
    EXPECT_EQ(afterGame({}, 1, {}).at(0).name, fallback);

    testing::ScopedEnv fitting("VANTOR_OWNER", std::string(31, 'o').c_str());
    EXPECT_EQ(afterGame({}, 1, {}).at(0).name, std::string(31, 'o'));
}

TEST_F(HighScoreScreenTest, TheNoticeStaysWhileAnotherCopyHoldsTheFileThenItsEntryShows) {
    testing::writeHigh30({{"FIRST", 30}});
    testing::SecondCopy other(testing::OnRelease::StoreEntry, HighScoreEntry{"SECOND", 20});
    ASSERT_EQ(other.loadResult(), 0);
    bool noticeUntilRelease = false;
    onFrame = [&](uint32_t at) {
        if (at != 40) return;
        noticeUntilRelease = presents() == 1 && shown() == notice();
        other.release();
    };
    script("60 press left\n");
    savedScreen = newScreenCopy();
    showTable();
    freeSavedScreen();
    EXPECT_TRUE(noticeUntilRelease);
    ASSERT_EQ(highScoreTable.count, 2);
    EXPECT_EQ(highScoreTable.nameOf(1), "SECOND");
}

TEST_F(HighScoreScreenTest, AFileRemovedWhileHeldElsewhereIsCreatedForTheNewEntry) {
    testing::writeHigh30({{"GONE", 30}});
    testing::SecondCopy other(testing::OnRelease::RemoveFile);
    ASSERT_EQ(other.loadResult(), 0);
    onFrame = [&](uint32_t at) {
        if (at == 10) other.release();
    };
    script(typing(200, {'Z', kEnter}) + "210 press left\n");
    play.score = 12;
    showTableAfterGame();
    EXPECT_EQ(testing::readHigh30(), (Rows{{"Z", 12}}));
}

TEST_F(HighScoreScreenTest, ViewingAMissingTableCreatesAnEmptyFile) {
    script("5 press left\n");
    savedScreen = newScreenCopy();
    showTable();
    freeSavedScreen();
    ASSERT_TRUE(std::filesystem::exists("HIGH30"));
    EXPECT_EQ(std::filesystem::file_size("HIGH30"), 0u);
}

TEST_F(HighScoreScreenTest, AButtonHeldWhenTheTableIsShownEndsTheWaitAtOnce) {
    testing::writeHigh30({{"A", 3}, {"B", 2}, {"C", 1}});
    script("0 press left\n");
    savedScreen = newScreenCopy();
    showTable();
    freeSavedScreen();
    // Three rows revealed, then the first frame of the wait.
    EXPECT_EQ(frame(), 4u);
}

TEST_F(HighScoreScreenTest, KeysWithoutACharacterDoNotEndTheWait) {
    testing::writeHigh30({{"A", 3}});
    script("0 keydown left\n0 keydown f5\n50 char 65\n");
    savedScreen = newScreenCopy();
    showTable();
    freeSavedScreen();
    EXPECT_EQ(frame(), 51u);
    EXPECT_EQ(inputDevices.ring.capture, 0);
}

TEST_F(HighScoreScreenTest, TheShownTableIsReadAgainEveryThreeHundredFrames) {
    testing::writeHigh30({{"ONE", 1}});
    onFrame = [](uint32_t at) {
        if (at == 100) testing::writeHigh30({{"TWO", 2}, {"ONE", 1}});
    };
    script("350 press left\n");
    savedScreen = newScreenCopy();
    showTable();
    freeSavedScreen();
    EXPECT_EQ(highScoreTable.count, 2);
    EXPECT_EQ(highScoreTable.nameOf(0), "TWO");
}

TEST_F(HighScoreScreenTest, EndingDuringTheMarkerStoresNothingAndKeepsTheFileHeld) {
    Rows before{{"KEEP", 9}};
    testing::writeHigh30(before);
    script("60 close\n");
    play.score = 50;
    showTableAfterGame();
    platform::OpenError error = platform::OpenError::None;
    platform::system().openFile("./HIGH30", platform::OpenMode::Update, error);
    EXPECT_EQ(error, platform::OpenError::SharingViolation);
    // Held files cannot even be read on Windows; let go, nothing was written.
    highScoreTable.close();
    EXPECT_EQ(testing::readHigh30(), before);
}

TEST_F(HighScoreScreenTest, EndingDuringTheNameEntryStoresTheNameAsFarAsTyped) {
    script(typing(100, codesOf("AB")) + "110 close\n");
    play.score = 50;
    testing::writeHigh30({});
    showTableAfterGame();
    EXPECT_EQ(testing::readHigh30(), (Rows{{"AB", 50}}));
}

}  // namespace
}  // namespace vantor
