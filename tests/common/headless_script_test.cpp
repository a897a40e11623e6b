#include "platform/headless/headless_script.h"

#include <gtest/gtest.h>

namespace vantor::platform::headless {
namespace {

using Kind = ScriptEvent::Kind;

TEST(HeadlessScriptTest, ParsesCommandsInFrameOrder) {
    Script script;
    std::string error;
    ASSERT_TRUE(script.parse("# a comment\n"
                             "5 press left\n"
                             "2 mouse 100 200   # trailing comment\n"
                             "7 keydown f8\n"
                             "9 type Ок\n"
                             "9 close\n",
                             error))
        << error;
    const auto& events = script.events();
    ASSERT_EQ(events.size(), 6u);
    EXPECT_EQ(events[0].kind, Kind::Mouse);
    EXPECT_EQ(events[0].frame, 2u);
    EXPECT_EQ(events[0].b, 200);
    EXPECT_EQ(events[1].kind, Kind::Press);
    EXPECT_EQ(events[2].a, 0x42);
    EXPECT_EQ(events[3].message.message, Message::Char);
    EXPECT_EQ(events[3].message.wParam, 0xCEu);  // Cyrillic capital O in Windows-1251
    EXPECT_EQ(events[4].message.wParam, 0xEAu);
    EXPECT_EQ(events[5].message.message, Message::SysCommand);
    EXPECT_EQ(events[5].message.wParam, kScClose);
}

TEST(HeadlessScriptTest, RejectsMalformedLinesWithTheirNumber) {
    Script script;
    std::string error;
    for (const char* bad : {"x mouse 1 2", "1 mouse 1", "1 press middle", "1 keydown nokey",
                            "1 char 300", "1 dance", "-1 close"}) {
        EXPECT_FALSE(script.parse(std::string("0 close\n") + bad + "\n", error)) << bad;
        EXPECT_NE(error.find("line 2"), std::string::npos) << error;
        EXPECT_TRUE(script.events().empty());
    }
}

}  // namespace
}  // namespace vantor::platform::headless
