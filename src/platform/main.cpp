// Process entry: platform options first, then the game's own command line.
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/startup.h"
#include "common/cp1251.h"
#include "platform/os_services.h"
#include "platform/platform.h"

namespace {

constexpr const char* kHelp =
    "usage: vantor [--OPTION[=VALUE]]... [COMMAND LINE]\n"
    "\n"
    "The command line is the game's own: 'Q...' skips the maker's logo, '3'\n"
    "plays the recorded demo DATA32.RES back, and one hidden word records it.\n"
    "Options (each may also be set as the environment variable shown):\n"
    "  --backend=sdl|headless  VANTOR_BACKEND   where the game runs (default sdl)\n"
    "  --headless              VANTOR_BACKEND=headless\n"
    "  --window                VANTOR_WINDOW=1  play in a window, not full screen\n"
    "  --scale=N               VANTOR_SCALE     the window's whole-number scale\n"
    "  --vsync                 VANTOR_VSYNC=1   wait for the screen's refresh when presenting\n"
    "  --frames=N              VANTOR_FRAMES    headless: close after N frames\n"
    "  --input=FILE            VANTOR_INPUT     headless: input script\n"
    "  --snapshots=DIR         VANTOR_SNAPSHOTS headless: PNG snapshots go here\n"
    "  --snapshot-at=LIST      VANTOR_SNAPSHOT_AT  present numbers (1,5,9) or 'all'\n"
    "  --wav=FILE              VANTOR_WAV       headless: write the mixed sound\n"
    "  --trace=FILE            VANTOR_TRACE     the play-frame trace\n"
    "  --home=DIR/             VANTOR_HOME      installation path (HIGH30 lives there)\n"
    "  --fail=LIST             VANTOR_FAIL      headless: failures to produce\n"
    "  --pitch=N               VANTOR_PITCH     headless: surface pitch above 640\n"
    "  --cd=1                  VANTOR_CD        headless: a CD audio device exists\n"
    "  --clock-start=N         VANTOR_CLOCK_START  headless: first tick count\n"
    "  --owner=NAME            VANTOR_OWNER     the registered owner's name\n"
    "  --audio-buffer=N        VANTOR_AUDIO_BUFFER  sdl: sample frames per sound pull (512)\n"
    "Failures for --fail: window vdp input keyboard mouse sound sound-buffer\n"
    "sound-lock sound-restore sound-lost cd-time-format surface-busy surface-lost\n"
    "surface-restore keyboard-lost keyboard-unacquired keyboard-acquire mouse-lost\n"
    "mouse-unacquired mouse-acquire.\n";

// "--snapshot-at=1,2" becomes VANTOR_SNAPSHOT_AT=1,2; "--window" VANTOR_WINDOW=1.
void applyOption(const char* arg) {
    std::string body = arg + 2;
    std::string name = body.substr(0, body.find('='));
    std::string value = body.size() > name.size() ? body.substr(name.size() + 1) : "1";
    if (name == "headless") {
        name = "backend";
        value = "headless";
    }
    std::string variable = "VANTOR_";
    for (char c : name) variable += c == '-' ? '_' : static_cast<char>(std::toupper(c));
    vantor::platform::os::setEnvironment(variable.c_str(), value.c_str());
}

}  // namespace

int main(int rawCount, char** rawArguments) {
    std::vector<std::string> arguments = vantor::platform::os::programArguments(rawCount, rawArguments);
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    int argc = static_cast<int>(argv.size());
    int first = 1;
    for (; first < argc && std::strncmp(argv[first], "--", 2) == 0 && argv[first][2]; ++first) {
        if (std::strcmp(argv[first], "--help") == 0) {
            std::fputs(kHelp, stdout);
            return 0;
        }
        applyOption(argv[first]);
    }
    std::string line;
    for (int i = first; i < argc; ++i) {
        if (i > first) line += ' ';
        line += argv[i];
    }
    vantor::platform::install(vantor::platform::makeBackend());
    int code = vantor::runProgram(vantor::utf8ToCp1251(line));
    vantor::platform::install(nullptr);
    return code;
}
