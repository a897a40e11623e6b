#include "app/startup.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "support/headless_fixture.h"

namespace vantor {
namespace {

using Log = std::vector<std::string>;

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(testing::copyFromBuild("DATA30.RES"));
        ASSERT_TRUE(testing::copyFromBuild("kelvo.res"));
        platform::headless::clearFaults();
    }
    void TearDown() override { platform::headless::clearFaults(); }

    // Runs the whole program headless for a few frames; returns its log.
    Log run(const std::string& commandLine, int* exitCode = nullptr) {
        testing::ScopedEnv frames("VANTOR_FRAMES", "40");
        auto& backend = platform::headless::installFresh();
        int code = runProgram(commandLine);
        if (exitCode) *exitCode = code;
        return backend.system().log();
    }

    testing::ScopedTempDir dir;
};

TEST_F(StartupTest, NormalEndStartsTheShellProgram) {
    int code = -1;
    Log log = run("", &code);
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), "launch: TIDEWELL.EXE P");
    EXPECT_EQ(code, 0);
}

TEST_F(StartupTest, PlaybackEndsWithTheFourVariantOfTheExitCommand) {
    Log log = run("3");
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), "launch: TIDEWELL.EXE 4");
}

TEST_F(StartupTest, EachFailingStartUpStepShowsItsBoxAndStartsNothing) {
    const std::pair<const char*, const char*> cases[] = {
        {"window", "message box: ERROR!: Can't create MainWindow."},
        {"vdp", "message box: ERROR!: Can't initialise VDP"},
        {"input", "message box: ERROR!: Can't initialise INPUT"},
    };
    for (const auto& [fault, box] : cases) {
        platform::headless::clearFaults();
        platform::headless::setFault(fault, true);
        int code = 0;
        EXPECT_EQ(run("", &code), Log{box}) << fault;
        EXPECT_EQ(code, 1) << fault;
    }
}

TEST_F(StartupTest, MissingOrDamagedResourcesEndWithoutTheShellProgram) {
    const Log refused{"message box: ERROR!: Can't initialise resources"};
    auto size = std::filesystem::file_size("DATA30.RES");
    std::filesystem::resize_file("DATA30.RES", size / 2);
    int code = 0;
    EXPECT_EQ(run("", &code), refused);
    EXPECT_EQ(code, 1);
    std::filesystem::remove("DATA30.RES");
    EXPECT_EQ(run(""), refused);
}

TEST_F(StartupTest, KeyboardOrMouseMissingIsNotFatal) {
    platform::headless::setFault("keyboard", true);
    Log log = run("");
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), "launch: TIDEWELL.EXE P");
}

}  // namespace
}  // namespace vantor
