#pragma once
#include <cstdint>
#include <string>

namespace vantor::platform {

// The few registry values the game reads, answered from this machine:
// the installation path from VANTOR_HOME, the registered owner from
// VANTOR_OWNER or else the user's account (full name, else login name).
bool queryEmulatedRegistry(const std::string& key, const std::string& valueName, char* buffer,
                           uint32_t size);

}  // namespace vantor::platform
