#pragma once
#include <string>
#include <utility>
#include <vector>

namespace vantor::platform {

// The leading "--name[=value]" options of the command line, which belong to
// the platform; everything after them is the game's own command line.
struct CommandOptions {
    enum class Action { Run, Help, Version, Describe, Refuse };
    Action action = Action::Run;
    int firstGameArgument = 1;
    // Environment variables to set, in order ("VANTOR_SCALE", "2").
    std::vector<std::pair<std::string, std::string>> settings;
    std::string error;  // why the options were refused
};

CommandOptions readCommandOptions(int argc, const char* const* argv);

// The text --help prints (and a refusal shows on stderr).
const char* commandOptionsUsage();

// The usage line and the options' names alone, short enough for a message box.
const char* commandOptionsSummary();

}  // namespace vantor::platform
