// Process entry: platform options first, then the game's own command line.
#include <cstdio>
#include <string>

#include "app/startup.h"
#include "common/cp1251.h"
#include "platform/command_options.h"
#include "platform/os_services.h"
#include "platform/platform.h"

namespace {

using vantor::platform::CommandOptions;

// Exit status for options that make no sense, as command-line tools use it.
constexpr int kBadOptions = 2;

void warnIfEndless() {
    if (vantor::platform::option("VANTOR_BACKEND") == "headless" &&
        vantor::platform::option("VANTOR_FRAMES").empty())
        std::fputs("vantor: headless without --frames runs until the input script closes it "
                   "(or Ctrl+C)\n", stderr);
}

std::string gameCommandLine(int first, int argc, char** argv) {
    std::string line;
    for (int i = first; i < argc; ++i) {
        if (i > first) line += ' ';
        line += argv[i];
    }
    return vantor::utf8ToCp1251(line);
}

}  // namespace

int main(int argc, char** argv) {
    CommandOptions options = vantor::platform::readCommandOptions(argc, argv);
    switch (options.action) {
    case CommandOptions::Action::Help: std::fputs(vantor::platform::commandOptionsUsage(), stdout); return 0;
    case CommandOptions::Action::Version: std::printf("vantor %s\n", VANTOR_VERSION); return 0;
    case CommandOptions::Action::Refuse:
        std::fprintf(stderr, "vantor: %s\n\n%s", options.error.c_str(),
                     vantor::platform::commandOptionsUsage());
        return kBadOptions;
    case CommandOptions::Action::Run: break;
    }
    for (const auto& [variable, value] : options.settings)
        vantor::platform::os::setEnvironment(variable.c_str(), value.c_str());
    warnIfEndless();
    vantor::platform::install(vantor::platform::makeBackend());
    int code = vantor::runProgram(gameCommandLine(options.firstGameArgument, argc, argv));
    vantor::platform::install(nullptr);
    return code;
}
