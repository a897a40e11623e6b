#include "resources/data_file.h"

#include <filesystem>
#include <system_error>

#include "common/utf8_file.h"
#include "platform/os_services.h"

namespace vantor {
namespace {

constexpr const char* kBesideProgram[] = {"", "../share/games/vantor/"};

bool isFile(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::is_regular_file(utf8Path(path), ignored);
}

}  // namespace

std::string findDataFile(const std::string& name, const std::string& programFolder) {
    if (isFile(name) || programFolder.empty()) return name;
    for (const char* folder : kBesideProgram) {
        std::string path = programFolder + folder + name;
        if (isFile(path)) return path;
    }
    return name;
}

std::string findDataFile(const std::string& name) {
    return findDataFile(name, platform::os::programFolder());
}

std::vector<std::string> dataFileFolders() {
    std::error_code ignored;
    std::vector<std::string> folders{utf8Text(std::filesystem::current_path(ignored) / "")};
    std::string program = platform::os::programFolder();
    if (!program.empty())
        for (const char* folder : kBesideProgram)
            folders.push_back(utf8Text(utf8Path(program + folder).lexically_normal()));
    return folders;
}

}  // namespace vantor
