#include "platform/registry.h"

#include <cstdlib>
#include <cstring>
#include <pwd.h>
#include <unistd.h>

#include "common/cp1251.h"

namespace vantor::platform {
namespace {

bool fits(const std::string& value, char* buffer, uint32_t size) {
    if (size == 0 || value.size() + 1 > size) return false;
    std::memcpy(buffer, value.c_str(), value.size() + 1);
    return true;
}

bool accountOwner(std::string& name) {
    if (const char* forced = std::getenv("VANTOR_OWNER")) {
        name = forced;
        return !name.empty();
    }
    const passwd* entry = getpwuid(getuid());
    if (!entry) return false;
    std::string gecos = entry->pw_gecos ? entry->pw_gecos : "";
    name = gecos.substr(0, gecos.find(','));
    if (name.empty() && entry->pw_name) name = entry->pw_name;
    return !name.empty();
}

}  // namespace

bool queryEmulatedRegistry(const std::string& key, const std::string& valueName, char* buffer,
                           uint32_t size) {
    if (key.rfind("SOFTWARE\\Kelvo Plaix\\Tidewell", 0) == 0 && valueName.empty()) {
        const char* home = std::getenv("VANTOR_HOME");
        return home && fits(utf8ToCp1251(home), buffer, size);
    }
    if ((key == "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion" ||
         key == "SOFTWARE\\Microsoft\\Windows\\CurrentVersion") &&
        valueName == "RegisteredOwner") {
        std::string owner;
        return accountOwner(owner) && fits(utf8ToCp1251(owner), buffer, size);
    }
    return false;
}

}  // namespace vantor::platform
