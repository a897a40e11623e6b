#pragma once
#include <memory>
#include <string>

#include "platform/system.h"

namespace vantor::platform {

// Files on a POSIX system with the sharing rules of the three open modes:
// every open takes a lock on the file (shared for Read, exclusive otherwise),
// so a second opener that the rules exclude gets SharingViolation.
std::unique_ptr<File> openPosixFile(const std::string& name, OpenMode mode, OpenError& error);

}  // namespace vantor::platform
