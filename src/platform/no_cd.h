#pragma once
#include "platform/cd.h"

namespace vantor::platform {

// Machines of today have no CD audio device to hold.
class NoCd final : public Cd {
public:
    uint32_t open() override { return 0; }
    bool setTimeFormatMsf() override { return false; }
    void stop() override {}
    void close() override {}
};

}  // namespace vantor::platform
