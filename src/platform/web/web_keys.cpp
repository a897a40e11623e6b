#include "platform/web/web_keys.h"

#include <algorithm>
#include <utility>

#include "common/cp1251.h"
#include "platform/control_keys.h"
#include "platform/input.h"

namespace vantor::platform::web {
namespace {

constexpr std::pair<std::string_view, uint8_t> kNamedKeys[] = {
    {"Escape", DIK_ESCAPE},        {"Minus", DIK_MINUS},
    {"Equal", DIK_EQUALS},         {"Backspace", DIK_BACK},
    {"Tab", DIK_TAB},              {"BracketLeft", DIK_LBRACKET},
    {"BracketRight", DIK_RBRACKET}, {"Enter", DIK_RETURN},
    {"ControlLeft", DIK_LCONTROL}, {"Semicolon", DIK_SEMICOLON},
    {"Quote", DIK_APOSTROPHE},     {"Backquote", DIK_GRAVE},
    {"ShiftLeft", DIK_LSHIFT},     {"Backslash", DIK_BACKSLASH},
    {"IntlBackslash", DIK_BACKSLASH}, {"Comma", DIK_COMMA},
    {"Period", DIK_PERIOD},        {"Slash", DIK_SLASH},
    {"ShiftRight", DIK_RSHIFT},    {"NumpadMultiply", DIK_MULTIPLY},
    {"AltLeft", DIK_LMENU},        {"Space", DIK_SPACE},
    {"CapsLock", DIK_CAPITAL},     {"F11", DIK_F11},
    {"F12", DIK_F12},              {"NumLock", DIK_NUMLOCK},
    {"ScrollLock", DIK_SCROLL},    {"Numpad7", DIK_NUMPAD7},
    {"Numpad8", DIK_NUMPAD8},      {"Numpad9", DIK_NUMPAD9},
    {"NumpadSubtract", DIK_SUBTRACT}, {"Numpad4", DIK_NUMPAD4},
    {"Numpad5", DIK_NUMPAD5},      {"Numpad6", DIK_NUMPAD6},
    {"NumpadAdd", DIK_ADD},        {"Numpad1", DIK_NUMPAD1},
    {"Numpad2", DIK_NUMPAD2},      {"Numpad3", DIK_NUMPAD3},
    {"Numpad0", DIK_NUMPAD0},      {"NumpadDecimal", DIK_DECIMAL},
    {"NumpadEnter", DIK_NUMPADENTER}, {"ControlRight", DIK_RCONTROL},
    {"NumpadDivide", DIK_DIVIDE},  {"PrintScreen", DIK_SYSRQ},
    {"AltRight", DIK_RMENU},       {"Pause", DIK_PAUSE},
    {"Home", DIK_HOME},            {"ArrowUp", DIK_UP},
    {"PageUp", DIK_PRIOR},         {"ArrowLeft", DIK_LEFT},
    {"ArrowRight", DIK_RIGHT},     {"End", DIK_END},
    {"ArrowDown", DIK_DOWN},       {"PageDown", DIK_NEXT},
    {"Insert", DIK_INSERT},        {"Delete", DIK_DELETE},
    {"MetaLeft", DIK_LWIN},        {"MetaRight", DIK_RWIN},
    {"ContextMenu", DIK_APPS},
};

// "KeyQ", "Digit1", "F7": families whose codes the names count through.
uint8_t familyCode(std::string_view code) {
    if (code.size() == 4 && code.substr(0, 3) == "Key" && code[3] >= 'A' && code[3] <= 'Z') {
        char letter = static_cast<char>(code[3] - 'A' + 'a');
        for (auto [row, first] : kLetterRows)
            if (size_t at = std::string_view(row).find(letter); at != std::string_view::npos)
                return static_cast<uint8_t>(first + at);
    }
    if (code.size() == 6 && code.substr(0, 5) == "Digit" && code[5] >= '0' && code[5] <= '9')
        return static_cast<uint8_t>(code[5] == '0' ? int{DIK_0} : DIK_1 + (code[5] - '1'));
    if (code.size() >= 2 && code.size() <= 3 && code[0] == 'F') {
        int n = 0;
        for (char c : code.substr(1)) n = c >= '0' && c <= '9' ? n * 10 + (c - '0') : -1;
        if (n >= 1 && n <= 10) return static_cast<uint8_t>(DIK_F1 + (n - 1));
    }
    return 0;
}

// The one code point a key's text holds, or none when it names a key
// ("Shift", "ArrowUp") or holds more than one character.
bool singleCodePoint(std::string_view utf8, char32_t& codePoint) {
    if (utf8.empty()) return false;
    size_t end = 0;
    codePoint = decodeUtf8(utf8, end);
    return end == utf8.size() && codePoint != 0xFFFD;
}

}  // namespace

uint8_t keyCodeOf(std::string_view code) {
    for (auto [name, dik] : kNamedKeys)
        if (name == code) return dik;
    return familyCode(code);
}

std::vector<Msg> keyPressMessages(std::string_view key, bool shortcut) {
    if (shortcut) return {};
    // These keys' names are also their places' names.
    if (std::vector<Msg> control = controlKeyMessages(keyCodeOf(key)); !control.empty()) return control;
    char32_t codePoint = 0;
    uint8_t byte = 0;
    if (!singleCodePoint(key, codePoint) || codePoint < 32 || !unicodeToCp1251(codePoint, byte)) return {};
    return {{Message::Char, byte}};
}

bool keptFromBrowser(std::string_view code) {
    static constexpr std::string_view kKept[] = {"F10", "Backspace", "Tab", "Escape", "Space",
                                                 "ArrowUp", "ArrowDown", "ArrowLeft", "ArrowRight"};
    return code.substr(0, 6) == "Numpad" ||
           std::find(std::begin(kKept), std::end(kKept), code) != std::end(kKept);
}

}  // namespace vantor::platform::web
