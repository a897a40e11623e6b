#include <windows.h>

#include <vector>

#include "common/cp1251.h"
#include "platform/os_services.h"
#include "platform/windows/wide_text.h"

namespace vantor::platform::os {
namespace {

// A value as text, from the key as this program's bitness sees it or, failing
// that, as a 32-bit installer of the family wrote it.
bool readValue(const std::string& key, const std::string& valueName, std::wstring& text) {
    for (REGSAM view : {REGSAM{0}, REGSAM{KEY_WOW64_32KEY}}) {
        HKEY opened = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, widen(cp1251ToUtf8(key)).c_str(), 0,
                          KEY_QUERY_VALUE | view, &opened) != ERROR_SUCCESS)
            continue;
        std::wstring name = widen(cp1251ToUtf8(valueName));
        DWORD bytes = 0;
        bool found = RegQueryValueExW(opened, name.c_str(), nullptr, nullptr, nullptr, &bytes) == ERROR_SUCCESS;
        std::vector<wchar_t> data(bytes / sizeof(wchar_t) + 1, L'\0');
        found = found && RegQueryValueExW(opened, name.c_str(), nullptr, nullptr,
                                          reinterpret_cast<BYTE*>(data.data()), &bytes) == ERROR_SUCCESS;
        RegCloseKey(opened);
        if (!found) continue;
        text = data.data();  // up to the first zero, whatever the value's type
        return true;
    }
    return false;
}

// VANTOR_HOME or VANTOR_OWNER when set; an empty one means no value.
std::optional<bool> overridden(const wchar_t* variable, std::string& text) {
    std::optional<std::wstring> value = environmentValue(variable);
    if (!value) return std::nullopt;
    text = narrow(*value);
    return !value->empty();
}

// Without an installer's key the scores live among the player's own
// settings, not wherever a shortcut happened to start the game.
bool roamingFolder(std::string& text) {
    std::optional<std::wstring> folder = environmentValue(L"APPDATA");
    if (!folder || folder->empty()) return false;
    text = narrow(*folder) + "\\Vantor\\";
    return true;
}

}  // namespace

const char* const kHomeHelp =
    "  --home=DIR\\             VANTOR_HOME      where HIGH30 and the game in play\n"
    "                                           (GAME30) live (default: the\n"
    "                                           registry's folder, else\n"
    "                                           %APPDATA%\\Vantor\\; empty: here)\n";

bool queryRegistry(const std::string& key, const std::string& valueName, std::string& text) {
    bool installation = key.rfind("SOFTWARE\\Kelvo Plaix\\Tidewell", 0) == 0 && valueName.empty();
    bool owner = valueName == "RegisteredOwner";
    if (installation || owner) {
        if (auto forced = overridden(installation ? L"VANTOR_HOME" : L"VANTOR_OWNER", text))
            return *forced;
    }
    std::wstring value;
    if (readValue(key, valueName, value)) {
        text = narrow(value);
        return true;
    }
    return installation && roamingFolder(text);
}

}  // namespace vantor::platform::os
