// The whole program, headless: the clicker plays several games through the real
// game flow (intro, tables, game-over waits, name entries, curtains) while the
// program records its mouse, and the recording is then played back twice. The
// three runs must leave the same play-frame trace.
#include "whole_run.h"

namespace vantor {
namespace {

class ReplayFlowTest : public test::WholeRunTest {
protected:
    std::vector<std::string> run(test::Hand hand, const std::string& commandLine, const std::string& trace) {
        forgetFiles();
        return test::WholeRunTest::run(std::move(hand), commandLine, trace);
    }
};

TEST_F(ReplayFlowTest, ARecordingOfWholeGamesPlaysBackTheSameGames) {
    std::vector<std::string> recorded = run({}, kRecordingWord, "recorded.trace");
    play({.seed = kSeed, .clicks = false});
    std::vector<std::string> first = run({}, "3", "first.trace");
    std::vector<std::string> second = run({}, "3", "second.trace");
    ASSERT_GT(recorded.size(), 1000u);
    EXPECT_EQ(test::firstDifference(first, recorded), "");
    EXPECT_EQ(test::firstDifference(second, first), "");

    int gamesEnded = 0, swapFrames = 0, removalFrames = 0;
    for (const std::string& line : recorded) {
        test::TraceLine f(line);
        ASSERT_EQ(f.size(), std::size(PlayTrace::kFields));
        if (f.number("phase") == Idle && f.number("pieces") > kCells) ++gamesEnded;
        if (f.number("phase") == Swapping) ++swapFrames;
        if (f.number("phase") == Removing) ++removalFrames;
    }
    EXPECT_GE(gamesEnded, 2);
    EXPECT_GT(swapFrames, 0);
    EXPECT_GT(removalFrames, 0);
}

}  // namespace
}  // namespace vantor
