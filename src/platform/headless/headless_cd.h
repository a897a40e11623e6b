#pragma once
#include "platform/cd.h"

namespace vantor::platform::headless {

// A CD audio device that exists only when VANTOR_CD=1 (or a test says so);
// it counts the commands it receives.
class HeadlessCd final : public Cd {
public:
    HeadlessCd();

    bool open() override;
    bool setTimeFormatMsf() override;
    void stop() override;
    void close() override;

    void setPresent(bool present) { present_ = present; }
    int opens = 0;
    int stops = 0;
    int closes = 0;

private:
    bool present_ = false;
};

}  // namespace vantor::platform::headless
