// Process entry: platform options first, then the game's own command line.
#include <cstdio>
#include <string>
#include <vector>

#include "app/game_facts.h"
#include "app/startup.h"
#include "common/cp1251.h"
#include "platform/command_options.h"
#include "platform/os_services.h"
#include "platform/platform.h"
#include "platform/window_backend.h"

namespace {

using vantor::platform::CommandOptions;

// Exit status for options that make no sense, as command-line tools use it.
constexpr int kBadOptions = 2;

void warnIfEndless() {
    if (vantor::platform::option("VANTOR_BACKEND") == "headless" &&
        vantor::platform::option("VANTOR_FRAMES").empty())
        std::fputs("vantor: headless without --frames runs until the input script closes it "
                   "(or Ctrl+C)\n",
                   stderr);
}

// Shown in the game's own box too where the backend asks, with the short
// usage: the whole help is taller than a box.
void showRefusal(const std::string& error) {
    const vantor::platform::WindowBackend& window = vantor::platform::windowBackend();
    if (!window.showsRefusals) return;
    std::string text = error + "\n\n" + vantor::platform::commandOptionsSummary() + "\nWhat each does: README.txt beside " +
                       window.program + ", or " + window.program + " --help > help.txt";
    vantor::platform::install(vantor::platform::makeBackend());
    vantor::platform::system().messageBox("ERROR!", text.c_str());
    vantor::platform::install(nullptr);
}

std::string gameCommandLine(const std::vector<const char*>& argv, int first) {
    std::string line;
    for (size_t i = static_cast<size_t>(first); i < argv.size(); ++i) {
        if (i > static_cast<size_t>(first)) line += ' ';
        line += argv[i];
    }
    return vantor::utf8ToCp1251(line);
}

}  // namespace

int main(int rawCount, char** rawArguments) {
    std::vector<std::string> arguments = vantor::platform::os::programArguments(rawCount, rawArguments);
    std::vector<const char*> argv;
    for (const std::string& argument : arguments) argv.push_back(argument.c_str());
    CommandOptions options = vantor::platform::readCommandOptions(static_cast<int>(argv.size()), argv.data());
    switch (options.action) {
    case CommandOptions::Action::Help:
        std::fputs(vantor::platform::commandOptionsUsage(), stdout);
        return 0;
    case CommandOptions::Action::Version:
        std::printf("vantor %s\n", VANTOR_VERSION);
        return 0;
    case CommandOptions::Action::Describe:
        std::fputs(vantor::gameFactsJson().c_str(), stdout);
        return 0;
    case CommandOptions::Action::Refuse: {
        std::fprintf(stderr, "vantor: %s\n\n%s", options.error.c_str(),
                     vantor::platform::commandOptionsUsage());
        showRefusal(options.error);
        return kBadOptions;
    }
    case CommandOptions::Action::Run: break;
    }
    for (const auto& [variable, value] : options.settings)
        vantor::platform::os::setEnvironment(variable.c_str(), value.c_str());
    warnIfEndless();
    vantor::platform::install(vantor::platform::makeBackend());
    int code = vantor::runProgram(gameCommandLine(argv, options.firstGameArgument));
    vantor::platform::install(nullptr);
    return code;
}
