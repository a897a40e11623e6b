#include "platform/web/web_keys.h"

#include <gtest/gtest.h>

namespace vantor::platform::web {
namespace {

TEST(WebKeys, KeysAreKnownByTheirPlaceAsScanCodes) {
    const std::pair<const char*, int> known[] = {
        {"KeyA", 0x1E}, {"KeyL", 0x26}, {"KeyM", 0x32}, {"KeyP", 0x19}, {"KeyQ", 0x10},
        {"KeyZ", 0x2C}, {"Digit1", 0x02}, {"Digit9", 0x0A}, {"Digit0", 0x0B}, {"F1", 0x3B},
        {"F8", 0x42}, {"F10", 0x44}, {"F11", 0x57}, {"F12", 0x58}, {"Escape", 0x01},
        {"Space", 0x39}, {"NumpadAdd", 0x4E}, {"NumpadSubtract", 0x4A}, {"Enter", 0x1C},
        {"NumpadEnter", 0x9C}, {"ArrowUp", 0xC8}, {"IntlBackslash", 0x2B}};
    for (auto [code, dik] : known) EXPECT_EQ(keyCodeOf(code), dik) << code;
    for (const char* unknown : {"", "Key", "KeyAA", "Keya", "F", "F0", "F13", "F1x", "Digit", "Lang1", "Fn"})
        EXPECT_EQ(keyCodeOf(unknown), 0) << unknown;
}

TEST(WebKeys, PressesTypeTheirCharactersInWindows1251) {
    auto typed = [](const char* key, bool shortcut = false) {
        std::vector<int> out;
        for (const Msg& m : keyPressMessages(key, shortcut))
            out.push_back(m.message == Message::KeyDown ? -int(m.wParam) : int(m.wParam));
        return out;
    };
    EXPECT_EQ(typed("Enter"), (std::vector<int>{-13, 13}));
    EXPECT_EQ(typed("Backspace"), std::vector<int>{8});
    EXPECT_EQ(typed("Tab"), std::vector<int>{9});
    EXPECT_EQ(typed("Escape"), std::vector<int>{27});
    EXPECT_EQ(typed("a"), std::vector<int>{'a'});
    EXPECT_EQ(typed(" "), std::vector<int>{' '});
    EXPECT_EQ(typed("\xD0\x96"), std::vector<int>{0xC6});      // Ж
    EXPECT_EQ(typed("\xE2\x82\xAC"), std::vector<int>{0x88});  // the euro sign
    for (const char* none : {"Shift", "ArrowUp", "Unidentified", "", "\xF0\x9F\x98\x80", "\xD0", "ab"})
        EXPECT_TRUE(typed(none).empty()) << none;
    EXPECT_TRUE(typed("r", true).empty());  // Ctrl+R stays the browser's
}

TEST(WebKeys, TheBrowserKeepsItsShortcutsButNotTheGamesKeys) {
    for (const char* kept : {"F10", "Backspace", "Tab", "Escape", "Space", "ArrowLeft", "Numpad5",
                             "NumpadAdd", "NumpadEnter"})
        EXPECT_TRUE(keptFromBrowser(kept)) << kept;
    for (const char* left : {"F5", "F11", "F12", "KeyR", "Enter", "AltLeft"})
        EXPECT_FALSE(keptFromBrowser(left)) << left;
}

}  // namespace
}  // namespace vantor::platform::web
