#pragma once
#include <memory>
#include <string>

#include "platform/audio.h"
#include "platform/cd.h"
#include "platform/display.h"
#include "platform/input.h"
#include "platform/system.h"

namespace vantor::platform {

// One backend: every service the game takes from the machine.
class Backend {
public:
    virtual ~Backend() = default;
    virtual System& system() = 0;
    virtual Display& display() = 0;
    virtual Input& input() = 0;
    virtual Audio& audio() = 0;
    virtual Cd& cd() = 0;
};

// Makes the backend named by VANTOR_BACKEND ("sdl", the default, or "headless").
std::unique_ptr<Backend> makeBackend();

// The backend in use. Installing replaces (and destroys) the previous one.
void install(std::unique_ptr<Backend> backend);
Backend& current();
bool installed();

inline System& system() { return current().system(); }
inline Display& display() { return current().display(); }
inline Input& input() { return current().input(); }
inline Audio& audio() { return current().audio(); }
inline Cd& cd() { return current().cd(); }

// A run-time switch: the environment variable, set from a leading
// "--name=value" option by applyOptions.
std::string option(const char* variable);
int optionInt(const char* variable, int fallback);

}  // namespace vantor::platform
