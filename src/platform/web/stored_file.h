#pragma once
#include <memory>
#include <string>

#include "platform/system.h"

namespace vantor::platform::web {

// Opens a file of the page's lasting storage. Other tabs of the same game
// share that storage, so the open takes the file's cross-tab lock (shared
// for Read, exclusive otherwise; another tab's hold is a SharingViolation),
// reads the storage afresh, and opens the file with the usual rules. A
// commit also stores the file, and closing lets go of the lock.
std::unique_ptr<File> openStoredFile(const std::string& name, OpenMode mode, OpenError& error);

}  // namespace vantor::platform::web
