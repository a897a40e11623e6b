#include "screens/second_copy.h"

#include <sys/wait.h>
#include <unistd.h>

#include "screens/high_score_table.h"

namespace vantor::testing {
namespace {

char readByte(int fd) {
    char c = 0;
    return ::read(fd, &c, 1) == 1 ? c : char(-1);
}

bool writeByte(int fd, char c) { return ::write(fd, &c, 1) == 1; }

}  // namespace

SecondCopy::SecondCopy(std::function<void()> beforeRelease) {
    int down[2], up[2];
    if (::pipe(down) != 0 || ::pipe(up) != 0) return;
    pid_ = ::fork();
    if (pid_ == 0) {
        ::close(down[1]);
        ::close(up[0]);
        writeByte(up[1], static_cast<char>(highScoreTable.loadForUpdate()));
        readByte(down[0]);
        if (beforeRelease) beforeRelease();
        highScoreTable.close();
        writeByte(up[1], 'r');
        _exit(0);
    }
    ::close(down[0]);
    ::close(up[1]);
    toChild_ = down[1];
    fromChild_ = up[0];
    loadResult_ = readByte(fromChild_);
}

void SecondCopy::release() {
    if (released_ || pid_ <= 0) return;
    released_ = true;
    writeByte(toChild_, 'g');
    readByte(fromChild_);
}

SecondCopy::~SecondCopy() {
    release();
    if (pid_ > 0) ::waitpid(pid_, nullptr, 0);
    ::close(toChild_);
    ::close(fromChild_);
}

}  // namespace vantor::testing
