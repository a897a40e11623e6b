#include "app/startup.h"

#include <cstring>

#include "app/command_line.h"
#include "app/frame_pump.h"
#include "audio/cd_audio.h"
#include "audio/sound_device.h"
#include "common/cp1251.h"
#include "input/input_devices.h"
#include "platform/platform.h"
#include "resources/data30.h"
#include "screens/game_flow.h"
#include "video/vdp.h"

namespace vantor {
namespace {

constexpr char kError[] = "ERROR!";

void fail(const char* text) { platform::system().messageBox(kError, text); }

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
        fail("Can't create MainWindow.");
        return 0;
    }
    dispatchSentMessages();
    sys.showWindow();
    dispatchSentMessages();
    if (!vdp.init(true)) {
        fail("Can't initialise VDP");
        return 0;
    }
    if (inputDevices.init() == 0) {
        fail("Can't initialise INPUT");
        return 0;
    }
    soundDevice.init();
    cdAudio.open();
    applyCommandLine(commandLine);
    if (!loadData30()) {
        fail("Can't initialise resources");
        return 0;
    }
    frameDelay = 35;
    RunGameFlow();
    shutdownDevices();
    sys.launch(startup.exitCommand);
    return 0;  // every normal end, however the last message came
}

void ReadInstallPath() {
    std::string key = "SOFTWARE\\Kelvo Plaix\\";
    key += "Tidewell";
    if (!startup.qStartMode) key += "-Vantor";
    char value[sizeof startup.installPath] = {};
    if (platform::system().queryRegistry(key, "", value, sizeof value))
        std::memcpy(startup.installPath, value, sizeof value);
    else
        std::strcpy(startup.installPath, ".\\");
}

std::string installedFilePath(const char* name) {
    ReadInstallPath();
    std::string path = cp1251ToUtf8(startup.installPath);
    for (char& c : path)
        if (c == '\\') c = '/';
    return path + name;
}

}  // namespace vantor
