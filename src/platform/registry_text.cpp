#include "platform/registry_text.h"

#include <cstring>

namespace vantor::platform {

bool storeRegistryText(const std::string& text, char* buffer, uint32_t size) {
    if (size == 0 || text.size() + 1 > size) return false;
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return true;
}

}  // namespace vantor::platform
