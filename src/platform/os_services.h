#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/system.h"

// The operating system's own services, one implementation per system side
// by side (posix/, windows/). Backends build their System on these; strings
// are UTF-8 unless a function says otherwise.
namespace vantor::platform::os {

// Opens a file with the sharing rules of the open modes: a second opener the
// rules exclude gets SharingViolation. Files opened in Update or
// UpdateOrCreate mode are written through a replacement that commit puts in
// place at once, so the name always holds the old or the new contents.
std::unique_ptr<File> openFile(const std::string& name, OpenMode mode, OpenError& error);

// Reads a registry value as text; false when the key or value is missing.
// VANTOR_HOME and VANTOR_OWNER, when set, answer for the installation path
// and the registered owner (empty: no value). Without an installation path
// in the registry the scores go to the player's own folder: Vantor in
// %APPDATA% on Windows, $XDG_DATA_HOME/vantor/ elsewhere, where the owner is
// the account's name.
bool queryRegistry(const std::string& key, const std::string& valueName, std::string& text);

// The help's lines for --home: where that folder is on this system.
extern const char* const kHomeHelp;

// Starts the program the command names ("PROGRAM ARGUMENT", UTF-8) when it
// exists in the current folder; never waits for it. True when it was started.
bool startProgram(const std::string& command);

// Sets an environment variable of this process; a null value removes it.
void setEnvironment(const char* name, const char* value);

// An environment variable of this process; nothing when it is not set.
std::optional<std::string> environment(const char* name);

// The folder that holds the running program, ending in a separator; empty
// when the system cannot tell.
std::string programFolder();

// The program's arguments in UTF-8, its own name first. Windows hands main
// them in the local code page, so there they are read from the system's own
// wide form instead of argv.
std::vector<std::string> programArguments(int argc, char** argv);

}  // namespace vantor::platform::os
