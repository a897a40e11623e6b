#include "app/startup.h"

#include <string>
#include <string_view>

#include "app/command_line.h"
#include "app/frame_pump.h"
#include "audio/cd_audio.h"
#include "audio/sound_device.h"
#include "common/cp1251.h"
#include "input/input_devices.h"
#include "platform/platform.h"
#include "resources/data30.h"
#include "screens/game_flow.h"
#include "screens/saved_game.h"
#include "video/vdp.h"

namespace vantor {
namespace {

constexpr char kError[] = "ERROR!";

// A start-up failure ends the process with a failure status, so scripts and
// launchers can tell it from a normal end.
constexpr int kStartupFailed = 1;

// The room the original gave an installation path.
constexpr size_t kMostPathCharacters = 260;

size_t characterCount(std::string_view utf8) {
    size_t count = 0;
    for (size_t i = 0; i < utf8.size(); ++count) decodeUtf8(utf8, i);
    return count;
}

int fail(const std::string& text) {
    platform::system().messageBox(kError, text.c_str());
    return kStartupFailed;
}

void shutdownDevices() {
    releaseData30();
    vdp.shutdown();
    cdAudio.close();
    inputDevices.shutdown();
    soundDevice.shutdown();
}

}  // namespace

int runProgram(const std::string& commandLine) {
    startup = StartupState{};
    pump = PumpState{};
    platform::System& sys = platform::system();
    if (!sys.createWindow("TIDEWELL")) {
        return fail("Can't create MainWindow.");
    }
    dispatchSentMessages();
    sys.showWindow();
    dispatchSentMessages();
    if (!vdp.init(true)) {
        return fail("Can't initialise VDP");
    }
    if (inputDevices.init() == 0) {
        return fail("Can't initialise INPUT");
    }
    soundDevice.init();
    cdAudio.open();
    applyCommandLine(commandLine);
    if (std::string problem; !loadData30(&problem)) {
        return fail("Can't initialise resources\n" + problem);
    }
    if (!startup.demo) savedGame.open();
    frameDelay = 35;
    RunGameFlow();
    savedGame.close();
    shutdownDevices();
    sys.launch(startup.exitCommand);
    // Whatever the last message carried, a normal end is a success.
    return 0;
}

void ReadInstallPath() {
    std::string key = "SOFTWARE\\Kelvo Plaix\\";
    key += "Tidewell";
    if (!startup.qStartMode) key += "-Vantor";
    std::string value;
    bool found = platform::system().queryRegistry(key, "", value);
    startup.installPath = found && characterCount(value) <= kMostPathCharacters ? value : ".\\";
}

std::string installedFilePath(const char* name) {
    ReadInstallPath();
    std::string path = startup.installPath;
    for (char& c : path)
        if (c == '\\') c = '/';
    // Installers forget the trailing separator; the name must not run into the folder's.
    if (!path.empty() && path.back() != '/') path += '/';
    return path + name;
}

}  // namespace vantor
