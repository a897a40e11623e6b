// The names an input script may give keys, against the codes the game reads.
#include <gtest/gtest.h>

#include "input/input_devices.h"
#include "platform/headless/headless_script.h"

namespace vantor {
namespace {

using platform::headless::keyCode;

TEST(KeyNames, NamesGiveTheGamesScanCodes) {
    const std::pair<const char*, int> names[] = {
        {"esc", DIK_ESCAPE}, {"f8", DIK_F8},     {"f10", DIK_F10},      {"f11", DIK_F11},
        {"f12", DIK_F12},    {"space", DIK_SPACE}, {"plus", DIK_ADD},   {"minus", DIK_SUBTRACT},
        {"tab", DIK_TAB},    {"backspace", DIK_BACK}, {"enter", DIK_RETURN},
        {"q", 0x10},         {"p", 0x19},        {"a", 0x1E},           {"l", 0x26},
        {"z", 0x2C},         {"m", 0x32},        {"digit1", 0x02},      {"digit9", 0x0A},
        {"digit0", 0x0B},    {"f1", 0x3B},       {"up", 0xC8},          {"ralt", 0xB8},
    };
    for (auto [name, code] : names) EXPECT_EQ(keyCode(name), code) << name;
}

TEST(KeyNames, NumbersAreCodesAndUnknownNamesAreRefused) {
    EXPECT_EQ(keyCode("0x42"), DIK_F8);
    EXPECT_EQ(keyCode("1"), DIK_ESCAPE);
    EXPECT_EQ(keyCode("255"), 255);
    EXPECT_EQ(keyCode("256"), -1);
    EXPECT_EQ(keyCode("f13"), -1);
    EXPECT_EQ(keyCode("Esc"), -1);
}

}  // namespace
}  // namespace vantor
