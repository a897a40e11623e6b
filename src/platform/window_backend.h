#pragma once
#include <memory>

#include "platform/platform.h"

namespace vantor::platform {

// What the build's window backend says of itself. Each backend's folder
// defines windowBackend(), so adding one touches that folder, the list of
// backends in CMakeLists.txt and nothing else.
struct WindowBackend {
    const char* name;       // for --backend
    const char* program;    // the program's file name, for the help
    // Help lines for the backend's own options.
    const char* ownHelp;
    // A window program's stderr goes nowhere a player looks: refusals of
    // the command line are shown in the game's own box as well.
    bool showsRefusals;
    std::unique_ptr<Backend> (*make)();
};

const WindowBackend& windowBackend();

}  // namespace vantor::platform
