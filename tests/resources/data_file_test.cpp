#include "resources/data_file.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include "support/headless_fixture.h"

namespace vantor {
namespace {

// A game started from anywhere finds its data: here, beside the program,
// or where an installation puts it.
TEST(DataFileTest, TheCurrentFolderThenBesideTheProgramThenTheInstalledFolder) {
    testing::ScopedTempDir dir;
    namespace fs = std::filesystem;
    fs::create_directories("prefix/games");
    fs::create_directories("prefix/share/games/vantor");
    fs::create_directories("here");
    const std::string program = "prefix/games/";
    EXPECT_EQ(findDataFile("DATA30.RES", program), "DATA30.RES");  // nowhere: as it was

    std::ofstream("prefix/share/games/vantor/DATA30.RES") << "installed";
    EXPECT_EQ(findDataFile("DATA30.RES", program), "prefix/games/../share/games/vantor/DATA30.RES");
    std::ofstream("prefix/games/DATA30.RES") << "beside";
    EXPECT_EQ(findDataFile("DATA30.RES", program), "prefix/games/DATA30.RES");
    std::ofstream("DATA30.RES") << "here";
    EXPECT_EQ(findDataFile("DATA30.RES", program), "DATA30.RES");
    EXPECT_EQ(findDataFile("kelvo.res", program), "kelvo.res");
    fs::create_directory("kelvo.res");  // a folder of that name is no data file
    std::ofstream("prefix/games/kelvo.res") << "beside";
    EXPECT_EQ(findDataFile("kelvo.res", program), "prefix/games/kelvo.res");
}

}  // namespace
}  // namespace vantor
