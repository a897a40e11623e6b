#include <cstdlib>
#include <spawn.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/os_services.h"

#ifdef __EMSCRIPTEN__
#include <emscripten.h>

// Under node the program is its script, whose folder emscripten knows; a
// page's program has no folder of its own.
EM_JS(void, vantor_script_folder, (char* out, int size), {
    stringToUTF8(ENVIRONMENT_IS_NODE ? scriptDirectory : "", out, size);
});
#endif

extern char** environ;

namespace vantor::platform::os {

bool startProgram(const std::string& command) {
    std::string program = command.substr(0, command.find(' '));
    std::string argument = command.size() > program.size() ? command.substr(program.size() + 1) : "";
    struct stat st {};
    if (::stat(program.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || !(st.st_mode & S_IXUSR))
        return false;
    std::string path = "./" + program;
    char* argv[] = {path.data(), argument.data(), nullptr};
    pid_t pid = 0;
    return posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv, environ) == 0;
}

void setEnvironment(const char* name, const char* value) {
    if (value)
        ::setenv(name, value, 1);
    else
        ::unsetenv(name);
}

std::optional<std::string> environment(const char* name) {
    const char* value = std::getenv(name);
    if (!value) return std::nullopt;
    return value;
}

std::string programFolder() {
    char path[4096];
#ifdef __EMSCRIPTEN__
    vantor_script_folder(path, sizeof path);
    return path;
#else
    ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return "";
    std::string exe(path, static_cast<size_t>(n));
    size_t slash = exe.rfind('/');
    return slash == std::string::npos ? "" : exe.substr(0, slash + 1);
#endif
}

std::vector<std::string> programArguments(int argc, char** argv) { return {argv, argv + argc}; }

}  // namespace vantor::platform::os
