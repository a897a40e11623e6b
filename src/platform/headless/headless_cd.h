#pragma once
#include "platform/cd.h"

namespace vantor::platform::headless {

// A CD audio device that exists only when VANTOR_CD=1 (or a test says so);
// it counts the commands it receives. The fault "cd-time-format" makes it
// refuse the time format.
class HeadlessCd final : public Cd {
public:
    static constexpr uint32_t kDevice = 1;

    HeadlessCd();

    uint32_t open() override;
    bool setTimeFormatMsf() override;
    void stop() override;
    void close() override;

    void setPresent(bool present) { present_ = present; }
    int opens = 0;
    int timeFormats = 0;
    int stops = 0;
    int closes = 0;

private:
    bool present_ = false;
};

}  // namespace vantor::platform::headless
