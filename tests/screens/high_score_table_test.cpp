#include "screens/high_score_table.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
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
#include "screens/high_score_view.h"
#include "screens/screen_fixture.h"
#include "video/vdp.h"
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

TEST_F(HighScoreFileTest, FifteenRecordsLoad) {
    testing::writeHigh30(fifteenDownTo(100));
    EXPECT_EQ(table.loadForUpdate(), 0);
    EXPECT_EQ(loaded(), fifteenDownTo(100));
    table.close();
    EXPECT_FALSE(std::filesystem::exists("HIGH30.damaged"));
}

// A file of any other size keeps its whole records, best first; only when
// something is written is it replaced, and its bytes are kept beside it.
TEST_F(HighScoreFileTest, ADamagedFileKeepsItsWholeRecordsAndIsKeptAsDamagedBeforeAWrite) {
    const Rows sixteen = [] {
        Rows rows = fifteenDownTo(100);
        rows.push_back({"SIXTEENTH", 5000});
        return rows;
    }();
    for (size_t size : {159u, 161u, 640u}) {
        std::string bytes = testing::high30Bytes(sixteen);
        bytes.resize(size, 'x');
        std::ofstream("HIGH30", std::ios::binary | std::ios::trunc) << bytes;
        std::filesystem::remove("HIGH30.damaged");
        Rows whole(sixteen.begin(), sixteen.begin() + std::min<size_t>(size / 40, 15));
        std::sort(whole.begin(), whole.end(), [](const Row& a, const Row& b) { return a.score > b.score; });

        EXPECT_EQ(table.loadForUpdate(), 0) << size;
        EXPECT_EQ(loaded(), whole) << size;
        table.close();
        EXPECT_EQ(testing::readFileBytes("HIGH30"), bytes) << "looking changes nothing, " << size;

        ASSERT_EQ(table.loadForUpdate(), 0);
        EXPECT_EQ(otherOpener(), platform::OpenError::SharingViolation);
        table.writeBack();
        EXPECT_EQ(testing::readHigh30(), whole) << size;
        EXPECT_EQ(testing::readFileBytes("HIGH30.damaged"), bytes) << size;
    }
    EXPECT_TRUE(backend->system().log().empty());
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

    // Drawn, it ends where typing would have stopped, clear of the screen's edge.
    vdp.clear(0);
    drawTableRow(0, 200);
    std::vector<uint8_t> picture = composed();
    int drawn = 0, pastColumn = 0;
    for (int y = 180; y < 240; ++y)
        for (int x = kTableNameX; x < 640; ++x)
            if (picture[y * 640 + x] != 0) ++(x < 630 ? drawn : pastColumn);
    EXPECT_GT(drawn, 0);
    EXPECT_EQ(pastColumn, 0);
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

// Whatever keeps a score from being stored, the table shows what the file
// holds, the file stays as it was, nothing is left beside it, and the
// player is told once, with the file and the reason.
TEST_F(HighScoreFileTest, AScoreThatCannotBeStoredIsSaidOnceAndTheFileStaysAsItWas) {
    namespace fs = std::filesystem;
    const auto readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    const auto readOnlyFolder = readOnly | fs::perms::owner_exec | fs::perms::group_exec |
                                fs::perms::others_exec;
    const Rows kept{{"KEPT", 70}, {"ALSO", 20}};
    struct Case {
        std::string folder;
        bool hasFile, fileReadOnly, folderReadOnly;
        int loadResult;
        std::string reason;
    };
    const Case cases[] = {
        {"file", true, true, false, 1, "it or its folder is read-only"},
    // Windows takes a folder's read-only mark for a customised folder, not a
    // refusal of new files; only the file's own mark counts there.
    // scripts/windows.sh makes folders that refuse them under wine.
#ifndef _WIN32
        {"folder", true, false, true, 0, std::strerror(EACCES)},
        {"empty-folder", false, false, true, 1, "it or its folder is read-only"},
#endif
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.folder);
        fs::create_directory(c.folder);
        std::string path = c.folder + "/HIGH30";
        if (c.hasFile) std::ofstream(path, std::ios::binary) << testing::high30Bytes(kept);
        if (c.fileReadOnly) fs::permissions(path, readOnly);
        if (c.folderReadOnly) fs::permissions(c.folder, readOnlyFolder);
        testing::ScopedEnv installed("VANTOR_HOME", (c.folder + "/").c_str());
        size_t said = backend->system().log().size();

        EXPECT_EQ(table.loadForUpdate(), c.loadResult);
        EXPECT_EQ(loaded(), c.hasFile ? kept : Rows{});
        if (c.loadResult == 1) {
            EXPECT_FALSE(table.createFile());
        }
        setTable({{"NEW", 99}});
        table.writeBack();

        EXPECT_EQ(testing::readFileBytes(path), c.hasFile ? testing::high30Bytes(kept) : "");
        EXPECT_EQ(fs::directory_iterator(c.folder) == fs::directory_iterator(), !c.hasFile);
        if (c.hasFile) {
            EXPECT_EQ(std::distance(fs::directory_iterator(c.folder), {}), 1);
        }
        std::vector<std::string> lines(backend->system().log().begin() + static_cast<long>(said),
                                       backend->system().log().end());
        EXPECT_EQ(lines, std::vector<std::string>{"message box: ERROR!: Can't store the score in " + path +
                                                  ": " + c.reason + "."});
        fs::permissions(c.folder, fs::perms::owner_all);
    }
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
        if (!std::freopen("said.txt", "w", stderr)) _exit(4);
        signal(SIGXFSZ, SIG_IGN);
        rlimit limit{100, 100};
        setrlimit(RLIMIT_FSIZE, &limit);
        if (highScoreTable.loadForUpdate() != 0) _exit(3);
        setTable({{"A", 5}, {"B", 4}, {"C", 3}});
        highScoreTable.writeBack();
        std::fflush(stderr);
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(testing::readHigh30(), old);
    EXPECT_EQ(leftoverFiles(), 0u);
    EXPECT_EQ(testing::readFileBytes("said.txt"), "message box: ERROR!: Can't store the score in ./HIGH30: " +
                                                      std::string(std::strerror(EFBIG)) + ".\n");
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

    // Writers killed before their rename leave replacements; the next one to
    // store a table clears them, and only HIGH30 stays.
    pid = startAlternating(kTableA, kTableB, 1);
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."), {}), 1);
    EXPECT_EQ(leftoverFiles(), 0u);
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

TEST_F(HighScoreFileTest, AFolderThatCannotBeMadeIsSaidOnlyWhenAScoreIsStored) {
    std::ofstream("blocker") << "a file where the folder should be";
    testing::ScopedEnv installed("VANTOR_HOME", "blocker/inside/");
    EXPECT_EQ(table.loadForUpdate(), 1);
    EXPECT_FALSE(table.createFile());
    EXPECT_FALSE(table.createFile());
    EXPECT_TRUE(backend->system().log().empty());
    table.writeBack();
    EXPECT_EQ(backend->system().log(),
              std::vector<std::string>{"message box: ERROR!: Can't store the score in blocker/inside/HIGH30: "
                                       "no such file or folder."});
}

}  // namespace
}  // namespace vantor
