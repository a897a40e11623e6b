#pragma once
#include <cstdint>
#include <string>

namespace vantor::platform {

// Puts a registry value's text (Windows-1251) into the caller's buffer,
// terminated; false when it needs more than size - 1 bytes.
bool storeRegistryText(const std::string& text, char* buffer, uint32_t size);

}  // namespace vantor::platform
