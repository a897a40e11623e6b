#pragma once
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "platform/headless/faults.h"
#include "platform/headless/headless_backend.h"
#include "platform/os_services.h"

namespace vantor::testing {

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name), old_(platform::os::environment(name)) {
        platform::os::setEnvironment(name, value);
    }
    ~ScopedEnv() { platform::os::setEnvironment(name_.c_str(), old_ ? old_->c_str() : nullptr); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string name_;
    std::optional<std::string> old_;
};

// Runs a test in a fresh temporary folder and comes back afterwards. The
// folder is made under base when that exists, else under the system's temp.
class ScopedTempDir {
public:
    explicit ScopedTempDir(const std::string& base = "");
    ~ScopedTempDir();
    const std::string& path() const { return path_; }

private:
    std::string path_;
    std::string previous_;
};

// Copies a file of the build folder (DATA30.RES, kelvo.res) into the current folder.
bool copyFromBuild(const std::string& name);

}  // namespace vantor::testing
