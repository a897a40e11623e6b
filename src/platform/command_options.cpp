#include "platform/command_options.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "platform/os_services.h"
#include "platform/window_backend.h"

namespace vantor::platform {
namespace {

enum class Value { None, Number, Text, Backend, Scaling };

struct Option {
    const char* name;
    Value value;
};

// Each name maps to VANTOR_<NAME>, dashes as underscores.
constexpr Option kOptions[] = {
    {"backend", Value::Backend}, {"headless", Value::None},   {"window", Value::None},
    {"scale", Value::Number},    {"vsync", Value::None},      {"frames", Value::Number},
    {"input", Value::Text},      {"snapshots", Value::Text},  {"snapshot-at", Value::Text},
    {"wav", Value::Text},        {"trace", Value::Text},      {"home", Value::Text},
    {"fail", Value::Text},       {"pitch", Value::Number},    {"cd", Value::Number},
    {"clock-start", Value::Number}, {"owner", Value::Text},   {"audio-buffer", Value::Number},
    {"scaling", Value::Scaling},
};

// "  OPTION  VARIABLE  what it does", in the help's columns.
std::string helpLine(const std::string& option, const std::string& variable, const std::string& what) {
    std::string line = "  " + option;
    line.resize(std::max<size_t>(line.size() + 2, 26), ' ');
    line += variable;
    line.resize(std::max<size_t>(line.size() + 2, 43), ' ');
    return line + what + "\n";
}

// A program with no window has no choice to offer.
std::string backendHelp(const std::string& name) {
    if (name == "headless") return "";
    return helpLine("--backend=" + name + "|headless", "VANTOR_BACKEND", "where the game runs (default " + name + ")");
}

std::string usage() {
    const WindowBackend& window = windowBackend();
    return std::string("usage: ") + window.program +
           " [--OPTION[=VALUE]]... [--] [COMMAND LINE]\n"
           "\n"
           "The command line is the game's own: 'Q...' skips the maker's logo, '3'\n"
           "plays the recorded demo DATA32.RES back, and one hidden word records it.\n"
           "Options (each may also be set as the environment variable shown):\n"
           "  -h, --help                               this text\n"
           "  --version                                the version\n"
           "  --describe                               the game's facts as JSON, for its tests\n" +
           backendHelp(window.name) +
           "  --headless              VANTOR_BACKEND=headless\n"
           "  --window                VANTOR_WINDOW=1  play in a window, not full screen\n"
           "  --scale=N               VANTOR_SCALE     the window's whole-number scale when it opens\n"
           "                                           (default: the largest that fits)\n"
           "  --scaling=fill|whole    VANTOR_SCALING   fill: the picture as large as the window or\n"
           "                                           screen holds, sharp (default); whole: whole\n"
           "                                           factors only\n"
           "  --vsync                 VANTOR_VSYNC=1   wait for the screen's refresh when presenting\n"
           "  --frames=N              VANTOR_FRAMES    headless: close after N frames\n"
           "  --input=FILE            VANTOR_INPUT     headless: input script\n"
           "  --snapshots=DIR         VANTOR_SNAPSHOTS headless: PNG snapshots go here\n"
           "  --snapshot-at=LIST      VANTOR_SNAPSHOT_AT  present numbers (1,5,9) or 'all'\n"
           "  --wav=FILE              VANTOR_WAV       headless: write the mixed sound\n"
           "  --trace=FILE            VANTOR_TRACE     the play-frame trace\n" +
           os::kHomeHelp +
           "  --fail=LIST             VANTOR_FAIL      headless: failures to produce\n"
           "  --pitch=N               VANTOR_PITCH     headless: surface pitch above 640\n"
           "  --cd=1                  VANTOR_CD        headless: a CD audio device exists\n"
           "  --clock-start=N         VANTOR_CLOCK_START  headless: first tick count\n"
           "  --owner=NAME            VANTOR_OWNER     the registered owner's name\n" +
           window.ownHelp +
           "Failures for --fail: window vdp input keyboard mouse sound sound-buffer\n"
           "sound-lock sound-restore sound-lost cd-time-format surface-busy surface-lost\n"
           "surface-restore keyboard-lost keyboard-unacquired keyboard-acquire mouse-lost\n"
           "mouse-unacquired mouse-acquire.\n"
           "\n"
           "Without a mouse: the arrows move a ring over the wheel (Left and Right round\n"
           "it, Up outward), Space or Enter is the left button on its cell, Delete or X\n"
           "the right one; a menu opened by keys has RESUME lit, Up and Down move it and\n"
           "Enter takes it. A game controller: D-pad or left stick to move, A the left\n"
           "button, B or X the right one, Start the menu (A takes, B resumes), Back as\n"
           "Escape, the shoulders the speed; naming a score, Up and Down turn a letter, A\n"
           "takes it, B takes one back, Start ends. A press or drag on the speed gauge\n"
           "sets the speed.\n";
}

const Option* find(const std::string& name) {
    for (const Option& option : kOptions)
        if (name == option.name) return &option;
    return nullptr;
}

bool isNumber(const std::string& text) {
    if (text.empty() || text.size() > 10) return false;
    size_t i = text[0] == '-' ? 1 : 0;
    if (i == text.size()) return false;
    for (; i < text.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    return true;
}

// Empty when the value suits the option, else why not.
std::string checkValue(const Option& option, bool given, const std::string& value) {
    switch (option.value) {
    case Value::None:
        return !given || value == "0" || value == "1" ? "" : "takes no value";
    case Value::Number:
        return given && isNumber(value) ? "" : "needs a whole number";
    case Value::Text:
        return given ? "" : "needs a value";
    case Value::Backend:
        return given && (value == windowBackend().name || value == "headless")
                   ? ""
                   : std::string("is ") + windowBackend().name + " or headless";
    case Value::Scaling:
        return given && (value == "fill" || value == "whole") ? "" : "is fill or whole";
    }
    return "";
}

std::string variableFor(const std::string& name) {
    std::string variable = "VANTOR_";
    for (char c : name) variable += c == '-' ? '_' : static_cast<char>(std::toupper(c));
    return variable;
}

// One option; false with the error set when it is unknown or malformed.
bool readOne(const std::string& arg, CommandOptions& options) {
    std::string body = arg.substr(2);
    size_t equals = body.find('=');
    std::string name = body.substr(0, equals);
    bool given = equals != std::string::npos;
    std::string value = given ? body.substr(equals + 1) : "1";
    const Option* option = find(name);
    std::string why = option ? checkValue(*option, given, value) : "is not an option";
    if (!why.empty()) {
        options.error = "--" + name + " " + why;
        return false;
    }
    if (name == "headless")
        options.settings.emplace_back("VANTOR_BACKEND", value == "0" ? windowBackend().name : "headless");
    else
        options.settings.emplace_back(variableFor(name), value);
    return true;
}

std::string placeholder(Value value) {
    switch (value) {
    case Value::None: return "";
    case Value::Number: return "=N";
    case Value::Text: return "=...";
    case Value::Backend: return std::string("=") + windowBackend().name + "|headless";
    case Value::Scaling: return "=fill|whole";
    }
    return "";
}

// The usage line and the name of every option the help describes.
std::string summary() {
    std::string help = usage();
    std::string text = help.substr(0, help.find('\n') + 1) + "Options: -h --help --version";
    for (const Option& option : kOptions) {
        std::string name = std::string("--") + option.name;
        if (help.find(name) != std::string::npos) text += " " + name + placeholder(option.value);
    }
    return text + "\n";
}

}  // namespace

CommandOptions readCommandOptions(int argc, const char* const* argv) {
    CommandOptions options;
    int i = 1;
    for (; i < argc; ++i) {
        std::string arg = argv[i];
        // "-h" is what people type first; the game's own line never starts with it.
        if (arg == "--help" || arg == "-h") return options.action = CommandOptions::Action::Help, options;
        if (arg == "--version") return options.action = CommandOptions::Action::Version, options;
        if (arg == "--describe") return options.action = CommandOptions::Action::Describe, options;
        // "--" ends the options, so a game's line may start with "--" too.
        if (arg == "--") {
            ++i;
            break;
        }
        if (arg.size() < 3 || arg.compare(0, 2, "--") != 0) break;
        if (!readOne(arg, options)) {
            options.action = CommandOptions::Action::Refuse;
            return options;
        }
    }
    options.firstGameArgument = i;
    return options;
}

const char* commandOptionsUsage() {
    static const std::string text = usage();
    return text.c_str();
}

const char* commandOptionsSummary() {
    static const std::string text = summary();
    return text.c_str();
}

}  // namespace vantor::platform
