#pragma once
#include <optional>
#include <string>

// Text between the game's UTF-8 and the system's UTF-16.
namespace vantor::platform::os {

std::wstring widen(const std::string& utf8);
std::string narrow(const std::wstring& wide);

// An environment variable of this process as the system holds it, which
// (unlike the C runtime's copy) tells an empty value from none.
std::optional<std::wstring> environmentValue(const wchar_t* name);

}  // namespace vantor::platform::os
