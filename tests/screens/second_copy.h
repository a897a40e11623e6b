#pragma once
#include <functional>
#include <sys/types.h>

namespace vantor::testing {

// Another copy of the game, in a child process: it opens HIGH30 for an
// update and holds it until told to let go. What it does just before
// letting go (write an entry back, remove the file) is up to the test.
class SecondCopy {
public:
    explicit SecondCopy(std::function<void()> beforeRelease = {});
    ~SecondCopy();
    SecondCopy(const SecondCopy&) = delete;
    SecondCopy& operator=(const SecondCopy&) = delete;

    // What the child's loadForUpdate answered.
    int loadResult() const { return loadResult_; }
    // Tells the child to let go and returns once it has.
    void release();

private:
    pid_t pid_ = -1;
    int toChild_ = -1;
    int fromChild_ = -1;
    int loadResult_ = -1;
    bool released_ = false;
};

}  // namespace vantor::testing
