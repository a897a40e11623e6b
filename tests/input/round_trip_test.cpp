// A demo recorded by the whole program plays back the same pointer.
#include <algorithm>
#include <gtest/gtest.h>
#include <ostream>
#include <set>
#include <vector>

#include "app/startup.h"
#include "input/input_devices.h"
#include "support/headless_fixture.h"

namespace vantor {
namespace {

struct Poll {
    int32_t x, y;
    bool left, right;
    bool operator==(const Poll&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const Poll& p) {
        return out << p.x << "," << p.y << (p.left ? " left" : "") << (p.right ? " right" : "");
    }
};

// Runs the program headless for a few frames and notes every mouse poll.
std::vector<Poll> run(const std::string& commandLine, const std::string& script) {
    testing::ScopedEnv frames("VANTOR_FRAMES", "400");
    testing::ScopedEnv noInputFile("VANTOR_INPUT", nullptr);
    testing::ScopedEnv home("VANTOR_HOME", "");  // the scores of this folder alone
    auto& backend = platform::headless::installFresh();
    std::string error;
    EXPECT_TRUE(backend.setScript(script, error)) << error;
    inputDevices = InputDevices{};
    std::vector<Poll> polls;
    inputDevices.mousePolled = [&](const MouseState& m) {
        polls.push_back({m.x, m.y, m.left != 0, m.right != 0});
    };
    runProgram(commandLine);
    inputDevices = InputDevices{};
    return polls;
}

TEST(RoundTrip, PlaybackRepeatsTheRecordedPointerPollForPoll) {
    testing::ScopedTempDir dir;
    ASSERT_TRUE(testing::copyFromBuild("DATA30.RES"));
    ASSERT_TRUE(testing::copyFromBuild("kelvo.res"));
    // Wandering, clicking and dragging through the intro and into play.
    std::string session;
    for (int f = 0; f < 390; f += 13) {
        int i = f / 13;
        session += std::to_string(f) + (i % 3 ? " move 37 -23\n" : " mouse " +
                   std::to_string(40 + i * 19 % 560) + " " + std::to_string(30 + i * 31 % 420) + "\n");
        if (i % 4 == 1) session += std::to_string(f) + " press left\n";
        if (i % 4 == 2) session += std::to_string(f) + " release left\n";
        if (i % 4 == 3) session += std::to_string(f) + " press right\n";
        if (i % 4 == 3) session += std::to_string(f + 2) + " release right\n";
    }
    std::vector<Poll> recorded = run(kRecordingWord, session);
    std::vector<Poll> played = run("3", "");

    ASSERT_GE(recorded.size(), 30u);
    auto hasLeft = [](const Poll& p) { return p.left; };
    auto hasRight = [](const Poll& p) { return p.right; };
    EXPECT_TRUE(std::any_of(recorded.begin(), recorded.end(), hasLeft));
    EXPECT_TRUE(std::any_of(recorded.begin(), recorded.end(), hasRight));
    std::set<std::pair<int32_t, int32_t>> places;
    for (const Poll& p : recorded) places.insert({p.x, p.y});
    EXPECT_GE(places.size(), 10u);
    ASSERT_EQ(played.size(), recorded.size());
    for (size_t i = 0; i < recorded.size(); ++i) EXPECT_EQ(played[i], recorded[i]) << "poll " << i;
}

}  // namespace
}  // namespace vantor
