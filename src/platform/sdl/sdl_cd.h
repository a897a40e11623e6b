#pragma once
#include "platform/cd.h"

namespace vantor::platform::sdl {

// Desktops of today have no CD audio device to hold.
class SdlCd final : public Cd {
public:
    bool open() override { return false; }
    bool setTimeFormatMsf() override { return false; }
    void stop() override {}
    void close() override {}
};

}  // namespace vantor::platform::sdl
