#include "app/frame_pump.h"

#include <gtest/gtest.h>

#include "audio/cd_audio.h"
#include "input/input_devices.h"
#include "support/headless_fixture.h"

namespace vantor {
namespace {

using platform::Message;
using platform::Msg;

class FramePumpTest : public ::testing::Test {
protected:
    void SetUp() override { start(); }

    void start(const char* script = "") {
        backend = &platform::headless::installFresh();
        std::string error;
        ASSERT_TRUE(backend->setScript(script, error)) << error;
        pump = PumpState{};
        inputDevices = InputDevices{};
        cdAudio = CdAudio{};
        ASSERT_TRUE(backend->system().createWindow("TIDEWELL"));
        dispatchSentMessages();
        backend->system().showWindow();
        dispatchSentMessages();
    }

    uint32_t now() { return backend->system().ticks(); }

    platform::headless::HeadlessBackend* backend = nullptr;
};

TEST_F(FramePumpTest, PacesEveryFrameToTheDelayFromTheLastWait) {
    uint32_t first = now();
    ASSERT_EQ(PumpFrame(35), 1);
    EXPECT_EQ(now() - first, 35u);
    // Drawing time counts towards the next wait.
    backend->system().idle(20);
    ASSERT_EQ(PumpFrame(35), 1);
    EXPECT_EQ(now() - first, 70u);
    // A frame that took longer than the delay does not wait at all.
    backend->system().idle(50);
    uint32_t late = now();
    ASSERT_EQ(PumpFrame(35), 1);
    EXPECT_EQ(now(), late);
}

TEST_F(FramePumpTest, TickWrapAroundIsHarmless) {
    testing::ScopedEnv clock("VANTOR_CLOCK_START", "4294967280");
    start();
    uint32_t before = now();
    ASSERT_EQ(PumpFrame(35), 1);
    EXPECT_LT(now(), before);  // the clock wrapped during the wait
    EXPECT_EQ(now() - before, 35u);
}

TEST_F(FramePumpTest, CloseBoxEndsTheProgramAndTheAnswerStays) {
    ASSERT_EQ(PumpFrame(35), 1);
    backend->system().post({Message::SysCommand, platform::kScClose});
    int answers = 0;
    while (PumpFrame(35) == 1 && answers < 3) ++answers;
    EXPECT_LE(answers, 1);
    EXPECT_TRUE(pump.quitRequested);
    EXPECT_EQ(PumpFrame(35), 0);
    EXPECT_EQ(PumpFrame(35), 0);
    EXPECT_EQ(pump.lastMessage.message, Message::Quit);
    EXPECT_EQ(pump.lastMessage.wParam, 0u);
}

TEST_F(FramePumpTest, OutsideCloseDestroysTheWindowAndQuits) {
    ASSERT_EQ(PumpFrame(35), 1);
    backend->system().post({Message::Close, 0});
    EXPECT_EQ(PumpFrame(35), 0);
    EXPECT_EQ(PumpFrame(35), 0);
    EXPECT_EQ(pump.lastMessage.message, Message::Quit);
}

TEST_F(FramePumpTest, OtherSystemCommandsDoNotClose) {
    ASSERT_EQ(PumpFrame(35), 1);
    backend->system().post({Message::SysCommand, 0xF020});  // minimise
    EXPECT_EQ(PumpFrame(35), 1);
    EXPECT_FALSE(pump.quitRequested);
}

TEST_F(FramePumpTest, ParksInTheBackgroundAndWaitsAFullDelayAfterReturning) {
    // Focus goes at frame 2 and comes back at frame 6; a CD device is open.
    start("2 activate 0\n6 activate 1\n");
    backend->cd().setPresent(true);
    ASSERT_TRUE(cdAudio.open());
    ASSERT_EQ(PumpFrame(35), 1);
    ASSERT_EQ(PumpFrame(35), 1);
    ASSERT_EQ(backend->world().frame, 2u);
    ASSERT_EQ(PumpFrame(35), 1);  // parks, then resumes after reactivation
    EXPECT_EQ(pump.appActive, 1u);
    EXPECT_EQ(backend->world().frame, 7u);
    // One stop before the one message waited for while parked.
    EXPECT_EQ(backend->cd().stops, 1);
    uint32_t activatedAt = pump.lastFrameTick;
    uint32_t returned = now();
    EXPECT_EQ(returned - activatedAt, 0u);
    ASSERT_EQ(PumpFrame(35), 1);
    EXPECT_EQ(now() - returned, 35u);
}

TEST_F(FramePumpTest, QuitWhileParkedEndsTheProgram) {
    start("1 activate 0\n3 wmclose\n");
    ASSERT_EQ(PumpFrame(35), 1);
    EXPECT_EQ(PumpFrame(35), 0);
    EXPECT_TRUE(pump.quitRequested);
}

TEST_F(FramePumpTest, WindowProcFeedsCharactersAndMovesTheSystemPointerOnEnter) {
    inputDevices.setCapture(true);
    backend->system().setSystemCursorPos(100, 100);
    WindowProc({Message::Char, 'a'});
    WindowProc({Message::KeyDown, 0x41});
    EXPECT_EQ(backend->system().cursorX(), 100);
    WindowProc({Message::KeyDown, platform::kVkReturn});
    EXPECT_EQ(backend->system().cursorX(), 0);
    EXPECT_EQ(backend->system().cursorY(), 0);
    EXPECT_EQ(inputDevices.takeChar(), 'a');
    EXPECT_EQ(WindowProc({Message::SetCursor, 0}), 1);
    pump.quitRequested = true;
    WindowProc({Message::Create, 0});
    EXPECT_FALSE(pump.quitRequested);
}

}  // namespace
}  // namespace vantor
