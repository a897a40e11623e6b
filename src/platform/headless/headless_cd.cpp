#include "platform/headless/headless_cd.h"

#include "platform/platform.h"

namespace vantor::platform::headless {

HeadlessCd::HeadlessCd() : present_(option("VANTOR_CD") == "1") {}

bool HeadlessCd::open() {
    if (!present_) return false;
    ++opens;
    return true;
}

bool HeadlessCd::setTimeFormatMsf() { return present_; }
void HeadlessCd::stop() { ++stops; }
void HeadlessCd::close() { ++closes; }

}  // namespace vantor::platform::headless
