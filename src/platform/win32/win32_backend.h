#pragma once
#include "platform/platform.h"
#include "platform/win32/win32_audio.h"
#include "platform/win32/win32_cd.h"
#include "platform/win32/win32_context.h"
#include "platform/win32/win32_display.h"
#include "platform/win32/win32_input.h"
#include "platform/win32/win32_system.h"

namespace vantor::platform::win32 {

// The real game on Windows, through the system's own interfaces.
class Win32Backend final : public Backend {
public:
    Win32Backend();
    ~Win32Backend() override;

    Win32System& system() override { return system_; }
    Win32Display& display() override { return display_; }
    Win32Input& input() override { return input_; }
    Win32Audio& audio() override { return audio_; }
    Win32Cd& cd() override { return cd_; }
    Context& context() { return context_; }

private:
    Context context_;
    Win32System system_{context_};
    Win32Display display_{context_};
    Win32Input input_{context_};
    Win32Audio audio_;
    Win32Cd cd_;
};

}  // namespace vantor::platform::win32
