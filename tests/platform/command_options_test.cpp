#include "platform/command_options.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace vantor::platform {
namespace {

using Action = CommandOptions::Action;
using Settings = std::vector<std::pair<std::string, std::string>>;

// As the system hands them over: the program's name first, a null last.
CommandOptions read(std::vector<const char*> args) {
    args.insert(args.begin(), "vantor");
    args.push_back(nullptr);
    return readCommandOptions(static_cast<int>(args.size()) - 1, args.data());
}

TEST(CommandOptionsTest, LeadingOptionsBecomeSwitchesAndTheRestIsTheGames) {
    CommandOptions options = read({"--headless", "--scale=3", "--home=", "--snapshot-at=1,5",
                                   "--window", "--scaling=whole", "--backend=headless", "Q", "--scale=x"});
    EXPECT_EQ(options.action, Action::Run);
    EXPECT_EQ(options.firstGameArgument, 8);
    EXPECT_EQ(options.settings, (Settings{{"VANTOR_BACKEND", "headless"}, {"VANTOR_SCALE", "3"},
                                          {"VANTOR_HOME", ""}, {"VANTOR_SNAPSHOT_AT", "1,5"},
                                          {"VANTOR_WINDOW", "1"}, {"VANTOR_SCALING", "whole"},
                                          {"VANTOR_BACKEND", "headless"}}));
    EXPECT_EQ(read({"--window"}).firstGameArgument, 2);  // options alone: the game's line is empty
    // "--" ends the options: the demo runs, and a line that looks like an option is the game's.
    CommandOptions dashes = read({"--window", "--", "3"});
    EXPECT_EQ(dashes.action, Action::Run);
    EXPECT_EQ(dashes.firstGameArgument, 3);
    EXPECT_EQ(dashes.settings, (Settings{{"VANTOR_WINDOW", "1"}}));
    EXPECT_EQ(read({"--", "--window"}).firstGameArgument, 2);
}

// A mistyped switch must not start a game that ignores it.
TEST(CommandOptionsTest, UnknownAndMalformedOptionsAreRefusedWithTheReason) {
    const std::pair<const char*, const char*> refused[] = {
        {"--widnow", "--widnow is not an option"},
        {"--w", "--w is not an option"},  // the shortest that is no "--"
        {"--scale=two", "--scale needs a whole number"},
        {"--frames", "--frames needs a whole number"},
        {"--frames=12345678901", "--frames needs a whole number"},
        {"--window=yes", "--window takes no value"},
#ifdef _WIN32
        {"--backend=sdl", "--backend is win32 or headless"},
#else
        {"--backend=x11", "--backend is sdl or headless"},
#endif
        {"--scaling=stretch", "--scaling is fill or whole"},
        {"--input", "--input needs a value"},
    };
    for (const auto& [arg, why] : refused) {
        CommandOptions options = read({"--window", arg, "3"});
        EXPECT_EQ(options.action, Action::Refuse) << arg;
        EXPECT_EQ(options.error, why);
    }
    EXPECT_EQ(read({"--frames=1", "--version", "--bogus"}).action, Action::Version);
    EXPECT_EQ(read({"--help"}).action, Action::Help);
}

// "-h" is what people try first; the help names only what this build has.
TEST(CommandOptionsTest, HelpComesForEitherSpellingAndDescribesThisBuild) {
    for (auto args : {std::vector<const char*>{"-h"}, {"--window", "-h", "3"}, {"--help", "Q"}})
        EXPECT_EQ(read(args).action, Action::Help) << args.size();
    EXPECT_EQ(read({"Q", "-h"}).action, Action::Run);  // the game's own line
    std::string usage = commandOptionsUsage();
    EXPECT_NE(usage.find("-h, --help"), std::string::npos);
#ifdef _WIN32
    const char* present[] = {"usage: vantor.exe", "--backend=win32|headless", "%APPDATA%\\Vantor\\"};
    const char* absent[] = {"sdl", "SDL", "XDG", "--audio-buffer"};
#else
    const char* present[] = {"usage: vantor ", "--backend=sdl|headless", "$XDG_DATA_HOME/vantor/",
                             "--audio-buffer"};
    const char* absent[] = {"win32", "APPDATA"};
#endif
    for (const char* text : present) EXPECT_NE(usage.find(text), std::string::npos) << text;
    for (const char* text : absent) EXPECT_EQ(usage.find(text), std::string::npos) << text;

    // A message box wraps long lines and grows past the screen: the summary
    // is a few lines that name what the help names.
    std::string summary = commandOptionsSummary();
    EXPECT_EQ(summary.substr(0, summary.find('\n')), usage.substr(0, usage.find('\n')));
    EXPECT_LE(std::count(summary.begin(), summary.end(), '\n'), 2);
    for (const char* name : {" --window", " --scale=N", " --home=...", " --trace=...", " --headless"})
        EXPECT_NE(summary.find(name), std::string::npos) << name;
    for (const char* text : absent) EXPECT_EQ(summary.find(text), std::string::npos) << text;
}

}  // namespace
}  // namespace vantor::platform
