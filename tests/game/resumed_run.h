#pragma once
// A game interrupted and resumed, compared with the game never interrupted.
#include <fstream>
#include <iterator>
#include <memory>

#include "platform/platform.h"
#include "screens/saved_game.h"
#include "whole_run.h"

namespace vantor::test {

using Lines = std::vector<std::string>;

inline int phaseOf(const std::string& line) { return TraceLine(line).number("phase"); }

// Idle, with no click half-made and the board not full.
inline bool atRest(const std::string& line) {
    TraceLine f(line);
    return f.number("phase") == Idle && f["clickState"] == "0" && f.number("pieces") <= kCells;
}

// The first frame of every rest: after a move, and after a click that
// chose a piece or let it go.
inline std::vector<size_t> restsOf(const Lines& trace) {
    std::vector<size_t> rests;
    for (size_t i = 1; i < trace.size(); ++i)
        if (atRest(trace[i]) && !atRest(trace[i - 1])) rests.push_back(i);
    return rests;
}

// The frame that ends the game going on at line from.
inline size_t gameEnd(const Lines& trace, size_t from) {
    for (size_t i = from; i < trace.size(); ++i)
        if (phaseOf(trace[i]) == Idle && TraceLine(trace[i]).number("pieces") > kCells) return i;
    return trace.size() - 1;
}

// A line without its frame number: what the game was, not when.
inline std::string state(const std::string& line) { return line.substr(line.find(' ')); }

class ResumeTest : public WholeRunTest {
protected:
    // The script's mouse, until the program is closed after play frame `last`.
    static Hand closingAfter(size_t last) {
        auto closed = std::make_shared<bool>(false);
        return [closed, last] {
            if (!*closed && playTrace.calls() == last + 1) {
                *closed = true;
                platform::system().postQuit(0);
            }
            return std::nullopt;
        };
    }
    // Clicks on through the screens to the resumed game, past its two
    // opening frames; then the mouse of the uninterrupted frames from `from`
    // to `to`; then the program is closed.
    static Hand feeding(const Lines& trace, size_t from, size_t to) {
        auto polls = std::make_shared<int>(0);
        return [&trace, from, to, polls]() -> std::optional<MouseState> {
            uint64_t frame = playTrace.calls();
            if (frame < kOpeningFrames) return MouseState{320, 240, ++*polls % 10 == 0 ? 0x80 : 0, 0};
            size_t next = from + frame - kOpeningFrames;
            if (next > to) {
                platform::system().postQuit(0);
                return MouseState{};
            }
            TraceLine f(trace[next]);
            return MouseState{f.number("x"), f.number("y"), f.number("left") ? 0x80 : 0, f.number("right") ? 0x80 : 0};
        };
    }
    // The play screen composed under the opening curtain.
    static constexpr uint64_t kOpeningFrames = 2;

    // The next start, fed the uninterrupted hand from the rest after play
    // frame `rest`, plays that game's frames to its end as they were.
    void expectGoesOnAsWhole(const Lines& whole, size_t rest) {
        size_t last = gameEnd(whole, rest);
        Lines resumed = run(feeding(whole, rest + 1, last), "", "resumed.trace");
        ASSERT_EQ(resumed.size(), kOpeningFrames + last - rest);
        for (size_t i = rest + 1; i <= last; ++i)
            ASSERT_EQ(state(resumed[kOpeningFrames + i - rest - 1]), state(whole[i])) << "play frame " << i;
        // Closed in the game-over picture: the score waits for the table.
        uint8_t kind = 0;
        std::vector<uint8_t> payload;
        ASSERT_TRUE(readSavedGameFile(savedGameFile(), kind, payload));
        EXPECT_EQ(kind, 2);
    }
    static std::vector<uint8_t> savedGameFile() {
        std::ifstream in("GAME30", std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // The first game with a removal: its rests, and the first right after the removal.
    static std::vector<size_t> restsOfGameWithRemoval(const Lines& whole, size_t& afterRemoval) {
        std::vector<size_t> rests = restsOf(whole);
        afterRemoval = 0;
        for (size_t rest : rests) {
            for (size_t i = rest; i > 0 && phaseOf(whole[i - 1]) != 1; --i)
                if (phaseOf(whole[i - 1]) == Removing) afterRemoval = rest;
            if (afterRemoval) break;
        }
        std::vector<size_t> inGame;
        size_t end = gameEnd(whole, afterRemoval);
        for (size_t rest : rests)
            if (afterRemoval && rest <= end && gameEnd(whole, rest) == end) inGame.push_back(rest);
        return inGame;
    }
};

}  // namespace vantor::test
