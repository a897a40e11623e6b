// The operating system's services as the game relies on them, the same on
// every system: who may open a file while another holds it, and how a
// write-back replaces the file.
#include "platform/os_services.h"

#include <filesystem>
#include <fstream>

#include "support/headless_fixture.h"

namespace vantor {
namespace {

using platform::OpenError;
using platform::OpenMode;

class OsServicesTest : public ::testing::Test {
protected:
    static OpenError tryOpen(OpenMode mode, const std::string& name = "table") {
        OpenError error = OpenError::None;
        platform::os::openFile(name, mode, error);
        return error;
    }
    static std::string contents() {
        std::ifstream in("table", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    static size_t filesInFolder() {
        return static_cast<size_t>(std::distance(std::filesystem::directory_iterator("."), {}));
    }

    testing::ScopedTempDir folder;
};

TEST_F(OsServicesTest, AHolderForUpdateKeepsEveryOtherOpenerOutWhileReadersShare) {
    std::ofstream("table") << "old";
    OpenError error = OpenError::None;
    auto held = platform::os::openFile("table", OpenMode::Update, error);
    ASSERT_TRUE(held);
    for (OpenMode mode : {OpenMode::Read, OpenMode::Update, OpenMode::Create, OpenMode::UpdateOrCreate})
        EXPECT_EQ(tryOpen(mode), OpenError::SharingViolation) << static_cast<int>(mode);
    held.reset();

    auto reader = platform::os::openFile("table", OpenMode::Read, error);
    ASSERT_TRUE(reader);
    EXPECT_EQ(tryOpen(OpenMode::Read), OpenError::None);
    EXPECT_EQ(tryOpen(OpenMode::Update), OpenError::SharingViolation);
    reader.reset();
    EXPECT_EQ(contents(), "old");
}

TEST_F(OsServicesTest, AWriteBackReplacesTheFileOnlyWhenCommittedAndStaysHeldUntilClosed) {
    std::ofstream("table") << "old table";
    OpenError error = OpenError::None;
    auto file = platform::os::openFile("table", OpenMode::Update, error);
    ASSERT_TRUE(file);
    ASSERT_TRUE(file->truncate());
    ASSERT_TRUE(file->write("half", 4));
    file.reset();
    EXPECT_EQ(contents(), "old table");
    EXPECT_EQ(filesInFolder(), 1u);

    file = platform::os::openFile("table", OpenMode::Update, error);
    ASSERT_TRUE(file);
    ASSERT_TRUE(file->truncate());
    ASSERT_TRUE(file->write("new", 3));
    ASSERT_TRUE(file->commit());
    EXPECT_EQ(tryOpen(OpenMode::Update), OpenError::SharingViolation);
    EXPECT_EQ(file->size(), 3);
    file.reset();
    EXPECT_EQ(contents(), "new");
    EXPECT_EQ(filesInFolder(), 1u);
}

TEST_F(OsServicesTest, MissingFilesFoldersAndCreatingAnswerAsTheGameExpects) {
    EXPECT_EQ(tryOpen(OpenMode::Update), OpenError::NotFound);
    EXPECT_EQ(tryOpen(OpenMode::Read, "no-folder/table"), OpenError::NotFound);
    std::filesystem::create_directory("folder");
    // A folder is refused, though not as held (the systems name the refusal differently).
    OpenError folderError = tryOpen(OpenMode::Update, "folder");
    EXPECT_NE(folderError, OpenError::None);
    EXPECT_NE(folderError, OpenError::SharingViolation);
    std::ofstream("table") << "recorded";
    EXPECT_EQ(tryOpen(OpenMode::Create), OpenError::None);
    EXPECT_EQ(std::filesystem::file_size("table"), 0u);
}

TEST(ProgramFolder, HoldsTheRunningTestProgram) {
    std::string folder = platform::os::programFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_TRUE(folder.back() == '/' || folder.back() == '\\') << folder;
    bool found = false;
    for (const auto& item : std::filesystem::directory_iterator(folder))
        found = found || item.path().stem() == "tests_platform";
    EXPECT_TRUE(found) << folder;
}

}  // namespace
}  // namespace vantor
