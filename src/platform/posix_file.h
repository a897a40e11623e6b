#pragma once
#include <memory>
#include <string>

#include "platform/system.h"

namespace vantor::platform {

// Files on a POSIX system with the sharing rules of the open modes: every
// open takes a lock on the file (shared for Read, exclusive otherwise), so a
// second opener that the rules exclude gets SharingViolation. A file without
// any write permission bit counts as read-only, even for the superuser.
//
// Files opened in Update or UpdateOrCreate mode are written through a
// replacement: the first change copies the contents into a new file in the
// same folder, and commit renames it over the original, so the name always
// holds either the old or the new contents, never a partial file. Without a
// successful commit the original stays as it was.
std::unique_ptr<File> openPosixFile(const std::string& name, OpenMode mode, OpenError& error);

}  // namespace vantor::platform
