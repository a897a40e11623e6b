// A game the program leaves before its end goes on at the next start: the
// clicker plays, the program is closed at a rest, and the next start is fed the
// same hand from there on. Its play frames must be those of the run that
// was never interrupted, to that game's end.
#include "resumed_run.h"

namespace vantor {
namespace {

using test::Lines;

class ResumeTest : public test::ResumeTest {};

TEST_F(ResumeTest, AGameClosedAtARestGoesOnAsIfNeverClosed) {
    forgetFiles();
    Lines whole = run({}, "", "whole.trace");
    size_t afterRemoval = 0;
    std::vector<size_t> inGame = restsOfGameWithRemoval(whole, afterRemoval);
    ASSERT_GE(inGame.size(), 3u);
    // Its second rest, the first right after the removal, and its last.
    size_t early = inGame[1], late = inGame.back();
    ASSERT_LT(early, afterRemoval);
    ASSERT_GT(late, afterRemoval);

    for (size_t rest : {early, afterRemoval, late}) {
        SCOPED_TRACE("closed at play frame " + std::to_string(rest));
        forgetFiles();
        Lines closed = run(closingAfter(rest), "", "closed.trace");
        ASSERT_EQ(closed.size(), rest + 1);
        expectGoesOnAsWhole(whole, rest);
    }
}

}  // namespace
}  // namespace vantor
