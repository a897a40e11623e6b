#include "platform/system.h"

#include "platform/os_services.h"

namespace vantor::platform {

std::unique_ptr<File> System::openFile(const std::string& name, OpenMode mode, OpenError& error) {
    return os::openFile(name, mode, error);
}

bool System::queryRegistry(const std::string& key, const std::string& valueName, char* buffer,
                           uint32_t size) {
    return os::queryRegistry(key, valueName, buffer, size);
}

}  // namespace vantor::platform
