// How a write-back of a file held with no sharing stays safe on Windows:
// an opener that meets the writer's replacement lets the writer finish, one
// left by a writer that died is cleared away, and killing a writer at any
// moment leaves the old or the new contents.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "platform/os_services.h"
#include "support/child_process.h"
#include "support/headless_fixture.h"

namespace vantor {
namespace {

using platform::OpenError;
using platform::OpenMode;

const std::string kTableA(120, 'A');
const std::string kTableB(200, 'B');

std::string contents(const char* name) {
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Writes the other table over the file, again and again, for ever or rounds times.
int alternate(const std::string& rounds) {
    for (int round = 0, limit = std::stoi(rounds); limit < 0 || round < limit; ++round) {
        OpenError error = OpenError::None;
        auto file = platform::os::openFile("table", OpenMode::Update, error);
        if (!file) {
            if (error == OpenError::SharingViolation) continue;
            return 3;
        }
        std::string now(static_cast<size_t>(file->size()), '\0');
        file->read(now.data(), static_cast<uint32_t>(now.size()));
        if (now != kTableA && now != kTableB) return 4;
        const std::string& next = now == kTableA ? kTableB : kTableA;
        if (!file->truncate() || !file->write(next.data(), static_cast<uint32_t>(next.size())) || !file->commit())
            return 5;
    }
    return 0;
}

const bool kRoleAdded = testing::addChildRole("alternate", &alternate);

class FileReplacementTest : public ::testing::Test {
protected:
    testing::ScopedTempDir folder;
};

TEST_F(FileReplacementTest, AnOpenerBacksOffFromAReplacementInPlaceAndClearsALeftOne) {
    std::ofstream("table") << "old";
    HANDLE replacement = CreateFileW(L"table.new", GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(replacement, INVALID_HANDLE_VALUE);
    OpenError error = OpenError::None;
    EXPECT_FALSE(platform::os::openFile("table", OpenMode::Update, error));
    EXPECT_EQ(error, OpenError::SharingViolation);
    EXPECT_TRUE(platform::os::openFile("table", OpenMode::Read, error));
    CloseHandle(replacement);

    auto file = platform::os::openFile("table", OpenMode::Update, error);
    ASSERT_TRUE(file);
    EXPECT_FALSE(std::filesystem::exists("table.new"));
}

TEST_F(FileReplacementTest, AWriterKilledAtAnyMomentLeavesTheOldOrTheNewContents) {
    std::ofstream("table", std::ios::binary) << kTableA;
    testing::ChildProcess timing("alternate", "4");
    ASSERT_TRUE(timing.started());
    ULONGLONG started = GetTickCount64();
    ASSERT_EQ(timing.wait(), 0u);
    auto span = static_cast<int>(GetTickCount64() - started);

    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> delay(0, std::max(2 * span, 20));
    int sawA = 0, sawB = 0;
    for (int run = 0; run < 40; ++run) {
        testing::ChildProcess writer("alternate", "-1");
        ASSERT_TRUE(writer.started());
        Sleep(static_cast<DWORD>(delay(random)));
        writer.kill();
        ASSERT_EQ(writer.wait(), 9u) << "the writer found a broken table, run " << run;
        std::string now = contents("table");
        ASSERT_TRUE(now == kTableA || now == kTableB) << "run " << run << ": " << now.size() << " bytes";
        (now == kTableA ? sawA : sawB) += 1;
    }
    EXPECT_GT(sawA, 0);
    EXPECT_GT(sawB, 0);

    // The next writer clears away what the killed one left: the table stands alone.
    testing::ChildProcess next("alternate", "1");
    ASSERT_TRUE(next.started());
    ASSERT_EQ(next.wait(), 0u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 1);
}

}  // namespace
}  // namespace vantor
