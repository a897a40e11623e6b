// Starting the exit command on Windows: only a program that is there, with
// this process's environment switches passed on.
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/os_services.h"
#include "platform/platform.h"
#include "support/child_process.h"
#include "support/headless_fixture.h"

namespace vantor {
namespace {

// Notes that it ran, and the switch it was given, beside itself.
int noteStart(const std::string&) {
    const char* probe = std::getenv("VANTOR_PROBE");
    std::ofstream("started.txt") << (probe ? probe : "(unset)");
    return 0;
}

const bool kRoleAdded = testing::addChildRole("note-start", &noteStart);

std::wstring thisProgram() {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return path;
}

bool written(const char* name) {
    std::error_code missing;
    for (int waited = 0; waited < 200 && std::filesystem::file_size(name, missing) == 0; ++waited) Sleep(50);
    return std::filesystem::file_size(name, missing) > 0;
}

TEST(StartProgram, StartsAProgramOfThatNameInTheFolderWithTheEnvironmentItWasGiven) {
    testing::ScopedTempDir folder;
    EXPECT_FALSE(platform::os::startProgram("SHELL.EXE P"));
    std::filesystem::create_directory("SHELL.EXE");
    EXPECT_FALSE(platform::os::startProgram("SHELL.EXE P"));
    std::filesystem::remove("SHELL.EXE");

    ASSERT_TRUE(CopyFileW(thisProgram().c_str(), L"SHELL.EXE", FALSE));
    testing::ScopedEnv probe("VANTOR_PROBE", "handed on");
    EXPECT_EQ(platform::option("VANTOR_PROBE"), "handed on");
    ASSERT_TRUE(platform::os::startProgram("SHELL.EXE --vantor-child=note-start"));
    ASSERT_TRUE(written("started.txt"));
    Sleep(200);  // let it finish writing and end, so the folder can go
    std::ifstream noted("started.txt");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(noted), {}), "handed on");
}

}  // namespace
}  // namespace vantor
