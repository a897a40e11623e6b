#include "app/startup.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>

#include "common/little_endian.h"
#include "platform/os_services.h"

#include "support/headless_fixture.h"

namespace vantor {
namespace {

using Log = std::vector<std::string>;
using Bytes = std::vector<uint8_t>;

const std::string kResourceBox = "message box: ERROR!: Can't initialise resources\n";

Bytes fileBytes(const char* name) {
    std::ifstream in(name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void writeFileBytes(const char* name, const Bytes& bytes) {
    std::ofstream(name, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

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

// Every way DATA30.RES can be unusable: the box names the file and what was
// wrong, and nothing is started.
TEST_F(StartupTest, UnusableResourcesNameTheFileAndTheReason) {
    const Bytes good = fileBytes("DATA30.RES");
    const auto slotAt = [](Bytes& file, int slot) { return file.data() + 4 + 4 * slot; };
    const auto tableAt = [&](Bytes& file, int slot) { return file.data() + 4 + readI32(slotAt(file, slot)); };
    const int32_t imageBytes = static_cast<int32_t>(good.size() - 4);
    struct Case {
        const char* reason;
        std::function<void(Bytes&)> damage;
    };
    const Case cases[] = {
        {"too short (0 bytes)", [](Bytes& f) { f.clear(); }},
        {"too short (3 bytes)", [](Bytes& f) { f.resize(3); }},
        {"a negative slot count (-1)", [](Bytes& f) { writeI32(f.data(), -1); }},
        {"1000 slots do not fit in the 8 bytes after the count",
         [](Bytes& f) { f.resize(12), writeI32(f.data(), 1000); }},
        {"35 slots, fewer than the 36 the game reads", [](Bytes& f) { writeI32(f.data(), 35); }},
        {"slot 12: points outside the file", [&](Bytes& f) { writeI32(slotAt(f, 12), imageBytes); }},
        {"slot 12: a damaged screen picture", [&](Bytes& f) { writeI32(slotAt(f, 12), imageBytes - 1000); }},
        {"slot 11: a damaged picture", [&](Bytes& f) { writeI32(slotAt(f, 11), imageBytes - 1); }},
        {"slot 13: the table lies outside the file", [&](Bytes& f) { writeI32(slotAt(f, 13), -4); }},
        {"slot 20: 3 entries, fewer than the 10 the game reads", [&](Bytes& f) { writeI32(tableAt(f, 20), 3); }},
        {"slot 21: entry 65 is a damaged picture",
         [&](Bytes& f) { writeI32(tableAt(f, 21) + 4 + 4 * 65, imageBytes - readI32(slotAt(f, 21)) - 5); }},
        {"slot 22: sound region 3 ends before it starts",
         [&](Bytes& f) { writeI32(tableAt(f, 22) + 4 + 4 * 4, readI32(tableAt(f, 22) + 4 + 4 * 3) - 1); }},
    };
    const std::string path = (std::filesystem::current_path() / "DATA30.RES").string();
    for (const Case& c : cases) {
        Bytes damaged = good;
        c.damage(damaged);
        writeFileBytes("DATA30.RES", damaged);
        int code = 0;
        EXPECT_EQ(run("", &code), Log{kResourceBox + path + ": " + c.reason}) << c.reason;
        EXPECT_EQ(code, 1) << c.reason;
    }

    writeFileBytes("DATA30.RES", good);
    {
        platform::OpenError error;
        auto held = platform::os::openFile("DATA30.RES", platform::OpenMode::Update, error);
        ASSERT_TRUE(held);
        EXPECT_EQ(run(""), Log{kResourceBox + path + ": another program holds it"});
    }

    // Found nowhere: the box says where it looked, the current folder first.
    std::filesystem::remove("DATA30.RES");
    Log log = run("");
    ASSERT_EQ(log.size(), 1u);
    const std::string missing = kResourceBox + "DATA30.RES: missing from " +
                                (std::filesystem::current_path() / "").string() + ", ";
    EXPECT_EQ(log[0].substr(0, missing.size()), missing) << log[0];
    const char separator = static_cast<char>(std::filesystem::path::preferred_separator);
    const std::string installed = std::string("share") + separator + "games" + separator + "vantor" + separator;
    EXPECT_NE(log[0].find(" and "), std::string::npos) << log[0];
    EXPECT_EQ(log[0].substr(log[0].size() - installed.size()), installed) << log[0];
}

TEST_F(StartupTest, KeyboardOrMouseMissingIsNotFatal) {
    platform::headless::setFault("keyboard", true);
    Log log = run("");
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), "launch: TIDEWELL.EXE P");
}

}  // namespace
}  // namespace vantor
