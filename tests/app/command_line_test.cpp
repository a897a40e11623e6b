#include "app/command_line.h"

#include <gtest/gtest.h>

#include "app/startup.h"
#include "common/random.h"
#include "input/input_devices.h"
#include "support/headless_fixture.h"

namespace vantor {
namespace {

class CommandLineTest : public ::testing::Test {
protected:
    void SetUp() override {
        backend = &platform::headless::installFresh();
        startup = StartupState{};
        inputDevices = InputDevices{};
        rng.seed(12345);
    }
    void TearDown() override { inputDevices.recorder.file.close(); }

    uint32_t ticks() { return backend->system().ticks(); }

    testing::ScopedTempDir dir;
    platform::headless::HeadlessBackend* backend = nullptr;
};

TEST_F(CommandLineTest, PlainLineSeedsFromTheClockAndRecordsNothing) {
    applyCommandLine("");
    EXPECT_FALSE(startup.qStartMode);
    EXPECT_EQ(rng.state, ticks());
    EXPECT_EQ(inputDevices.recorder.active, 0);
    EXPECT_STREQ(startup.exitCommand, "TIDEWELL.EXE P");
}

TEST_F(CommandLineTest, LeadingQSelectsTheShortKeyAndKeepsTheClockSeed) {
    applyCommandLine("Quick");
    EXPECT_TRUE(startup.qStartMode);
    EXPECT_EQ(rng.state, ticks());
    ReadInstallPath();
    EXPECT_EQ(backend->system().lastRegistryKey(), "SOFTWARE\\Kelvo Plaix\\Tidewell");
    startup.qStartMode = false;
    ReadInstallPath();
    EXPECT_EQ(backend->system().lastRegistryKey(), "SOFTWARE\\Kelvo Plaix\\Tidewell-Vantor");
}

TEST_F(CommandLineTest, ThreePlaysTheDemoBackWithSeedTenAndAnExitCommandEndingInFour) {
    applyCommandLine("3");
    EXPECT_EQ(rng.state, 10u);
    EXPECT_EQ(inputDevices.recorder.active, 1);
    EXPECT_EQ(inputDevices.recorder.mode, 0);
    EXPECT_STREQ(startup.exitCommand, "TIDEWELL.EXE 4");
}

TEST_F(CommandLineTest, TheHiddenWordRecordsOnlyWhenItIsTheWholeLine) {
    applyCommandLine(kRecordingWord);
    EXPECT_EQ(rng.state, 10u);
    EXPECT_EQ(inputDevices.recorder.active, 1);
    EXPECT_EQ(inputDevices.recorder.mode, 1);
    EXPECT_STREQ(startup.exitCommand, "TIDEWELL.EXE P");
    inputDevices.recorder = Recorder{};

    applyCommandLine(std::string(kRecordingWord) + " ");
    EXPECT_EQ(inputDevices.recorder.active, 0);
    EXPECT_EQ(rng.state, ticks());
}

TEST_F(CommandLineTest, InstallPathFallsBackToTheCurrentFolder) {
    {
        testing::ScopedEnv home("VANTOR_HOME", "");
        ReadInstallPath();
        EXPECT_EQ(startup.installPath, ".\\");
        EXPECT_EQ(installedFilePath("HIGH30"), "./HIGH30");
    }
#ifndef _WIN32
    {
        // Unset: the player's data folder, never the current one.
        testing::ScopedEnv home("VANTOR_HOME", nullptr);
        testing::ScopedEnv data("XDG_DATA_HOME", "/data");
        EXPECT_EQ(installedFilePath("HIGH30"), "/data/vantor/HIGH30");
        testing::ScopedEnv relative("XDG_DATA_HOME", "data");
        testing::ScopedEnv user("HOME", "/home/ann");
        EXPECT_EQ(installedFilePath("HIGH30"), "/home/ann/.local/share/vantor/HIGH30");
    }
#endif
    {
        testing::ScopedEnv home("VANTOR_HOME", "/var/games/tidewell/");
        EXPECT_EQ(installedFilePath("HIGH30"), "/var/games/tidewell/HIGH30");
    }
    // The limit counts characters, so a folder in any script is kept whole.
    for (const char* letter : {"y", "ж", "游"}) {
        std::string longest;
        for (int i = 0; i < 259; ++i) longest += letter;
        longest += "/";
        testing::ScopedEnv home("VANTOR_HOME", longest.c_str());
        ReadInstallPath();
        EXPECT_EQ(startup.installPath, longest) << letter;
        EXPECT_EQ(installedFilePath("HIGH30"), longest + "HIGH30") << letter;
        std::string tooLong = std::string(letter) + longest;
        testing::ScopedEnv longer("VANTOR_HOME", tooLong.c_str());
        ReadInstallPath();
        EXPECT_EQ(startup.installPath, ".\\") << letter;
    }
}

}  // namespace
}  // namespace vantor
