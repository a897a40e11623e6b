#include "platform/os_services.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

namespace vantor::platform::os {
namespace {

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

// VANTOR_HOME when set (empty: no value), else the player's own data folder,
// which no rebuild or clean of a source tree touches.
bool installationPath(std::string& path) {
    if (const char* home = std::getenv("VANTOR_HOME")) {
        path = home;
        return !path.empty();
    }
    // A relative XDG_DATA_HOME is to be ignored.
    const char* data = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    if (data && data[0] == '/')
        path = std::string(data) + "/vantor/";
    else if (home && home[0] == '/')
        path = std::string(home) + "/.local/share/vantor/";
    else
        return false;
    return true;
}

}  // namespace

const char* const kHomeHelp =
    "  --home=DIR/             VANTOR_HOME      where HIGH30 and the game in play\n"
    "                                           (GAME30) live (default\n"
    "                                           $XDG_DATA_HOME/vantor/; empty: here)\n";

bool queryRegistry(const std::string& key, const std::string& valueName, std::string& text) {
    if (key.rfind("SOFTWARE\\Kelvo Plaix\\Tidewell", 0) == 0 && valueName.empty())
        return installationPath(text);
    if ((key == "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion" ||
         key == "SOFTWARE\\Microsoft\\Windows\\CurrentVersion") &&
        valueName == "RegisteredOwner")
        return accountOwner(text);
    return false;
}

}  // namespace vantor::platform::os
