#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "platform/sdl/sdl_backend.h"

// SDL's video start-up opens the session bus, whose library keeps an
// allocation for the life of the process.
extern "C" const char* __lsan_default_suppressions() { return "leak:libdbus-1.so\n"; }

namespace vantor::test {
namespace {

// Without a screen the sdl display refuses to open and says what to do.
class SdlWithoutScreen : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER"}) {
            const char* value = std::getenv(name);
            saved.emplace_back(name, value ? value : "", value != nullptr);
            unsetenv(name);
        }
    }
    void TearDown() override {
        for (auto& [name, value, had] : saved)
            if (had) setenv(name.c_str(), value.c_str(), 1);
            else unsetenv(name.c_str());
    }
    // Refuses, and names the program as it is installed, not as a build folder holds it.
    void expectRefusalWithHint() {
        platform::sdl::SdlBackend backend;
        ::testing::internal::CaptureStderr();
        EXPECT_FALSE(backend.display().open(true));
        std::string said = ::testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find("VANTOR_BACKEND=headless vantor"), std::string::npos) << said;
        EXPECT_NE(said.find(" vantor --headless"), std::string::npos) << said;
        EXPECT_EQ(said.find("./vantor"), std::string::npos) << said;
    }
    std::vector<std::tuple<std::string, std::string, bool>> saved;
};

TEST_F(SdlWithoutScreen, NoDisplayServerNamed) { expectRefusalWithHint(); }

TEST_F(SdlWithoutScreen, OnlyTheDummyDriver) {
    setenv("DISPLAY", ":4711", 1);
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    expectRefusalWithHint();
}

}  // namespace
}  // namespace vantor::test
