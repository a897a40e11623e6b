#include "platform/headless/faults.h"

#include <set>
#include <sstream>

#include "platform/platform.h"

namespace vantor::platform::headless {
namespace {
std::set<std::string>& active() {
    static std::set<std::string> names = [] {
        std::set<std::string> fromEnv;
        std::stringstream list(option("VANTOR_FAIL"));
        for (std::string name; std::getline(list, name, ',');)
            if (!name.empty()) fromEnv.insert(name);
        return fromEnv;
    }();
    return names;
}
}  // namespace

bool fault(const std::string& name) { return active().count(name) != 0; }

void setFault(const std::string& name, bool on) {
    if (on)
        active().insert(name);
    else
        active().erase(name);
}

void clearFaults() { active().clear(); }

}  // namespace vantor::platform::headless
