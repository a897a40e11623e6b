#include "platform/headless/headless_cd.h"

#include "platform/headless/faults.h"
#include "platform/platform.h"

namespace vantor::platform::headless {

HeadlessCd::HeadlessCd() : present_(option("VANTOR_CD") == "1") {}

uint32_t HeadlessCd::open() {
    if (!present_) return 0;
    ++opens;
    return kDevice;
}

bool HeadlessCd::setTimeFormatMsf() {
    ++timeFormats;
    return !fault("cd-time-format");
}

void HeadlessCd::stop() { ++stops; }
void HeadlessCd::close() { ++closes; }

}  // namespace vantor::platform::headless
