#pragma once
#include <windows.h>

#include "platform/cd.h"

namespace vantor::platform::win32 {

// The CD audio device of the media control interface; every failure is silent.
class Win32Cd final : public Cd {
public:
    uint32_t open() override;
    bool setTimeFormatMsf() override;
    void stop() override;
    void close() override;

private:
    UINT device_ = 0;
};

}  // namespace vantor::platform::win32
