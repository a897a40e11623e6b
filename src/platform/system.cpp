#include "platform/system.h"

#include <cstdio>

#include "common/cp1251.h"
#include "platform/os_services.h"

namespace vantor::platform {

std::unique_ptr<File> System::openFile(const std::string& name, OpenMode mode, OpenError& error) {
    return os::openFile(name, mode, error);
}

bool System::queryRegistry(const std::string& key, const std::string& valueName,
                           std::string& text) {
    return os::queryRegistry(key, valueName, text);
}

void System::launch(const char* command) {
    noteLaunch(command);
    // The family shell is a separate program; it starts only where one is installed.
    os::startProgram(cp1251ToUtf8(command));
}

std::string System::noteMessageBox(const char* caption, const char* text) {
    std::string line = std::string("message box: ") + caption + ": " + text;
    std::fprintf(stderr, "%s\n", line.c_str());
    return line;
}

std::string System::noteLaunch(const char* command) {
    std::string line = "launch: " + cp1251ToUtf8(command);
    std::fprintf(stderr, "%s\n", line.c_str());
    return line;
}

}  // namespace vantor::platform
