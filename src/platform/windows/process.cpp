#include <windows.h>
// after windows.h, which it builds on
#include <shellapi.h>

#include <cstdlib>

#include "platform/os_services.h"
#include "platform/windows/wide_text.h"

namespace vantor::platform::os {

bool startProgram(const std::string& command) {
    std::wstring line = widen(command);
    std::wstring program = line.substr(0, line.find(L' '));
    DWORD attributes = GetFileAttributesW(program.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    std::wstring path = L".\\" + program;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOW;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(path.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &started))
        return false;
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return true;
}

// The C runtime keeps its own copy of the environment, which cannot hold an
// empty value; the system's copy can, and children inherit that one.
void setEnvironment(const char* name, const char* value) {
    std::wstring wideName = widen(name);
    std::wstring wideValue = value ? widen(value) : L"";
    _wputenv((wideName + L"=" + wideValue).c_str());
    SetEnvironmentVariableW(wideName.c_str(), value ? wideValue.c_str() : nullptr);
}

std::optional<std::string> environment(const char* name) {
    std::optional<std::wstring> value = environmentValue(widen(name).c_str());
    if (!value) return std::nullopt;
    return narrow(*value);
}

std::string programFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return "";
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? "" : narrow(path.substr(0, slash + 1));
}

std::vector<std::string> programArguments(int, char**) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 0; wide && i < count; ++i) arguments.push_back(narrow(wide[i]));
    LocalFree(wide);
    return arguments;
}

}  // namespace vantor::platform::os
