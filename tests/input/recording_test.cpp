#include "input/recording.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <vector>

#include "common/little_endian.h"
#include "input/input_devices.h"
#include "input/input_fixture.h"
#include "support/headless_fixture.h"

namespace vantor {
namespace {

uint32_t at(int x, int y) { return static_cast<uint32_t>(x) + static_cast<uint32_t>(y) * 65536u; }

std::vector<uint8_t> fileBytes(const char* name) {
    std::ifstream in(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<uint32_t> fileWords(const char* name) {
    std::vector<uint8_t> bytes = fileBytes(name);
    EXPECT_EQ(bytes.size() % 4, 0u);
    std::vector<uint32_t> words;
    for (size_t i = 0; i + 4 <= bytes.size(); i += 4)
        words.push_back(readU32(bytes.data() + i));
    return words;
}

void writeBytes(const char* name, const std::vector<uint8_t>& bytes) {
    std::ofstream out(name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<uint8_t> wordBytes(const std::vector<uint32_t>& words) {
    std::vector<uint8_t> bytes;
    for (uint32_t w : words)
        for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<uint8_t>(w >> shift));
    return bytes;
}

void writeWords(const char* name, const std::vector<uint32_t>& words) {
    writeBytes(name, wordBytes(words));
}

class RecordingTest : public testing::InputFixture {
protected:
    testing::ScopedTempDir dir;
};

TEST_F(RecordingTest, EachPollAppendsItsMarkerAndPosition) {
    start("0 mouse 10 20\n1 move 1 0\n1 press left\n2 move 1 0\n2 press right\n"
          "3 move 1 0\n3 release left\n4 move 1 0\n4 release right\n");
    ASSERT_TRUE(OpenRecording("DATA32.RES", true));
    for (int i = 0; i < 6; ++i) frame();
    inputDevices.shutdown();
    EXPECT_EQ(fileWords("DATA32.RES"),
              (std::vector<uint32_t>{at(10, 20), kLeftMarker, at(11, 20), kLeftMarker, at(12, 20),
                                     kRightMarker, at(13, 20), at(14, 20), at(14, 20)}));
}

TEST_F(RecordingTest, F8EndsARecordingAfterItsStepAndLeavesAValidFile) {
    writeWords("DATA32.RES", {1, 2, 3, 4, 5, 6, 7, 8});  // an older demo is replaced
    start("0 mouse 5 6\n1 keydown f8\n2 keyup f8\n2 press left\n");
    ASSERT_TRUE(OpenRecording("DATA32.RES", true));
    frame();
    frame();  // F8 goes down after this frame's mouse poll
    frame();  // this step is still recorded, then F8 ends the recording
    EXPECT_EQ(inputDevices.recorder.active, 0);
    frame();
    frame();
    EXPECT_EQ(fileWords("DATA32.RES"),
              (std::vector<uint32_t>{at(5, 6), at(5, 6), kLeftMarker, at(5, 6)}));
}

TEST_F(RecordingTest, PlaybackReplacesThePositionAndMarkersOnlyAddButtons) {
    writeWords("DATA32.RES",
               {at(100, 50), kLeftMarker, at(101, 51), kRightMarker, at(102, 52), at(639, 479)});
    start("0 move 30 30\n1 press right\n2 release right\n");
    ASSERT_TRUE(OpenRecording("DATA32.RES", false));
    frame();
    EXPECT_EQ(mouse().x, 100);
    EXPECT_EQ(mouse().y, 50);
    EXPECT_EQ(mouse().left, 0);
    EXPECT_EQ(mouse().right, 0);
    frame();
    EXPECT_EQ(mouse().x, 101);
    EXPECT_EQ(mouse().left, 1);
    EXPECT_EQ(mouse().right, 0x80);  // the viewer's own click still counts
    frame();
    EXPECT_EQ(mouse().y, 52);
    EXPECT_EQ(mouse().left, 0);
    EXPECT_EQ(mouse().right, 1);
    frame();
    EXPECT_EQ(mouse().x, 639);
    EXPECT_EQ(mouse().y, 479);
    EXPECT_EQ(inputDevices.recorder.active, 1);
}

TEST_F(RecordingTest, F8HandsTheMouseBackAtTheLastRecordedPosition) {
    writeWords("DATA32.RES", {at(100, 50), at(200, 60), at(300, 70), at(400, 80)});
    start("0 keydown f8\n1 keyup f8\n2 move 5 -5\n");
    ASSERT_TRUE(OpenRecording("DATA32.RES", false));
    frame();  // F8 is read after this step
    frame();  // the second step, then F8 ends the playback
    EXPECT_EQ(inputDevices.recorder.active, 0);
    EXPECT_EQ(mouse().x, 200);
    frame();
    EXPECT_EQ(mouse().x, 205);
    EXPECT_EQ(mouse().y, 55);
}

TEST_F(RecordingTest, PlaybackThatRunsOutEndsAndKeepsTheLastPosition) {
    writeWords("DATA32.RES", {at(100, 50), kLeftMarker, at(110, 60), kRightMarker});
    start("0 move 7 7\n1 move 7 7\n2 move 7 7\n2 press left\n3 move 7 7\n");
    ASSERT_TRUE(OpenRecording("DATA32.RES", false));
    frame();
    frame();
    EXPECT_EQ(inputDevices.recorder.active, 1);
    frame();  // only half a step is left
    EXPECT_EQ(inputDevices.recorder.active, 0);
    EXPECT_EQ(mouse().x, 110);
    EXPECT_EQ(mouse().y, 60);
    EXPECT_EQ(mouse().left, 0x80);  // the live button, not the marker's 1
    EXPECT_EQ(mouse().right, 0);
    frame();
    EXPECT_EQ(mouse().x, 117);
    EXPECT_EQ(mouse().y, 67);
}

TEST_F(RecordingTest, PlaybackWithoutAFileEndsAtOnce) {
    start("0 move 3 4\n1 move 3 4\n");
    EXPECT_FALSE(OpenRecording("DATA32.RES", false));
    inputDevices.mouse.x = 320;
    inputDevices.mouse.y = 240;
    frame();
    EXPECT_EQ(inputDevices.recorder.active, 0);
    EXPECT_EQ(mouse().x, 320);
    EXPECT_EQ(mouse().y, 240);
    frame();
    EXPECT_EQ(mouse().x, 323);
    EXPECT_EQ(mouse().y, 244);
}

TEST_F(RecordingTest, DamagedRecordingKeepsThePointerOnTheScreen) {
    std::vector<uint8_t> bytes =
        wordBytes({0xFFFFFFFFu, kLeftMarker, kLeftMarker, kRightMarker, 0x01E00280u, at(5, 5)});
    bytes.push_back(0x12);  // and a torn last word
    writeBytes("DATA32.RES", bytes);
    start("");
    ASSERT_TRUE(OpenRecording("DATA32.RES", false));
    frame();
    EXPECT_EQ(mouse().x, 639);
    EXPECT_EQ(mouse().y, 479);
    frame();  // a marker, then a marker taken as a position
    EXPECT_EQ(mouse().left, 1);
    EXPECT_EQ(mouse().x, 639);
    EXPECT_EQ(mouse().y, 0);
    frame();  // x 640, y 480
    EXPECT_EQ(mouse().right, 1);
    EXPECT_EQ(mouse().x, 639);
    EXPECT_EQ(mouse().y, 479);
    frame();
    EXPECT_EQ(mouse().x, 5);
    frame();
    EXPECT_EQ(inputDevices.recorder.active, 0);
    EXPECT_EQ(mouse().x, 5);
    EXPECT_EQ(mouse().y, 5);
}

TEST_F(RecordingTest, ShutdownClosesARunningRecording) {
    start("0 mouse 1 2\n");
    ASSERT_TRUE(OpenRecording("DATA32.RES", true));
    frame();
    inputDevices.shutdown();
    EXPECT_EQ(inputDevices.recorder.active, 0);
    ResourceFile again;
    EXPECT_TRUE(again.open("DATA32.RES", ResourceFile::Mode::Update));  // nobody holds it now
    again.close();
    EXPECT_EQ(fileWords("DATA32.RES"), (std::vector<uint32_t>{at(1, 2)}));
}

}  // namespace
}  // namespace vantor
