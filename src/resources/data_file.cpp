#include "resources/data_file.h"

#include <filesystem>
#include <system_error>

#include "platform/os_services.h"

namespace vantor {
namespace {

bool isFile(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::is_regular_file(path, ignored);
}

}  // namespace

std::string findDataFile(const std::string& name, const std::string& programFolder) {
    if (isFile(name) || programFolder.empty()) return name;
    for (const char* folder : {"", "../share/games/vantor/"}) {
        std::string path = programFolder + folder + name;
        if (isFile(path)) return path;
    }
    return name;
}

std::string findDataFile(const std::string& name) {
    return findDataFile(name, platform::os::programFolder());
}

}  // namespace vantor
