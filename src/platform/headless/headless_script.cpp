#include "platform/headless/headless_script.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>

#include "common/cp1251.h"
#include "common/utf8_file.h"
#include "platform/input.h"
#include "platform/platform.h"

namespace vantor::platform::headless {
namespace {

bool number(const std::string& word, long& value) {
    if (word.empty()) return false;
    char* end = nullptr;
    value = std::strtol(word.c_str(), &end, 0);
    return *end == '\0';
}

bool button(const std::string& word, int& which) {
    if (word == "left") which = 0;
    else if (word == "right") which = 1;
    else return false;
    return true;
}

Msg message(Message kind, uint32_t wParam = 0) { return Msg{kind, wParam}; }

// The buttons a pad line names; false on a name it does not know.
bool padButtons(std::istringstream& in, int& buttons) {
    static const std::map<std::string, int> names = {
        {"up", PadUp},   {"down", PadDown},   {"left", PadLeft},   {"right", PadRight},
        {"a", PadA},     {"b", PadB},         {"x", PadX},         {"y", PadY},
        {"start", PadStart}, {"back", PadBack}, {"lb", PadLeftShoulder}, {"rb", PadRightShoulder},
    };
    buttons = 0;
    for (std::string word; in >> word;) {
        auto it = names.find(word);
        if (it == names.end()) return false;
        buttons |= it->second;
    }
    return true;
}

// Parses the command part of one line into events (typing gives several).
bool parseCommand(uint32_t frame, std::istringstream& in, const std::string& line,
                  std::vector<ScriptEvent>& out) {
    std::string command;
    in >> command;
    ScriptEvent ev;
    ev.frame = frame;
    std::string w1, w2;
    long a = 0, b = 0;
    if (command == "mouse" || command == "move") {
        in >> w1 >> w2;
        if (!number(w1, a) || !number(w2, b)) return false;
        ev.kind = command == "mouse" ? ScriptEvent::Kind::Mouse : ScriptEvent::Kind::Move;
        ev.a = static_cast<int>(a);
        ev.b = static_cast<int>(b);
    } else if (command == "press" || command == "release") {
        in >> w1;
        if (!button(w1, ev.a)) return false;
        ev.kind = command == "press" ? ScriptEvent::Kind::Press : ScriptEvent::Kind::Release;
    } else if (command == "keydown" || command == "keyup") {
        in >> w1;
        ev.a = keyCode(w1);
        if (ev.a < 0) return false;
        ev.kind = command == "keydown" ? ScriptEvent::Kind::KeyDown : ScriptEvent::Kind::KeyUp;
    } else if (command == "pad") {
        if (!padButtons(in, ev.a)) return false;
        ev.kind = ScriptEvent::Kind::Pad;
    } else if (command == "stick") {
        in >> w1 >> w2;
        if (!number(w1, a) || !number(w2, b) || a < -32768 || a > 32767 || b < -32768 || b > 32767) return false;
        ev.kind = ScriptEvent::Kind::Stick;
        ev.a = static_cast<int>(a);
        ev.b = static_cast<int>(b);
    } else if (command == "type") {
        size_t at = line.find("type") + 4;
        if (at < line.size() && line[at] == ' ') ++at;
        for (char c : utf8ToCp1251(line.substr(at))) {
            ev.message = message(Message::Char, static_cast<uint8_t>(c));
            out.push_back(ev);
        }
        return true;
    } else if (command == "char") {
        in >> w1;
        if (!number(w1, a) || a < 0 || a > 255) return false;
        ev.message = message(Message::Char, static_cast<uint32_t>(a));
    } else if (command == "activate") {
        in >> w1;
        if (!number(w1, a)) return false;
        ev.message = message(Message::ActivateApp, a != 0 ? 1u : 0u);
    } else if (command == "close") {
        ev.message = message(Message::SysCommand, kScClose);
    } else if (command == "wmclose") {
        ev.message = message(Message::Close);
    } else {
        return false;
    }
    out.push_back(ev);
    return true;
}

}  // namespace

int keyCode(const std::string& word) {
    static const std::map<std::string, int> names = [] {
        std::map<std::string, int> table = {
            {"esc", DIK_ESCAPE},  {"escape", DIK_ESCAPE}, {"backspace", DIK_BACK},
            {"tab", DIK_TAB},     {"enter", DIK_RETURN},  {"space", DIK_SPACE},
            {"f11", DIK_F11},     {"f12", DIK_F12},       {"minus", DIK_SUBTRACT},
            {"plus", DIK_ADD},    {"left", DIK_LEFT},     {"right", DIK_RIGHT},
            {"up", DIK_UP},       {"down", DIK_DOWN},     {"delete", DIK_DELETE},
            {"lshift", DIK_LSHIFT},
            {"rshift", DIK_RSHIFT}, {"lctrl", DIK_LCONTROL}, {"rctrl", DIK_RCONTROL},
            {"lalt", DIK_LMENU},  {"ralt", DIK_RMENU},
        };
        for (auto [keys, first] : kLetterRows)
            for (int i = 0; keys[i]; ++i) table[std::string(1, keys[i])] = first + i;
        // A bare number is a code, so the digits are "digit1" and so on.
        for (int i = 0; i < 10; ++i) table["digit" + std::to_string((i + 1) % 10)] = DIK_1 + i;
        for (int i = 0; i < 10; ++i) table["f" + std::to_string(i + 1)] = DIK_F1 + i;
        return table;
    }();
    auto it = names.find(word);
    if (it != names.end()) return it->second;
    long value = 0;
    if (number(word, value) && value >= 0 && value <= 255) return static_cast<int>(value);
    return -1;
}

bool Script::parse(const std::string& text, std::string& error) {
    events_.clear();
    std::istringstream lines(text);
    int lineNumber = 0;
    for (std::string line; std::getline(lines, line);) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::string content = line.substr(0, line.find('#'));
        std::istringstream in(content);
        std::string frameWord;
        if (!(in >> frameWord)) continue;
        long frame = 0;
        if (!number(frameWord, frame) || frame < 0 || frame > 0x7FFFFFFF ||
            !parseCommand(static_cast<uint32_t>(frame), in, content, events_)) {
            error = "input script line " + std::to_string(lineNumber) + ": " + line;
            events_.clear();
            return false;
        }
    }
    std::stable_sort(events_.begin(), events_.end(),
                     [](const ScriptEvent& x, const ScriptEvent& y) { return x.frame < y.frame; });
    return true;
}

bool Script::loadFromOption(std::string& error) {
    std::string path = option("VANTOR_INPUT");
    events_.clear();
    if (path.empty()) return true;
    std::ifstream file(utf8Path(path), std::ios::binary);
    if (!file) {
        error = "cannot read input script " + path;
        return false;
    }
    std::stringstream text;
    text << file.rdbuf();
    return parse(text.str(), error);
}

}  // namespace vantor::platform::headless
