#include "screens/high_score_table.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include "platform/platform.h"
#include "screens/screen_fixture.h"
#include "screens/second_copy.h"

namespace vantor {
namespace {

using testing::Row;
using testing::Rows;

class HighScoreFileTest : public testing::ScreenTest {
protected:
    HighScoreTable& table = highScoreTable;

    Rows loaded() const {
        Rows rows;
        for (int i = 0; i < table.count; ++i) rows.push_back({table.nameOf(i), table.entries[i].score});
        return rows;
    }

    static void setTable(const Rows& rows) {
        highScoreTable.reset();
        for (const Row& row : rows) {
            HighScoreEntry& entry = highScoreTable.entries[highScoreTable.count++];
            row.name.copy(entry.name, 35);
            entry.score = row.score;
        }
    }

    static Rows fifteenDownTo(int lowest) {
        Rows rows;
        for (int i = 14; i >= 0; --i) rows.push_back({"P" + std::to_string(i), lowest + 10 * i});
        return rows;
    }

    // Another opener of HIGH30 for an update, as a second copy would try it.
    static platform::OpenError otherOpener() {
        platform::OpenError error = platform::OpenError::None;
        auto file = platform::system().openFile("./HIGH30", platform::OpenMode::Update, error);
        return error;
    }

    static size_t leftoverFiles() {
        size_t n = 0;
        for (const auto& item : std::filesystem::directory_iterator("."))
            if (item.path().filename().string().rfind("HIGH30.", 0) == 0) ++n;
        return n;
    }
};

TEST_F(HighScoreFileTest, AnEmptyFileIsAnEmptyTableAndStaysHeld) {
    testing::writeHigh30({});
    EXPECT_EQ(table.loadForUpdate(), 0);
    EXPECT_EQ(table.count, 0);
    EXPECT_EQ(otherOpener(), platform::OpenError::SharingViolation);
    table.close();
    EXPECT_EQ(otherOpener(), platform::OpenError::None);
}

TEST_F(HighScoreFileTest, FifteenRecordsLoadWhileLargerOrRaggedFilesAreReplacedByAnEmptyOne) {
    testing::writeHigh30(fifteenDownTo(100));
    EXPECT_EQ(table.loadForUpdate(), 0);
    EXPECT_EQ(loaded(), fifteenDownTo(100));
    table.close();

    for (size_t size : {640u, 41u}) {
        std::string bytes = testing::high30Bytes(fifteenDownTo(100)) + std::string(40, 'x');
        bytes.resize(size);
        std::ofstream("HIGH30", std::ios::binary | std::ios::trunc) << bytes;
        setTable({{"OLD", 1}});
        EXPECT_EQ(table.loadForUpdate(), 1) << size;
        EXPECT_EQ(table.count, 0);
        EXPECT_EQ(table.entries[0].score, -1);
        EXPECT_EQ(table.entries[0].name[0], 0);
        EXPECT_TRUE(table.createFile());
        EXPECT_EQ(otherOpener(), platform::OpenError::SharingViolation);
        table.close();
        EXPECT_EQ(std::filesystem::file_size("HIGH30"), 0u) << size;
    }
}

TEST_F(HighScoreFileTest, LoadingSortsBestFirstAndEqualScoresFollowTheSelectionOrder) {
    testing::writeHigh30({{"LOW", 10}, {"MID", 20}, {"TOP", 30}});
    ASSERT_EQ(table.loadForUpdate(), 0);
    EXPECT_EQ(loaded(), (Rows{{"TOP", 30}, {"MID", 20}, {"LOW", 10}}));
    table.close();

    testing::writeHigh30({{"FIRST", 5}, {"SECOND", 5}, {"THIRD", 7}});
    ASSERT_EQ(table.loadForUpdate(), 0);
    EXPECT_EQ(loaded(), (Rows{{"THIRD", 7}, {"SECOND", 5}, {"FIRST", 5}}));
}

TEST_F(HighScoreFileTest, ANameWithoutItsZeroByteEndsAtItsField) {
    std::string bytes = testing::high30Bytes({{"", 9}, {"NEXT", 8}});
    std::fill_n(bytes.begin(), 36, 'N');
    std::ofstream("HIGH30", std::ios::binary | std::ios::trunc) << bytes;
    ASSERT_EQ(table.loadForUpdate(), 0);
    EXPECT_EQ(table.nameOf(0), std::string(36, 'N'));
    EXPECT_EQ(table.nameOf(1), "NEXT");
}

TEST_F(HighScoreFileTest, AFullTableTakesOnlyScoresAboveItsLowest) {
    setTable(fifteenDownTo(100));
    EXPECT_FALSE(table.qualifies(100));
    EXPECT_TRUE(table.qualifies(101));
    Rows fourteen = fifteenDownTo(100);
    fourteen.pop_back();
    setTable(fourteen);
    EXPECT_TRUE(table.qualifies(0));
    EXPECT_TRUE(table.qualifies(-5));
}

TEST_F(HighScoreFileTest, WritingBackThreeEntriesStoresExactlyThoseRecords) {
    testing::writeHigh30({});
    ASSERT_EQ(table.loadForUpdate(), 0);
    Rows three{{"ANNA", 30}, {"BEN", 20}, {"CY", 10}};
    setTable(three);
    table.writeBack();
    EXPECT_EQ(std::filesystem::file_size("HIGH30"), 120u);
    EXPECT_EQ(testing::readHigh30(), three);
    EXPECT_EQ(otherOpener(), platform::OpenError::None);
    EXPECT_EQ(leftoverFiles(), 0u);
}

TEST_F(HighScoreFileTest, AReadOnlyFileGivesAnEmptyTableAndStaysUntouched) {
    Rows rows{{"KEPT", 70}};
    testing::writeHigh30(rows);
    std::filesystem::permissions("HIGH30", std::filesystem::perms::owner_read |
                                               std::filesystem::perms::group_read |
                                               std::filesystem::perms::others_read);
    EXPECT_EQ(table.loadForUpdate(), 1);
    EXPECT_EQ(table.count, 0);
    EXPECT_FALSE(table.createFile());
    setTable({{"NEW", 99}});
    table.writeBack();
    EXPECT_EQ(testing::readHigh30(), rows);
    EXPECT_EQ(leftoverFiles(), 0u);
}

TEST_F(HighScoreFileTest, ASecondCopySeesTheFileInUseAndKeepsItsTable) {
    Rows rows{{"HOLDER", 40}};
    testing::writeHigh30(rows);
    testing::SecondCopy other;
    ASSERT_EQ(other.loadResult(), 0);
    setTable({{"MINE", 12}, {"ALSO", 6}});
    EXPECT_EQ(table.loadForUpdate(), 2);
    EXPECT_EQ(loaded(), (Rows{{"MINE", 12}, {"ALSO", 6}}));
    EXPECT_FALSE(table.createFile());
    other.release();
    EXPECT_EQ(table.loadForUpdate(), 0);
    EXPECT_EQ(loaded(), rows);
}

TEST_F(HighScoreFileTest, CreatingKeepsATableThatAnotherCopyStoredMeanwhile) {
    EXPECT_TRUE(table.createFile());
    table.close();
    EXPECT_EQ(std::filesystem::file_size("HIGH30"), 0u);

    Rows stored{{"OTHER", 55}, {"COPY", 44}};
    testing::writeHigh30(stored);
    EXPECT_FALSE(table.createFile());
    table.writeBack();
    EXPECT_EQ(testing::readHigh30(), stored);
}

// Processes are forked and killed the POSIX way here; the Windows build
// has its own killed-writer test.
#ifndef _WIN32
TEST_F(HighScoreFileTest, AWriteThatFailsHalfwayLeavesTheOldTable) {
    Rows old{{"OLD", 1}};
    testing::writeHigh30(old);
    pid_t pid = fork();
    if (pid == 0) {
        // The new table does not fit under this limit: the write breaks off.
        signal(SIGXFSZ, SIG_IGN);
        rlimit limit{100, 100};
        setrlimit(RLIMIT_FSIZE, &limit);
        if (highScoreTable.loadForUpdate() != 0) _exit(3);
        setTable({{"A", 5}, {"B", 4}, {"C", 3}});
        highScoreTable.writeBack();
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(testing::readHigh30(), old);
    EXPECT_EQ(leftoverFiles(), 0u);
}

// The child writes the two tables in turn for ever; it stops only when it
// finds anything else in the file.
[[noreturn]] void alternate(const Rows& a, const Rows& b, int rounds) {
    for (int round = 0; rounds < 0 || round < rounds; ++round) {
        int result = highScoreTable.loadForUpdate();
        if (result == 2) continue;
        if (result != 0) _exit(3);
        bool isA = highScoreTable.count == static_cast<int>(a.size());
        const Rows& next = isA ? b : a;
        highScoreTable.reset();
        for (const Row& row : next) {
            HighScoreEntry& entry = highScoreTable.entries[highScoreTable.count++];
            row.name.copy(entry.name, 35);
            entry.score = row.score;
        }
        highScoreTable.writeBack();
    }
    _exit(0);
}

pid_t startAlternating(const Rows& a, const Rows& b, int rounds) {
    pid_t pid = fork();
    if (pid == 0) alternate(a, b, rounds);
    return pid;
}

// A killed process loses no more on a memory file system than on a disk,
// and its quick syncs keep many runs short.
const char kMemoryFolder[] = "/dev/shm";

const Rows kTableA{{"ANNA", 300}, {"BORIS", 200}, {"CLARA", 100}};
const Rows kTableB{{"DORA", 500}, {"EMIL", 400}, {"FANNY", 300}, {"GUS", 200}, {"HILDA", 100}};

TEST_F(HighScoreFileTest, AWriterKilledAtAnyMomentLeavesTheOldOrTheNewTable) {
    testing::ScopedTempDir folder(kMemoryFolder);
    const std::string bytesA = testing::high30Bytes(kTableA);
    const std::string bytesB = testing::high30Bytes(kTableB);
    testing::writeHigh30(kTableA);

    // Kills spread over a few write-backs, however fast this disk syncs.
    int status = 0;
    pid_t pid = startAlternating(kTableA, kTableB, 4);
    auto started = std::chrono::steady_clock::now();
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    auto span = std::chrono::duration_cast<std::chrono::microseconds>(
                    std::chrono::steady_clock::now() - started).count();

    std::mt19937 random(20261207);
    std::uniform_int_distribution<long> delay(0, std::max<long>(2 * span, 200));
    int sawA = 0, sawB = 0;
    for (int run = 0; run < 200; ++run) {
        pid = startAlternating(kTableA, kTableB, -1);
        usleep(static_cast<useconds_t>(delay(random)));
        kill(pid, SIGKILL);
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer found a broken table, run " << run;
        std::string now = testing::readFileBytes("HIGH30");
        ASSERT_TRUE(now == bytesA || now == bytesB) << "run " << run << ": " << ::testing::PrintToString(testing::readHigh30());
        (now == bytesA ? sawA : sawB) += 1;
    }
    EXPECT_GT(sawA, 0);
    EXPECT_GT(sawB, 0);
}

#endif  // _WIN32

TEST_F(HighScoreFileTest, ThePathIsReadAfreshAtEveryOpening) {
    std::filesystem::create_directory("install");
    testing::writeHigh30({{"HERE", 3}});
    {
        testing::ScopedEnv installed("VANTOR_HOME", "install/");
        EXPECT_EQ(table.loadForUpdate(), 1);
        EXPECT_TRUE(table.createFile());
        setTable({{"THERE", 4}});
        table.writeBack();
    }
    EXPECT_EQ(table.loadForUpdate(), 0);
    EXPECT_EQ(loaded(), (Rows{{"HERE", 3}}));
    EXPECT_EQ(std::filesystem::file_size("install/HIGH30"), 40u);
}

// A fresh account has no data folder yet, and an installer may leave out
// the trailing separator: the scores must still be kept, in that folder.
TEST_F(HighScoreFileTest, AMissingFolderIsMadeAndAMissingSeparatorAdded) {
    for (const char* home : {"fresh/deep/", "bare"}) {
        testing::ScopedEnv installed("VANTOR_HOME", home);
        EXPECT_EQ(table.loadForUpdate(), 1) << home;
        ASSERT_TRUE(table.createFile()) << home;
        setTable({{"KEPT", 9}});
        table.writeBack();
        EXPECT_EQ(table.loadForUpdate(), 0) << home;
        EXPECT_EQ(loaded(), (Rows{{"KEPT", 9}})) << home;
        table.close();
    }
    EXPECT_TRUE(std::filesystem::is_regular_file("fresh/deep/HIGH30"));
    EXPECT_TRUE(std::filesystem::is_regular_file("bare/HIGH30"));
    EXPECT_FALSE(std::filesystem::exists("bareHIGH30"));
}

TEST_F(HighScoreFileTest, ScoresThatCannotBeStoredAreReportedOnceOnStderr) {
    std::ofstream("blocker") << "a file where the folder should be";
    testing::ScopedEnv installed("VANTOR_HOME", "blocker/inside/");
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(table.loadForUpdate(), 1);
    EXPECT_FALSE(table.createFile());
    EXPECT_FALSE(table.createFile());
    table.writeBack();
    std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(said, "vantor: cannot write blocker/inside/HIGH30: scores are not kept\n");
}

}  // namespace
}  // namespace vantor
