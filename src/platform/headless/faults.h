#pragma once
#include <string>

namespace vantor::platform::headless {

// Failures the headless backend can be told to produce, by name: from the
// comma list in VANTOR_FAIL, or set by a test. Names in use are listed by
// `vantor --help`.
bool fault(const std::string& name);
void setFault(const std::string& name, bool on);
void clearFaults();

}  // namespace vantor::platform::headless
