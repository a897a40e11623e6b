// Any bytes as the game's command line, as the platform's leading options
// (split into arguments at zero bytes), as the text the platform converts
// to the game's code page, as a headless input script, and as the browser
// viewport the page asks the picture's place for: the demo, recording and Q
// modes follow the line alone, options run or are refused with a reason,
// conversions never grow without bound, a script is read or said wrong, and
// the picture never has a negative place or size, on a canvas of whole
// 640 x 480 steps.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/startup.h"
#include "common/cp1251.h"
#include "common/random.h"
#include "input/input_devices.h"
#include "platform/command_options.h"
#include "platform/headless/headless_backend.h"
#include "platform/picture_fit.h"

using namespace vantor;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Demo files go to a folder of their own.
    auto dir = std::filesystem::temp_directory_path() / "vantor-fuzz-command-line";
    std::filesystem::create_directories(dir);
    std::filesystem::current_path(dir);
    platform::headless::installFresh();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string bytes(reinterpret_cast<const char*>(data), size);

    startup = StartupState{};
    inputDevices.recorder.file.close();
    inputDevices.recorder = Recorder{};
    applyCommandLine(bytes);
    bool playback = !bytes.empty() && bytes[0] == '3';
    bool recording = bytes == kRecordingWord;
    if (startup.qStartMode != (!bytes.empty() && bytes[0] == 'Q')) std::abort();
    bool demo = playback || recording;
    if (rng.state != (demo ? 10u : platform::system().ticks())) std::abort();
    if (inputDevices.recorder.active != (demo ? 1 : 0)) std::abort();
    if (demo && inputDevices.recorder.mode != (recording ? 1 : 0)) std::abort();
    if (std::string(startup.exitCommand) != (playback ? "TIDEWELL.EXE 4" : "TIDEWELL.EXE P")) std::abort();

    // Whatever the system hands over, the conversions never grow without bound.
    std::string converted = utf8ToCp1251(bytes);
    if (converted.size() > bytes.size()) std::abort();
    if (cp1251ToUtf8(converted).size() > 3 * converted.size()) std::abort();

    std::vector<std::string> words{"vantor"};
    for (size_t at = 0; at <= bytes.size();) {
        size_t end = std::min(bytes.find('\0', at), bytes.size());
        words.push_back(bytes.substr(at, end - at));
        at = end + 1;
    }
    std::vector<const char*> argv;
    for (const std::string& word : words) argv.push_back(word.c_str());
    platform::CommandOptions options =
        platform::readCommandOptions(static_cast<int>(argv.size()), argv.data());
    bool running = options.action == platform::CommandOptions::Action::Run;
    if (running && (options.firstGameArgument < 1 || options.firstGameArgument > int(argv.size())))
        std::abort();
    if (options.action == platform::CommandOptions::Action::Refuse && options.error.empty()) std::abort();

    platform::headless::Script script;
    std::string error;
    if (!script.parse(bytes, error) && error.empty()) std::abort();

    double viewport[3] = {};
    std::memcpy(viewport, data, std::min(size, sizeof viewport));
    platform::PageLayout layout = platform::pageLayout(viewport[0], viewport[1], viewport[2], platform::Scaling::Fill);
    const platform::PictureRect& picture = layout.picture;
    if (picture.x < 0 || picture.y < 0 || picture.w < 0 || picture.h < 0 || picture.w > 65536) std::abort();
    if (layout.canvasWidth % 640 || layout.canvasWidth / 640 != layout.canvasHeight / 480) std::abort();
    return 0;
}
