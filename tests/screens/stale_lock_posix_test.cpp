// A copy that opens HIGH30 just before another copy puts a new table in its
// place must not end up holding the old, replaced file.
#include <dlfcn.h>
#include <functional>

#include "screens/high_score_table.h"
#include "screens/screen_fixture.h"
#include "screens/second_copy.h"

namespace {
// Runs once, inside the next lock request of this process.
std::function<void()> beforeNextLock;
}  // namespace

// Every lock request of this test program passes here first.
extern "C" int flock(int fd, int operation) {
    using Real = int (*)(int, int);
    static Real real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "flock"));
    if (beforeNextLock) {
        auto hook = std::move(beforeNextLock);
        beforeNextLock = nullptr;
        hook();
    }
    return real(fd, operation);
}

namespace vantor {
namespace {

using testing::Rows;

class StaleLockTest : public testing::ScreenTest {
protected:
    void TearDown() override {
        beforeNextLock = nullptr;
        ScreenTest::TearDown();
    }
};

TEST_F(StaleLockTest, AFileReplacedBetweenOpeningAndLockingIsOpenedAgain) {
    const Rows before{{"BEFORE", 10}};
    const Rows after{{"AFTER", 20}, {"BEFORE", 10}};
    testing::writeHigh30(before);
    testing::SecondCopy other(testing::OnRelease::StoreEntry, HighScoreEntry{"AFTER", 20});
    ASSERT_EQ(other.loadResult(), 0);
    beforeNextLock = [&] { other.release(); };
    ASSERT_EQ(highScoreTable.loadForUpdate(), 0);
    EXPECT_EQ(highScoreTable.count, 2);
    EXPECT_EQ(highScoreTable.nameOf(0), "AFTER");
    EXPECT_EQ(testing::readHigh30(), after);
}

}  // namespace
}  // namespace vantor
