#include "platform/platform.h"

#include <cstdlib>

#include "platform/os_services.h"

namespace vantor::platform {
namespace {
std::unique_ptr<Backend>& slot() {
    static std::unique_ptr<Backend> backend;
    return backend;
}
}  // namespace

void install(std::unique_ptr<Backend> backend) {
    slot().reset();  // the old backend lets go of its devices first
    slot() = std::move(backend);
}

Backend& current() { return *slot(); }
bool installed() { return slot() != nullptr; }

std::string option(const char* variable) { return os::environment(variable).value_or(""); }

int optionInt(const char* variable, int fallback) {
    std::string text = option(variable);
    if (text.empty()) return fallback;
    char* end = nullptr;
    long value = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || value < -2147483647L || value > 2147483647L) return fallback;
    return static_cast<int>(value);
}

}  // namespace vantor::platform
