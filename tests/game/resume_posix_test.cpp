// Killed anywhere, the program loses at most the move in progress: the
// child process is killed outright, no handler runs, and what it left on
// disk must carry on as the game never interrupted, or enter its score.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <functional>

#include "resumed_run.h"
#include "screens/high_score_table.h"
#include "screens/name_entry.h"

namespace vantor {
namespace {

using test::Lines;

class KilledRunTest : public test::ResumeTest {
protected:
    // The program run in a child that kills itself when `killNow` says so.
    void runKilled(std::function<bool()> killNow) {
        std::fflush(nullptr);
        pid_t child = fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            run([killNow]() -> std::optional<MouseState> {
                if (killNow()) kill(getpid(), SIGKILL);
                return std::nullopt;
            }, "", "killed.trace");
            _exit(0);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the child was not killed";
    }
    // A table of 15 zero scores: the clicker's games of no score pass it by.
    static void zeroTable() {
        std::ofstream table("HIGH30", std::ios::binary);
        HighScoreEntry zero{{'Z'}, 0};
        for (int i = 0; i < kHighScoreEntries; ++i) table.write(reinterpret_cast<const char*>(&zero), sizeof zero);
    }
    static int32_t scoreAt(const Lines& trace, size_t line) { return test::TraceLine(trace[line]).number("score"); }
};

TEST_F(KilledRunTest, AGameKilledInAMoveGoesOnFromTheRestBefore) {
    forgetFiles();
    Lines whole = run({}, "", "whole.trace");
    size_t afterRemoval = 0;
    std::vector<size_t> inGame = restsOfGameWithRemoval(whole, afterRemoval);
    ASSERT_GE(inGame.size(), 3u);
    // Killed in the game's first swap, and in its first removal.
    size_t inSwap = inGame[0], inRemoval = afterRemoval - 1;
    while (test::phaseOf(whole[inSwap]) != Swapping) ++inSwap;
    while (test::phaseOf(whole[inRemoval]) != Removing) --inRemoval;
    auto restBefore = [&inGame](size_t frame) { return *std::prev(std::upper_bound(inGame.begin(), inGame.end(), frame)); };

    for (size_t killedAt : {inSwap, inRemoval}) {
        SCOPED_TRACE("killed after play frame " + std::to_string(killedAt));
        forgetFiles();
        runKilled([killedAt] { return playTrace.calls() == killedAt + 1; });
        expectGoesOnAsWhole(whole, restBefore(killedAt));
    }
}

TEST_F(KilledRunTest, AScoreKilledBeforeTheTableGoesInAtTheNextStart) {
    forgetFiles();
    zeroTable();
    Lines whole = run({}, "", "whole.trace");
    size_t end = 0;
    while (end < whole.size() && !(test::phaseOf(whole[end]) == Idle && scoreAt(whole, end) > 0 &&
                                   test::TraceLine(whole[end]).number("pieces") > kCells))
        ++end;
    ASSERT_LT(end, whole.size()) << "no game of the clicker scored";
    highScoreTable.reset();
    highScoreTable.count = 1;
    fillDefaultName(0);
    std::string defaultName = highScoreTable.nameOf(0);

    struct Case {
        const char* when;
        std::function<bool()> killNow;
        std::string name;
    };
    auto typed = std::make_shared<int>(0);
    Case cases[] = {
        {"in the game-over picture", [end] { return playTrace.calls() == end + 1; }, defaultName},
        {"in the name entry",
         [typed] {
             if (!hand().typing) return false;
             if (++*typed == 5) inputDevices.putChar('A');
             if (*typed == 10) inputDevices.putChar('B');
             return *typed == 20;
         },
         "AB"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("killed ") + c.when);
        forgetFiles();
        zeroTable();
        play({.seed = kSeed, .enters = false});  // the name entry is never ended
        runKilled(c.killNow);
        play();
        highScoreTable.reset();
        ASSERT_EQ(highScoreTable.loadForUpdate(), 0);
        highScoreTable.close();
        ASSERT_EQ(highScoreTable.entries[0].score, 0);  // not in the table yet

        testing::ScopedEnv briefly{"VANTOR_FRAMES", "5"};
        run({}, "", "next.trace");
        ASSERT_EQ(highScoreTable.loadForUpdate(), 0);
        highScoreTable.close();
        ASSERT_EQ(highScoreTable.count, kHighScoreEntries);
        EXPECT_EQ(highScoreTable.nameOf(0), c.name);
        EXPECT_EQ(highScoreTable.entries[0].score, scoreAt(whole, end));
        EXPECT_EQ(highScoreTable.entries[1].score, 0);
        EXPECT_TRUE(savedGameFile().empty());
    }
}

}  // namespace
}  // namespace vantor
